#pragma once
// The texts the built-in reports and the record sheet print from an
// address record: name forms, the city line, codes and memo lines.
#include <QFont>
#include <QString>
#include <QStringList>

namespace pc::data {
class TTable;
}

namespace pc::reports {

// A field's text without trailing blanks; "" for a field the table lacks.
QString fieldText(const pc::data::TTable& table, const char* name);
// The record's date as shown (the calculated display date when present).
QString displayDate(const pc::data::TTable& table);

// LNAME + ", " + FNAME + " " + MIDDLE (+ "."), each without leading blanks.
QString lastFirstName(const pc::data::TTable& table);
// CITY + ", ", STATE + two blanks, ZIP + one blank, each when present.
QString cityStateZip(const pc::data::TTable& table);
// The name line of report 4 (empty without a last name).
QString fullNameLine(const pc::data::TTable& table);
// TITLE + ", " (when there is an organisation too) + ORG.
QString titleAndOrganization(const pc::data::TTable& table);
// CITY, then ", " + STATE and ", " + ZIP as present.
QString cityLine(const pc::data::TTable& table);
// "Ph: " + PHONE + two blanks, "Fax: " + FAX + two blanks, as present.
QString phoneFaxLine(const pc::data::TTable& table);

// Memo text broken as a multi-line box `widthPixels` wide in `font` shows
// it; a single blank line counts as none.
QStringList memoLines(const QString& memo, const QFont& font, int widthPixels);

}  // namespace pc::reports
