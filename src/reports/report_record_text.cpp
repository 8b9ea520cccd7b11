#include "reports/report_record_text.h"

#include "data/t_field.h"
#include "data/t_table.h"
#include "design/text_wrap.h"
#include "text/stored_date.h"

namespace pc::reports {
namespace {

QString leftTrimmed(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

QString middleInitial(const pc::data::TTable& table) {
    const QString middle = leftTrimmed(fieldText(table, "MIDDLE"));
    return middle.isEmpty() ? middle : middle + QLatin1Char('.');
}

}  // namespace

QString fieldText(const pc::data::TTable& table, const char* name) {
    const pc::data::TField* field = table.findField(QLatin1String(name));
    if (!field) return {};
    QString text = field->text();
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

QString displayDate(const pc::data::TTable& table) {
    if (table.findField(QStringLiteral("DisplayDate"))) return fieldText(table, "DisplayDate");
    const QString stored = fieldText(table, "DATE").trimmed();
    const QString shown = text::storedToDisplay(stored);
    return shown.isEmpty() ? stored : shown;
}

QString lastFirstName(const pc::data::TTable& table) {
    return leftTrimmed(fieldText(table, "LNAME")) + QStringLiteral(", ") +
           leftTrimmed(fieldText(table, "FNAME")) + QLatin1Char(' ') + middleInitial(table);
}

QString cityStateZip(const pc::data::TTable& table) {
    QString out;
    const QString city = fieldText(table, "CITY").trimmed();
    const QString state = fieldText(table, "STATE").trimmed();
    const QString zip = fieldText(table, "ZIP").trimmed();
    if (!city.isEmpty()) out += city + QStringLiteral(", ");
    if (!state.isEmpty()) out += state + QStringLiteral("  ");
    if (!zip.isEmpty()) out += zip + QLatin1Char(' ');
    return out;
}

QString fullNameLine(const pc::data::TTable& table) {
    const QString last = leftTrimmed(fieldText(table, "LNAME"));
    if (last.trimmed().isEmpty()) return {};
    const QString first = leftTrimmed(fieldText(table, "FNAME"));
    const QString prefix = leftTrimmed(fieldText(table, "PREFIX"));
    QString out = last;
    if (!(last + first).trimmed().isEmpty()) out += QStringLiteral(", ");
    if (!(prefix + first).trimmed().isEmpty()) out += prefix + QLatin1Char(' ');
    out += first + QLatin1Char(' ') + middleInitial(table);
    return out;
}

QString titleAndOrganization(const pc::data::TTable& table) {
    const QString title = fieldText(table, "TITLE").trimmed();
    const QString org = fieldText(table, "ORG").trimmed();
    return (!title.isEmpty() && !org.isEmpty()) ? title + QStringLiteral(", ") + org : title + org;
}

QString cityLine(const pc::data::TTable& table) {
    QString out = fieldText(table, "CITY").trimmed();
    const QString state = fieldText(table, "STATE").trimmed();
    const QString zip = fieldText(table, "ZIP").trimmed();
    if (!state.isEmpty()) out += QStringLiteral(", ") + state;
    if (!zip.isEmpty()) out += QStringLiteral(", ") + zip;
    return out;
}

QString phoneFaxLine(const pc::data::TTable& table) {
    QString out;
    const QString phone = fieldText(table, "PHONE").trimmed();
    const QString fax = fieldText(table, "FAX").trimmed();
    if (!phone.isEmpty()) out += QStringLiteral("Ph: ") + phone + QStringLiteral("  ");
    if (!fax.isEmpty()) out += QStringLiteral("Fax: ") + fax + QStringLiteral("  ");
    return out;
}

QStringList memoLines(const QString& memo, const QFont& font, int widthPixels) {
    QStringList lines =
        pc::design::wrapLines(pc::design::splitParagraphs(memo), font, std::max(1, widthPixels));
    if (lines.size() == 1 && lines.front().trimmed().isEmpty()) lines.clear();
    return lines;
}

}  // namespace pc::reports
