#include "letters/letter_fields.h"

#include "data/t_field.h"
#include "data/t_table.h"
#include "text/stored_date.h"
#include "text/text_utils.h"

namespace pc::letters {

const QStringList& mergeFieldNames() {
    static const QStringList names = {QStringLiteral("Full Name"),
                                      QStringLiteral("Name and Address"),
                                      QStringLiteral("First"),
                                      QStringLiteral("Last"),
                                      QStringLiteral("Middle"),
                                      QStringLiteral("Prefix"),
                                      QStringLiteral("Title"),
                                      QStringLiteral("Organization"),
                                      QStringLiteral("Street"),
                                      QStringLiteral("Street 2"),
                                      QStringLiteral("City+State+Zip"),
                                      QStringLiteral("City"),
                                      QStringLiteral("State"),
                                      QStringLiteral("Province"),
                                      QStringLiteral("Zip"),
                                      QStringLiteral("Postal Code"),
                                      QStringLiteral("Country"),
                                      QStringLiteral("Phone"),
                                      QStringLiteral("Phone 2"),
                                      QStringLiteral("Fax"),
                                      QStringLiteral("E-Mail"),
                                      QStringLiteral("Today's Date"),
                                      QStringLiteral("Long Date"),
                                      QStringLiteral("Comment 1"),
                                      QStringLiteral("Comment 2")};
    return names;
}

AddressFields tableFields(const data::TTable& table) {
    return [&table](const QString& name) {
        const data::TField* field = table.findField(name);
        return field ? field->text() : QString();
    };
}

namespace {

QString part(const QString& text) {
    return text::leftTrim(text + QLatin1Char(' '));
}

}  // namespace

QString fullName(const AddressFields& f) {
    QString middle = f(QStringLiteral("MIDDLE"));
    if (!middle.isEmpty()) middle += QLatin1Char('.');
    return part(f(QStringLiteral("PREFIX"))) + part(f(QStringLiteral("FNAME"))) + part(middle) +
           part(f(QStringLiteral("LNAME")));
}

QString nameAndAddress(const AddressFields& f) {
    const QString title = f(QStringLiteral("TITLE")), org = f(QStringLiteral("ORG"));
    const QString city = f(QStringLiteral("CITY")), state = f(QStringLiteral("STATE")),
                  zip = f(QStringLiteral("ZIP"));
    QString cityLine;
    if (!city.isEmpty() || !state.isEmpty() || !zip.isEmpty()) {
        const QString s = state.isEmpty() ? QString() : state + QLatin1Char(' ');
        cityLine = text::trim(city + QLatin1Char(' ') + s + QLatin1Char(' ') + zip);
    }
    const QString lines[] = {
        fullName(f),
        !title.isEmpty() && !org.isEmpty() ? title + QStringLiteral(",  ") + org : title + org,
        f(QStringLiteral("STREET")),
        f(QStringLiteral("STREET2")),
        cityLine,
        f(QStringLiteral("COUNTRY"))};
    QString block;
    for (const QString& line : lines)
        if (!line.isEmpty()) block += line + QStringLiteral("\r\n");
    return block;
}

std::vector<MergeValue> mergeValues(const AddressFields& f, const QDate& today) {
    const auto field = [&f](const char* name) { return f(QString::fromLatin1(name)); };
    const QString cityStateZip = text::trim(field("CITY") + QLatin1Char(' ') + field("STATE") +
                                            QLatin1Char(' ') + field("ZIP"));
    return {
        {QStringLiteral("Full Name"), fullName(f)},
        {QStringLiteral("First"), field("FNAME")},
        {QStringLiteral("Last"), field("LNAME")},
        {QStringLiteral("Middle"), field("MIDDLE")},
        {QStringLiteral("Prefix"), field("PREFIX")},
        {QStringLiteral("Title"), field("TITLE")},
        {QStringLiteral("Organization"), field("ORG")},
        {QStringLiteral("Street"), field("STREET")},
        {QStringLiteral("Street 2"), field("STREET2")},
        {QStringLiteral("City+State+Zip"), cityStateZip},
        {QStringLiteral("City"), field("CITY")},
        {QStringLiteral("State"), field("STATE")},
        {QStringLiteral("Province"), field("STATE")},
        {QStringLiteral("Zip"), field("ZIP")},
        {QStringLiteral("Postal Code"), field("ZIP")},
        {QStringLiteral("Country"), field("COUNTRY")},
        {QStringLiteral("Phone"), field("PHONE")},
        {QStringLiteral("Phone 2"), field("PHONE2")},
        {QStringLiteral("Fax"), field("FAX")},
        {QStringLiteral("E-Mail"), field("EMAIL")},
        {QStringLiteral("Today's Date"), text::formatDate(today, text::programShortDateFormat())},
        {QStringLiteral("Long Date"), text::formatDate(today, QStringLiteral("mmm d, yyyy"))},
        {QStringLiteral("Name and Address"), nameAndAddress(f)},
        {QStringLiteral("Comment 1"), field("USER1")},
        {QStringLiteral("Comment 2"), field("USER2")}};
}

}  // namespace pc::letters
