#include "data/address_schema.h"

#include "data/t_table.h"
#include "text/record_text.h"
#include "text/stored_date.h"

namespace pc::data {

const std::vector<AddressFieldDef>& addressStoredFields() {
    static const std::vector<AddressFieldDef> fields = {
        {"LNAME", 'C', 30, "FieldLNAME"},   {"FNAME", 'C', 30, "FieldFNAME"},
        {"MIDDLE", 'C', 1, nullptr},        {"PREFIX", 'C', 12, "FieldPREFIX"},
        {"TITLE", 'C', 30, "FieldTITLE"},   {"ORG", 'C', 30, "FieldORG"},
        {"STREET", 'C', 40, "FieldSTREET"}, {"STREET2", 'C', 40, "FieldSTREET2"},
        {"CITY", 'C', 30, "FieldCITY"},     {"STATE", 'C', 20, "FieldSTATE"},
        {"ZIP", 'C', 10, "FieldZIP"},       {"COUNTRY", 'C', 30, "FieldCOUNTRY"},
        {"DATE", 'C', 15, nullptr},         {"PHONE", 'C', 30, "FieldPHONE"},
        {"PHONE2", 'C', 30, "FieldPHONE2"}, {"FAX", 'C', 40, "FieldFAX"},
        {"EMAIL", 'C', 40, "FieldEMAIL"},   {"CODES", 'C', 30, "FieldCODES"},
        {"USER1", 'C', 40, "FieldUSER1"},   {"USER2", 'C', 40, "FieldUSER2"},
        {"ISDEL", 'L', 1, nullptr},         {"TAG", 'C', 8, nullptr},
        {"MEMO", 'M', 10, nullptr},
    };
    return fields;
}

const std::vector<AddressTagDef>& addressTags() {
    static const std::vector<AddressTagDef> tags = {
        {"NAME", "UPPER(LNAME-FNAME)"},
        {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
        {"FNAME", "UPPER(FNAME)"},
        {"TITLE", "UPPER(TITLE)"},
        {"ORG", "UPPER(ORG)"},
        {"STREET", "UPPER(STREET)"},
        {"STREET2", "UPPER(STREET2)"},
        {"CITY", "UPPER(CITY+STATE)"},
        {"STATE", "UPPER(STATE)"},
        {"ZIP", "UPPER(ZIP)"},
        {"COUNTRY", "UPPER(COUNTRY)"},
        {"PHONE", "UPPER(PHONE)"},
        {"PHONE2", "UPPER(PHONE2)"},
        {"EMAIL", "UPPER(EMAIL)"},
        {"FAX", "UPPER(FAX)"},
        {"USER1", "UPPER(USER1)"},
        {"USER2", "UPPER(USER2)"},
        {"DATE", "UPPER(DATE)"},
        {"TAG", "UPPER(TAG)"},
        {"CODES", "UPPER(CODES)"},
        {"PREFIX", "UPPER(PREFIX)"},
        {"MIDDLE", "UPPER(MIDDLE)"},
        {"DELETED", "DELETED()"},
        {"STATEZIP", "UPPER(STATE-ZIP)"},
        {"ISDEL", "ISDEL"},
        {"NOTISDEL", "!ISDEL"},
    };
    return tags;
}

QStringList addressTagNames() {
    QStringList names;
    for (const AddressTagDef& t : addressTags()) names << QString::fromLatin1(t.name);
    return names;
}

namespace {

struct FieldObjectDef {
    const char* name;
    const char* label;  // null: the name
    TFieldType type;
    bool calculated;
    bool visible;
    int width;  // calculated fields only; stored ones take the file's
};

// The order the table view and the field lists show.
const FieldObjectDef kFieldObjects[] = {
    {"Tagged", nullptr, TFieldType::Logical, true, true, 1},
    {"FullName", "Full Name", TFieldType::String, true, false, kNameFieldWidth},
    {"FullNameWithPrefix", "Full Name & Prefix", TFieldType::String, true, false, kNameFieldWidth},
    {"CityStateZip", "City, State & Zip", TFieldType::String, true, false, kNameFieldWidth},
    {"LNAME", "Last Name", TFieldType::String, false, true, 0},
    {"FNAME", "First Name", TFieldType::String, false, true, 0},
    {"MIDDLE", "Middle", TFieldType::String, false, true, 0},
    {"PREFIX", "Prefix", TFieldType::String, false, true, 0},
    {"TITLE", "Title", TFieldType::String, false, true, 0},
    {"ORG", "Organization", TFieldType::String, false, true, 0},
    {"STREET", "Address 1", TFieldType::String, false, true, 0},
    {"STREET2", "Address 2", TFieldType::String, false, true, 0},
    {"CITY", "City", TFieldType::String, false, true, 0},
    {"STATE", "State", TFieldType::String, false, true, 0},
    {"ZIP", "Zip/Postal Code", TFieldType::String, false, true, 0},
    {"COUNTRY", "Country", TFieldType::String, false, true, 0},
    {"PHONE", "Phone 1", TFieldType::String, false, true, 0},
    {"PHONE2", "Phone 2", TFieldType::String, false, true, 0},
    {"FAX", "Fax", TFieldType::String, false, true, 0},
    {"EMAIL", "Email", TFieldType::String, false, true, 0},
    {"CODES", "Codes", TFieldType::String, false, true, 0},
    {"USER1", "Comment 1", TFieldType::String, false, true, 0},
    {"USER2", "Comment 2", TFieldType::String, false, true, 0},
    {"MEMO", nullptr, TFieldType::Memo, false, false, 0},
    {"ISDEL", "Deleted", TFieldType::Logical, false, false, 0},
    {"DATE", "Actual Date", TFieldType::String, false, false, 0},
    {"DisplayDate", "Date", TFieldType::String, true, true, kDisplayDateWidth},
    {"TAG", nullptr, TFieldType::String, false, false, 0},
};

QString value(const TTable& table, const char* name) {
    const TField* f = table.findField(QString::fromLatin1(name));
    return f ? f->text() : QString();
}

void assign(TTable& table, const char* name, const QString& text) {
    if (TField* f = table.findField(QString::fromLatin1(name))) f->setText(text);
}

void calculateAddressFields(TTable& table, const QString& globalTagId) {
    // An empty identifier tags nothing, not every record with an empty TAG.
    const bool tagged = !globalTagId.isEmpty() && value(table, "TAG") == globalTagId;
    assign(table, "Tagged", tagged ? QStringLiteral("T") : QStringLiteral("F"));
    assign(table, "DisplayDate", pc::text::storedToDisplay(value(table, "DATE")));

    const TField* fullName = table.findField(QStringLiteral("FullName"));
    if (!fullName || !fullName->visible()) return;
    const QString fname = value(table, "FNAME");
    const QString middle = value(table, "MIDDLE");
    const QString lname = value(table, "LNAME");
    assign(table, "FullName", pc::text::fullName(fname, middle, lname).left(kNameFieldWidth));
    assign(table, "FullNameWithPrefix",
           pc::text::fullNameWithPrefix(value(table, "PREFIX"), fname, middle, lname)
               .left(kNameFieldWidth));
    assign(table, "CityStateZip",
           pc::text::cityStateZip(value(table, "CITY"), value(table, "STATE"), value(table, "ZIP"))
               .left(kNameFieldWidth));
}

}  // namespace

void defineAddressFields(TTable& table, std::function<QString()> globalTagId) {
    table.clearFields();
    for (const FieldObjectDef& d : kFieldObjects) {
        TField& f = table.addField(QString::fromLatin1(d.name), d.type, d.calculated);
        if (d.label) f.setDisplayLabel(QString::fromLatin1(d.label));
        f.setVisible(d.visible);
        if (d.calculated) f.setWidth(d.width);
    }
    table.fieldByName(QStringLiteral("Tagged"))
        .setDisplayValues(QStringLiteral("Yes"), QStringLiteral("No"));
    table.setCalcFieldsHook([tagId = std::move(globalTagId)](TTable& t) {
        calculateAddressFields(t, tagId ? tagId() : QString());
    });
}

void setNameFieldsVisible(TTable& table, bool visible) {
    for (const char* name : {"FullName", "FullNameWithPrefix", "CityStateZip"})
        if (TField* f = table.findField(QString::fromLatin1(name))) f->setVisible(visible);
    table.refreshCalculatedFields();
}

}  // namespace pc::data
