#pragma once
// The address table an import appends to: opening it on its own table
// object with the main window's labels, finding fields by label, dropping
// the index before appending and making every tag again afterwards.
#include <QString>
#include <functional>
#include <vector>

#include "text/progress.h"

namespace pc::data {
class TTable;
class TField;
}  // namespace pc::data

namespace pc::import {

// Opens the table file exclusively, in physical order, with field objects
// made from the file; each takes the display label and visibility of the
// field of the same name in `look` (the main window's table) or, without
// one, the address table's usual ones. False (table closed) on failure.
bool openDestination(const QString& path, pc::data::TTable& destination,
                     const pc::data::TTable* look = nullptr);

// The first field whose display label equals `label`, compared in upper
// case; null when there is none.
pc::data::TField* FieldByDisplayLabel(const pc::data::TTable& table, const QString& label);
// The field of that name, or else of that display label; null when none.
pc::data::TField* fieldByNameOrLabel(const pc::data::TTable& table, const QString& nameOrLabel);

// The fields a text column may fill: stored, visible, of text type, in table order.
std::vector<pc::data::TField*> textDestinationFields(const pc::data::TTable& table);

// Closes the table's index file and deletes it, so appending maintains no
// index. False when the file cannot be deleted.
bool dropIndexFile(pc::data::TTable& table);

// "Rebuilding Indexes " in the status, then every address tag made again
// with the create-tags routine (which reports its own failure).
bool rebuildAfterImport(pc::data::TTable& table, const std::function<void(const QString&)>& status,
                        const pc::text::Progress& gauge);

}  // namespace pc::import
