#pragma once
// RTF documents on disk: loading with a size check first, saving through a
// file written beside the old one and swapped in, so a crash or a full disk
// leaves the previous document intact.
#include <QString>

class QTextDocument;

namespace pc::richtext {

bool loadRtfFile(const QString& path, QTextDocument& document, QString* error = nullptr);
bool saveRtfFile(const QTextDocument& document, const QString& path, QString* error = nullptr);

}  // namespace pc::richtext
