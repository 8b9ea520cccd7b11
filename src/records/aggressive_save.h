#pragma once
// The reopen-after-save safeguard: the address table is closed and opened
// again every few saves, so what was saved reaches the disk even if the
// program is later killed.
#include <QString>

#include "records/preferences.h"

namespace pc::data {
class TTable;
}

namespace pc::records {

// Counts one save; true when this save reaches the level's threshold (every
// 5th save for Normal, every save for High), the counter then starting over.
// None never reopens and leaves the counter alone.
bool countSaveForReopen(int& counter, AggressiveSave level);

// Opens the address database at the path into the table, up to `attempts`
// times, without telling the user anything and without offering an index
// rebuild; true once an attempt opens it with a valid index.
bool reopenQuietly(const QString& path, pc::data::TTable& table, int attempts = 10);

QString reopenFailedMessage();

}  // namespace pc::records
