#pragma once
// `postcraft-cli db rebuild TABLE`: the address database's index rebuild
// (deleted records packed away, then the 26 tags made again).
#include <QString>
#include <iosfwd>

namespace pc::cli {

// Rebuilds the table and prints the number of records left; returns the
// exit status.
int rebuildAddress(const QString& table, std::ostream& out);

}  // namespace pc::cli
