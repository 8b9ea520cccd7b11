#pragma once
// Deleting records in bulk: every record at once (zap), the records of the
// filter, or the records outside it. A deleted record has ISDEL true and the
// deletion mark.
#include <QString>

#include "text/progress.h"

namespace pc::data {
class TTable;
}

namespace pc::maintenance {

enum class DeleteScope { All, Matching, NotMatching };

// `filter` is the filter string (without the deleted clause); empty means
// no filter, and then every scope deletes all records. All zaps the table
// and returns the number of records it held. The others mark the records
// that are not deleted yet and return how many they marked. Throws DataError
// when the engine refuses.
int deleteRecords(data::TTable& table, DeleteScope scope, const QString& filter,
                  const text::Progress& progress = {});

// What the window says when the deletion is done.
QString deletedMessage(int count);

}  // namespace pc::maintenance
