#pragma once
// The rows of the layout tables (labels, envelopes, letters, reports): each
// row may have a layout file beside it in the layout folder, and New,
// Modify, Clone and Delete keep the two together. Table failures are told
// through the message service; the table is left as it was.
#include <QString>
#include <functional>

namespace pc::data {

class TTable;

// Where layout files live: sysdata/ of the home when `folder` is empty,
// otherwise the folder with a trailing slash.
QString layoutFolder(const QString& folder);

// Asks `verb "description"?` under the title ("CLONE", "DELETE").
bool confirmRowAction(const QString& verb, const QString& description, const QString& title);

// Appends a row (or edits the current one): `write` fills it, then
// `saveFile` (when given) writes its layout file before the post. When the
// file cannot be written the row is dropped again, so the list never shows
// a layout that was not kept.
bool storeRow(TTable& table, bool append, const std::function<void()>& write,
              const std::function<bool()>& saveFile = {});

// Deletes the current row, then the file at `filePath` when it names one.
bool deleteRowAndFile(TTable& table, const QString& filePath = {});

}  // namespace pc::data
