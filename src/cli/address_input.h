#pragma once
// An address table as the printing verbs read it: opened with the address
// fields, and the filter string of a saved filter file (.FLT).
#include <QString>

namespace pc::data {
class TTable;
}

namespace pc::cli {

// Opens TABLE (".dbf" added when it has no extension) into `table`; throws
// CliError when it cannot.
void openAddressTable(QString path, data::TTable& table);
// The filter string of the file; empty for an empty path. Throws CliError
// for an unreadable or too long filter.
QString filterOfFile(const QString& path);

}  // namespace pc::cli
