#pragma once
// The system-data tables in the home's sysdata/ folder, opened on demand
// into a table object. Each subsystem registers the tables it owns (at
// start-up, before any is opened); the program creates the ones registered
// with fields when they are missing.
#include <QString>
#include <vector>

namespace pc::data {

class TTable;

struct SystemTableField {
    const char* name;
    const char* type;
    int width;
    int decimals;
};

struct SystemTableSpec {
    QString fileName{};                      // "LABEL.DBF"
    std::vector<SystemTableField> fields{};  // empty: the program does not make it
    QString tag{};                           // the one tag of its compound index
    QString tagExpression{};                 // used when the index is missing at open
    QString failureMessage{};                // empty: "Unable to Open or Create " + the file name
    // The system rebuild: its status line, the expression it builds with
    // (the tag expression when empty) and its place in the run (ascending).
    QString rebuildStatus{};
    QString rebuildExpression{};
    int rebuildPosition = 0;
};

// Adds a table, or replaces the one with the same file name.
void registerSystemTable(SystemTableSpec spec);
// The registered table of that file name (any letter case); null when none.
const SystemTableSpec* findSystemTable(const QString& fileName);
// Every registered table in rebuild order.
std::vector<SystemTableSpec> registeredSystemTables();

// Whether the program makes the table when it is missing.
bool systemTableCreatable(const QString& fileName);
// The shown text when the table cannot be opened (or created).
QString systemTableFailureMessage(const QString& fileName);

// Closes the table object, points it at the table in sysdata/ (found in any
// letter case) and opens it. A missing creatable table is created with its
// fields and opened exclusively. A table without its compound index gets
// its one tag (failures there are ignored). On failure the user is told and
// false comes back. A file that exists but does not open is never replaced.
bool openSystemTable(const QString& fileName, TTable& table);
// The same, then the rows as the layout lists show them: those not deleted,
// in the order of the table's tag (its descriptions), on the first.
bool openListedSystemTable(const QString& fileName, TTable& table);

// Creates the empty table at the path with its fields; false when the
// table is not one the program creates or the engine refuses.
bool createSystemTable(const QString& fileName, const QString& path);

}  // namespace pc::data
