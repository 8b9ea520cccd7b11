#pragma once
// Dates kept as "yyyymmdd" text in character fields, their display in the
// user's short date format with a four-digit year, and typed input.
//
// Formats here use the letters d, m and y: "d"/"dd" day, "ddd"/"dddd" day
// name, "m"/"mm" month, "mmm"/"mmmm" month name, "yy"/"yyyy" year; text in
// single quotes and any other character stand for themselves.
#include <QDate>
#include <QString>
#include <optional>

namespace pc::text {

std::optional<QDate> storedToDate(const QString& stored);
bool isStoredDate(const QString& stored);
QString dateToStored(const QDate& date);

QString storedToDisplay(const QString& stored);  // "" for empty or invalid
// "" for empty or unreadable input; a stored date is kept; otherwise the
// input is read in the program short date format.
QString inputToStored(const QString& input);
// As above with the date that decides a missing or two-digit year.
QString inputToStored(const QString& input, const QDate& today);

// "mm/dd/yyyy": month first, century on.
QString programShortDateFormat();

// The user's short date format with a four-digit year, built once from the
// system locale and then kept for the run.
QString displayDateFormat();
// Replaces the cached display format (tests); an empty text rebuilds it
// from the system on next use.
void setDisplayDateFormat(const QString& format);
// Forces the year of a short date format to four digits ("M/d/yy" gives
// "m/d/yyyy"); the result is lower-case.
QString widenYear(const QString& format);
// Writes a date in a d/m/y letter format.
QString formatDate(const QDate& date, const QString& format);

}  // namespace pc::text
