#pragma once
// The system-data tables in the home's sysdata/ folder, opened on demand
// into a table object; the first four are created when they are missing.
#include <QString>

namespace pc::data {

class TTable;

enum class SystemTable { Letter, Report, Envelope, Label, LabelTemplate, Csz };

// "LETTER.DBF", "REPORT.DBF", "ENVELOPE.DBF", "LABEL.DBF", "LBLTPL.DBF", "CSZ.DBF".
QString systemTableFileName(SystemTable which);
// Whether the program makes the table when it is missing.
bool systemTableCreatable(SystemTable which);
// The shown text when the table cannot be opened (or created).
QString systemTableFailureMessage(SystemTable which);

// Closes the table object, points it at the table in sysdata/ (found in any
// letter case) and opens it. A missing creatable table is created with its
// fields and opened exclusively. A table without its compound index gets
// its one tag (failures there are ignored). On failure the user is told and
// false comes back. A file that exists but does not open is never replaced.
bool openSystemTable(SystemTable which, TTable& table);

// Creates the empty table at the path with its fields; false when the
// table is not one the program creates or the engine refuses.
bool createSystemTable(SystemTable which, const QString& path);

}  // namespace pc::data
