#pragma once
// City and state for a typed zip, taken from a record of the open address
// database that has the same zip.
#include <QString>

namespace pc::data {
class TApollo;
class TTable;
}  // namespace pc::data

namespace pc::records {

// Seeks the zip (upper-cased, as the "ZIP" order keeps it, not exact) and
// gives the found record's CITY and STATE; false, with both left empty, when
// no record has it. Order, exact setting and record are put back.
bool FillCityState(pc::data::TTable& table, pc::data::TApollo& apollo, const QString& zip,
                   QString& city, QString& state);

}  // namespace pc::records
