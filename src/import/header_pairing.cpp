#include "import/header_pairing.h"

#include <map>
#include <set>
#include <vector>

#include "data/t_field.h"
#include "data/t_table.h"
#include "import/ascii_columns.h"
#include "import/ascii_line_splitter.h"
#include "import/import_destination.h"

namespace pc::import {

namespace {

// Lower-case letters and digits only: "E-mail Address" -> "emailaddress".
QString normalized(const QString& header) {
    QString key;
    for (const QChar c : header)
        if (c.isLetterOrNumber()) key += c.toLower();
    return key;
}

struct KnownHeaders {
    const char* fields;  // candidate field names, first free one wins
    std::vector<const char*> keys;
};

const std::vector<KnownHeaders>& knownHeaders() {
    static const std::vector<KnownHeaders> known = {
        {"LNAME", {"lastname", "familyname", "surname", "last", "lname"}},
        {"FNAME", {"firstname", "givenname", "first", "fname", "forename"}},
        {"MIDDLE", {"middlename", "additionalname", "middle", "middleinitial"}},
        {"PREFIX", {"nameprefix", "prefix", "salutation"}},
        {"TITLE", {"jobtitle", "organization1title", "organizationtitle", "title"}},
        {"ORG",
         {"company", "organization", "organization1name", "organizationname", "org",
          "companyname"}},
        {"STREET",
         {"businessstreet", "homestreet", "address1street", "street", "address", "homeaddress",
          "workaddress", "streetaddress", "address1", "otherstreet", "mailingstreet"}},
        {"STREET2",
         {"businessstreet2", "homestreet2", "address1extendedaddress", "address2", "homeaddress2",
          "workaddress2", "street2"}},
        {"CITY", {"businesscity", "homecity", "address1city", "city", "workcity", "town"}},
        {"STATE",
         {"businessstate", "homestate", "address1region", "state", "province", "region",
          "workstate", "stateprovince"}},
        {"ZIP",
         {"businesspostalcode", "homepostalcode", "address1postalcode", "zip", "zipcode",
          "postalcode", "postcode", "homezipcode", "workzipcode", "homezip", "workzip",
          "zippostalcode"}},
        {"COUNTRY",
         {"businesscountryregion", "homecountryregion", "address1country", "country", "homecountry",
          "workcountry", "countryregion"}},
        {"PHONE PHONE2",
         {"businessphone", "homephone", "mobilephone", "phone1value", "phone2value", "primaryphone",
          "phone", "telephone", "workphone", "mobilenumber", "mobile", "cellphone", "phone1",
          "phone2", "businessphone2", "homephone2", "companymainphone"}},
        {"FAX", {"businessfax", "homefax", "fax", "faxnumber"}},
        {"EMAIL",
         {"emailaddress", "email1value", "email", "primaryemail", "emailaddress1", "mail"}},
        {"CODES", {"categories", "category", "groupmembership", "groups"}},
    };
    return known;
}

QStringList candidatesFor(const QString& key, bool titleIsPrefix) {
    // Where a "Job Title" column exists, a plain "Title" is the name prefix
    // (Mr., Dr.), as in the common desktop mail program's export.
    if (key == u"title" && titleIsPrefix) return {QStringLiteral("PREFIX")};
    for (const KnownHeaders& k : knownHeaders())
        for (const char* name : k.keys)
            if (key == QLatin1String(name))
                return QString::fromLatin1(k.fields).split(u' ', Qt::SkipEmptyParts);
    return {};
}

}  // namespace

QStringList pairHeaders(const QStringList& headers, const pc::data::TTable& destination) {
    const std::vector<pc::data::TField*> targets = textDestinationFields(destination);
    auto target = [&targets](const QString& nameOrLabel) -> pc::data::TField* {
        const QString wanted = nameOrLabel.toUpper();
        for (pc::data::TField* f : targets)
            if (f->name().toUpper() == wanted || f->displayLabel().toUpper() == wanted) return f;
        return nullptr;
    };
    bool titleIsPrefix = false;
    for (const QString& h : headers) titleIsPrefix = titleIsPrefix || normalized(h) == u"jobtitle";

    std::set<const pc::data::TField*> held;
    QStringList paired;
    for (const QString& header : headers) {
        QString label;
        QStringList candidates = candidatesFor(normalized(header), titleIsPrefix);
        // A header that is a field's own name or label pairs with that field.
        if (candidates.isEmpty()) candidates << header.trimmed();
        for (const QString& name : candidates) {
            pc::data::TField* f = target(name);
            if (!f || held.count(f)) continue;
            held.insert(f);
            label = f->displayLabel();
            break;
        }
        paired << label;
    }
    return paired;
}

int pairByHeaderRow(AsciiColumnTable& columns, const pc::data::TTable& destination) {
    if (columns.sampleLines.empty()) return 0;
    QStringList headers;
    for (const QString& raw : columns.sampleLines.front()) headers << cleanValue(raw).trimmed();
    while (headers.size() < static_cast<int>(columns.columns.size())) headers << QString();
    const QStringList paired = pairHeaders(headers, destination);
    int count = 0;
    for (size_t i = 0; i < columns.columns.size(); ++i) {
        AsciiColumn& c = columns.columns[i];
        if (!headers[i].isEmpty()) c.displayName = headers[i].left(kColumnNameLength);
        c.matchedField = paired[i];
        count += paired[i].isEmpty() ? 0 : 1;
    }
    columns.headerRow = true;
    return count;
}

bool looksLikeHeaderRow(const AsciiColumnTable& columns, const pc::data::TTable& destination) {
    if (columns.sampleLines.empty()) return false;
    QStringList headers;
    for (const QString& raw : columns.sampleLines.front()) headers << cleanValue(raw).trimmed();
    int paired = 0;
    for (const QString& p : pairHeaders(headers, destination)) paired += p.isEmpty() ? 0 : 1;
    return paired >= 2;
}

}  // namespace pc::import
