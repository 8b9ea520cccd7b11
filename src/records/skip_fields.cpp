#include "records/skip_fields.h"

#include <vector>

#include "records/preferences.h"

namespace pc::records {

const std::vector<SkipField>& skipFieldTable() {
    static const std::vector<SkipField> table = {
        {"SkipLastName", "LNAME"},   {"SkipfirstName", "FNAME"}, {"SkipMiddleInitial", "MIDDLE"},
        {"SkipPrefix", "PREFIX"},    {"Skiptitle", "TITLE"},     {"SkipOrganization", "ORG"},
        {"SkipAddress2", "STREET2"}, {"SkipState", "STATE"},     {"SkipZip", "ZIP"},
        {"SkipCountry", "COUNTRY"},  {"SkipPhone1", "PHONE"},    {"SkipPhone2", "PHONE2"},
        {"SkipFax", "FAX"},          {"SkipEmail", "EMAIL"},     {"SkipCodes", "CODES"},
        {"SkipComments1", "USER1"},  {"Skipcomments2", "USER2"}, {"SkipDate", "DATE"},
    };
    return table;
}

QStringList skippedFields(const Preferences& prefs) {
    QStringList fields;
    for (const SkipField& entry : skipFieldTable())
        if (prefs.switchOn(entry.key)) fields << entry.field;
    return fields;
}

QString addFocusField(const Preferences& prefs, bool lastNameEmpty, bool firstNameEmpty) {
    const QStringList skipped = skippedFields(prefs);
    if (lastNameEmpty && !skipped.contains("LNAME")) return "LNAME";
    if (firstNameEmpty && !skipped.contains("FNAME")) return "FNAME";
    for (const char* field : {"MIDDLE", "PREFIX", "TITLE", "ORG"})
        if (!skipped.contains(field)) return field;
    return "STREET";
}

}  // namespace pc::records
