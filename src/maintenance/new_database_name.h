#pragma once
// Names of new address databases: the proposal "ADD" + four digits and the
// rule a typed name must follow.
#include <QString>

namespace pc::maintenance {

// The first "ADD0001" .. "ADD9999" with no .DBF of that name (in any letter
// case) in `dataDir`; "ADD0001" when all are taken.
QString proposeDatabaseName(const QString& dataDir);

// Not empty, a letter or "_" first, then letters, digits or "_" (ASCII).
bool isValidDatabaseName(const QString& name);

inline constexpr char kInvalidNameNote[] =
    "Invalid name. Must start with A..Z, followed by A..Z,0..9 or \"_\" (underscore)";

}  // namespace pc::maintenance
