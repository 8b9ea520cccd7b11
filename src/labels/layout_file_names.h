#pragma once
// Names for new layout files: "BIN" + five digits + an extension, the first
// one not yet present in the folder.
#include <QString>

namespace pc::labels {

// The first free name from BIN00001 to BIN99999 with the extension (".L"
// for labels) in `folder`, found without regard to letter case; empty when
// all are taken.
QString nextLayoutFileName(const QString& folder, const QString& extension = QStringLiteral(".L"));

}  // namespace pc::labels
