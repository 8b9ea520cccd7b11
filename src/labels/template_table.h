#pragma once
// The delivered stock table LBLTPL.DBF in the home's sysdata/.
#include <QString>

namespace pc::data {
class TTable;
}

namespace pc::labels {

// Copies the delivered table from `installedFolder` (the installed
// sysdata/ when empty) into `homeFolder` (the home's sysdata/ when empty)
// when the home has none, for homes seeded before the table was delivered.
// True when the home has the table afterwards.
bool provideTemplateTable(const QString& homeFolder = {}, const QString& installedFolder = {});

// Opens LBLTPL.DBF (its index is made on first open), unfiltered,
// in description order, on its first row. On failure
// the user is told "Unable to Open LBLTPL.DBF" and false comes back.
bool openTemplateTable(pc::data::TTable& table);

}  // namespace pc::labels
