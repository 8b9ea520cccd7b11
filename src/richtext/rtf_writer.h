#pragma once
// Writes a QTextDocument as RTF (Windows-1252 with \u escapes for the rest)
// that our reader reads back to the same text and formats and that other
// word processors open.
#include <QByteArray>

class QTextDocument;

namespace pc::richtext {

QByteArray writeRtf(const QTextDocument& document);

}  // namespace pc::richtext
