#pragma once
// Address databases on disk: opening one into a table object, checking its
// index, and creating a new one with its 26 tags.
#include <QString>
#include <QStringList>
#include <functional>

#include "data/data_error.h"
#include "text/progress.h"

namespace pc::data {

class TTable;
class NewFileFieldLengths;

// Opens the file into the table object: closes it, says "File <path> not
// found" for a missing file, points it at the file's folder and name with no
// order, and opens it. Each stored field object must exist in the file and
// takes its width from it. Any failure leaves the table closed.
// `failure` receives the kind of a failed open.
bool openTableFile(const QString& path, TTable& table, ErrorKind* failure = nullptr);

// Opens an address database into the table object; when `validIndex` is
// given it receives the result of CheckValidIndex. On failure tells the
// user that the file may not be a Postcraft file or may be in use.
bool OpenPKWFile(const QString& path, TTable& table, bool* validIndex = nullptr);
QString openFailedMessage(const QString& path, ErrorKind kind = ErrorKind::Other);

// Whether every one of the 26 address tags exists in the open table and the
// index passes the engine's check (`depth`); `missing` receives the names of the
// tags that do not exist, in creation order, `fault` what the check found.
enum class IndexCheckDepth {
    Sampled,     // structure, and the keys of records spread over the table
    EveryRecord  // structure, and the keys of every record
};
bool CheckValidIndex(TTable& table, QStringList* missing = nullptr, QString* fault = nullptr,
                     IndexCheckDepth depth = IndexCheckDepth::Sampled);

// The open table's folder with a trailing "/"; "" when closed.
QString GetDatabasePath(const TTable& table);

// Progress of the create-tags routine: 100 steps per tag, so `done` is the
// sum of the engine's percentages of the tags made so far (tag i at p
// percent reports i * 100 + p of 2,600).
// The rebuild gauge: the sum of the per-tag percentages divided by 21,
// rounded (it passes 100 as the last tags finish; the gauge caps it).
int rebuildGaugePercent(int percentSum);

// Makes the 26 tags on an open address table, after closing and deleting
// the index file it has. Says "Unable to create index files" on failure.
bool createAddressTags(TTable& table, const pc::text::Progress& progress = {});

// Creates a new address table at the path with the given widths, through
// the creation table object (which gets the address field objects when it
// has none), and leaves that object closed. Says "Create failed" when the
// engine refuses, "File creation failed" when the new table cannot be
// opened or indexed. An existing file is never overwritten.
bool createAddressTable(const QString& path, const NewFileFieldLengths& lengths,
                        TTable& creationTable, const pc::text::Progress& progress = {});

// Opening a database into the main window, without the window: open it,
// and when its index is not valid ask whether to rebuild (caption
// "Warning"); on Yes run `rebuild` and check again. The table is closed when
// the index stays invalid.
struct AddressOpenResult {
    bool fileOpened = false;  // the file itself opened (it enters the recent files)
    bool tableOpen = false;   // the table is open with a valid index
};
AddressOpenResult openAddressDatabase(const QString& path, TTable& table,
                                      const std::function<void()>& rebuild);
QString rebuildIndexQuestion(const QString& path);

}  // namespace pc::data
