#pragma once
// Which boxes adding leaves out of the Tab order, and where the focus goes
// once a new record is inserted.
#include <QString>
#include <QStringList>
#include <vector>

namespace pc::records {

struct Preferences;

// The field behind each "Skip..." key of the "Adding" section; "DATE" stands
// for the Date button.
struct SkipField {
    const char* key;
    const char* field;
};
const std::vector<SkipField>& skipFieldTable();

// The fields whose skip switch is on, in the table's order.
QStringList skippedFields(const Preferences& prefs);

// The box that gets the focus after Add: Last when it is not skipped and
// empty, else First likewise, else the first box not skipped among MI,
// Prefix, Title and Org, falling back to Address 1.
QString addFocusField(const Preferences& prefs, bool lastNameEmpty, bool firstNameEmpty);

}  // namespace pc::records
