#pragma once
// Importing another xBase table: its fields paired with the address fields
// (proposed by name, memo into MEMO), one record appended per source record.
#include <QString>
#include <vector>

#include "import/import_run.h"

namespace pc::data {
class TTable;
class TField;
}  // namespace pc::data

namespace pc::import {

// A source field that fills no destination field.
inline constexpr int kNotPaired = 1000;

// Opens a table of any program for reading (shared, physical order, field
// objects from the file); when that fails, once more as a table with
// single-order .NTX indexes. False (closed) when neither works.
bool openImportSource(const QString& path, pc::data::TTable& source);

// Source kinds that may be paired: character, logical, numeric, date, memo.
bool pairableKind(const pc::data::TField& field);

// The rows of the match grid: visible stored destination fields except ISDEL.
std::vector<pc::data::TField*> dbfMatchRows(const pc::data::TTable& destination);

// Whether a source field may fill the destination field: memo only into
// memo, date only into date, anything else into any other field.
bool kindSuits(const pc::data::TField& source, const pc::data::TField& destination);

// Per source field, the index of the destination field it fills or
// kNotPaired: a memo field fills MEMO unless an earlier one does; any other
// pairable field fills the first destination field whose label or name
// equals its name (upper case) and that no earlier source field holds.
std::vector<int> autoPairDbf(const pc::data::TTable& source, const pc::data::TTable& destination);

// Appends a record per source record with the pairing (memo text copied
// into MEMO; other values, when not empty, as text cut to the field's
// width), then reports and rebuilds as every import does.
ImportResult runDbfImport(pc::data::TTable& source, const std::vector<int>& pairing,
                          pc::data::TTable& destination, const ImportCalls& calls = {});

}  // namespace pc::import
