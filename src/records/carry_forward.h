#pragma once
// What a new record starts with: the names and zip typed into the "New
// Record" prompt, the city and state found for the zip, fields carried
// forward from the record that was current when Add was chosen, the default
// country and today's date.
#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace pc::records {

struct Preferences;

// Values of the record current when Add was chosen.
struct CarriedFields {
    QString org, city, state, zip, street, street2;
    QString country;  // empty unless "CarryCountry" is on
};

// Reads them through `value` (field name to text); `value` gives "" when
// there is no current record.
CarriedFields rememberCarriedFields(const std::function<QString(const QString&)>& value,
                                    const Preferences& prefs);

struct NewRecordStart {
    QString last, first, zip;          // typed into the prompt ("" when not asked)
    std::optional<QString> foundCity;  // the zip lookup's result, when it found one
    std::optional<QString> foundState;
};

// Field assignments for the new record, in the order they are made.
using FieldAssignments = std::vector<std::pair<QString, QString>>;
FieldAssignments newRecordAssignments(const NewRecordStart& start, const CarriedFields& carried,
                                      const Preferences& prefs, const QDate& today);

}  // namespace pc::records
