#pragma once
// Search and replace over one field of the address table: the confirmation
// text, the xBase match expression, the partial replacement and the run
// over the records.
#include <QString>
#include <vector>

#include "text/progress.h"

namespace pc::data {
class TTable;
}

namespace pc::maintenance {

struct ReplaceRequest {
    QString field;        // LNAME, ...
    QString displayName;  // Last Name, ...
    QString find;         // empty: the field is empty
    QString with;
    bool contains = false;  // else "exactly equal" (the field begins with find)
    bool caseSensitive = true;
    bool partial = false;  // replace only the matching text
};

struct ReplaceableField {
    const char* displayName;
    const char* field;
};
// Last Name LNAME ... Comment 2 USER2, as the window offers them.
const std::vector<ReplaceableField>& replaceableFields();

// An occurrence limit per field keeps a runaway replacement in bounds.
inline constexpr int kMaxReplacementsPerField = 50;

// "Find records where field ...", the question asked before replacing.
QString replaceConfirmation(const ReplaceRequest& request);

// The engine expression that selects the records to change. A double quote
// in the find value cannot stand inside a "..." literal, so such a value is
// written as literals joined by '"' pieces: the engine sees exactly the
// value typed.
QString matchExpression(const ReplaceRequest& request);

// `text` with the first kMaxReplacementsPerField occurrences of `find`
// replaced by `with` (later ones stay as they are).
QString replaceMatchingText(const QString& text, const QString& find, const QString& with,
                            bool caseSensitive);

// Replaces in every record that is not deletion-marked, passes `scopeFilter`
// (an engine expression; empty for all records) and matches the request, in
// natural order. Returns the number of records changed. The table's order,
// query and deleted filter are put back afterwards. Throws DataError when
// the engine refuses an expression or a record.
int replaceFieldValues(data::TTable& table, const ReplaceRequest& request,
                       const QString& scopeFilter, const text::Progress& progress = {});

}  // namespace pc::maintenance
