#pragma once
// A document's text as lines: one paragraph per line, line breaks inside a
// paragraph as line ends too, each line ended by LF.
#include <QString>

class QTextDocument;

namespace pc::richtext {

QString plainTextLines(const QTextDocument& document);

}  // namespace pc::richtext
