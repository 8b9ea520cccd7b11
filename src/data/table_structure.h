#pragma once
// A new, empty table with the structure of an open one: every field with
// its name, type, width and decimals, and no index. Copy-out builds on it.
#include <QString>

namespace pc::data {

class TTable;

// Creates the table at `path` (an existing file of that name is replaced)
// and leaves it closed. False, with the reason in `error`, when the engine
// refuses.
bool createTableLike(const TTable& source, const QString& path, QString* error = nullptr);

}  // namespace pc::data
