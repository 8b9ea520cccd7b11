#pragma once
// Tagging records: a record is tagged when its TAG field holds the global
// tag identifier, so clearing all tags needs only a new identifier.
#include <QString>

#include "text/progress.h"

namespace pc::data {
class TTable;
}

namespace pc::records {

// Sets TAG of the current record to the identifier, or empties it when it
// already holds it. Outside an edit the record is edited and posted; during
// an edit the change becomes part of it. Throws DataError.
void toggleTag(pc::data::TTable& table, const QString& globalTagId);

// Tags every record from the first on, in the current order and query.
// `progress` hears the running count of all after each record; its false
// stops after that record. Returns the number tagged. Throws DataError.
int tagAllMatches(pc::data::TTable& table, const QString& globalTagId,
                  const pc::text::Progress& progress);

}  // namespace pc::records
