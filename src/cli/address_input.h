#pragma once
// An address table as the printing verbs read it: opened with the address
// fields, the filter string of a saved filter file (.FLT), and the record
// to start from.
#include <QString>

#include "cli/verb_options.h"
#include "data/record_choice.h"

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::cli {

// Opens TABLE (".dbf" added when it has no extension) into `table`; throws
// CliError when it cannot.
void openAddressTable(QString path, data::TTable& table);
// The filter string of the file; empty for an empty path. Throws CliError
// for an unreadable or too long filter.
QString filterOfFile(const QString& path);
// "--start-record N": makes physical record N current (a usage error when
// there is none) and answers whether "Start from current record" is
// ticked, which it is unless only the current record prints. False, the
// table untouched, without the option.
bool startRecordOption(const VerbOptions& options, data::TTable& table, data::TApollo& engine,
                       data::RecordChoice records);

}  // namespace pc::cli
