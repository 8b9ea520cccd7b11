#include "records/carry_forward.h"

#include "records/preferences.h"
#include "text/stored_date.h"
#include "text/text_utils.h"

namespace pc::records {

CarriedFields rememberCarriedFields(const std::function<QString(const QString&)>& value,
                                    const Preferences& prefs) {
    auto read = [&](const char* name) { return pc::text::rightTrim(value(name)); };
    CarriedFields carried;
    carried.org = read("ORG");
    carried.city = read("CITY");
    carried.state = read("STATE");
    carried.zip = read("ZIP");
    carried.street = read("STREET");
    carried.street2 = read("STREET2");
    if (prefs.switchOn("CarryCountry")) carried.country = read("COUNTRY");
    return carried;
}

FieldAssignments newRecordAssignments(const NewRecordStart& start, const CarriedFields& carried,
                                      const Preferences& prefs, const QDate& today) {
    FieldAssignments out;
    auto set = [&](const char* field, const QString& text) { out.emplace_back(field, text); };
    if (!start.first.isEmpty()) set("FNAME", start.first);
    if (!start.last.isEmpty()) set("LNAME", start.last);
    if (!start.zip.isEmpty()) set("ZIP", start.zip);
    if (start.foundCity) set("CITY", *start.foundCity);
    if (start.foundState) set("STATE", *start.foundState);
    if (start.zip.isEmpty() && prefs.switchOn("CarryZip")) set("ZIP", carried.zip);
    if (!start.foundCity && prefs.switchOn("CarryCity")) set("CITY", carried.city);
    if (!start.foundState && prefs.switchOn("CarryState")) set("STATE", carried.state);
    if (prefs.switchOn("CarryCountry")) set("COUNTRY", carried.country);
    if (prefs.switchOn("CarrySA1")) set("STREET", carried.street);
    if (prefs.switchOn("CarrySA2")) set("STREET2", carried.street2);
    if (carried.country.isEmpty() && !prefs.defaultCountry.isEmpty())
        set("COUNTRY", prefs.defaultCountry);
    if (prefs.switchOn("PlugDate")) set("DATE", pc::text::dateToStored(today));
    if (prefs.switchOn("CarryOrg")) set("ORG", carried.org);
    return out;
}

}  // namespace pc::records
