#pragma once
// Cutting one line of a comma-delimited file into values, the way the ASCII
// import has always done it: commas inside double quotes are protected first,
// then the line is cut at every comma, then each value is cleaned.
#include <QString>
#include <QStringList>

namespace pc::import {

// Characters of a line beyond this many are ignored.
inline constexpr int kLineBufferSize = 2048;
// A cleaned value keeps at most this many characters (no address field is wider).
inline constexpr int kValueBufferSize = 255;
// Values beyond this many on a line are ignored.
inline constexpr int kMaxColumns = 255;
// Stands in for a comma inside quotes until the value is cleaned.
inline constexpr char16_t kProtectedComma = 127;

// Replaces each comma inside double quotes by kProtectedComma. A quote that
// directly follows another quote only closes an open quote when a comma or
// the end of the line comes next (an empty quoted value ""); otherwise it is
// passed over.
QString ProtectQuotedCommas(QString line);

// Cuts the line at every comma. An empty line is one empty value; a line
// ending in a comma has an empty last value. At most kMaxColumns values.
QStringList SplitLine(const QString& line);

// Restores protected commas, then removes one character from each end when
// the value starts and ends with a double quote; cut to kValueBufferSize.
QString cleanValue(const QString& raw);

// The raw values of a line (protected commas still in place), after cutting
// the line to kLineBufferSize characters.
QStringList splitRawValues(const QString& line);

// The values of a line as the import assigns them.
QStringList splitAndClean(const QString& line);

}  // namespace pc::import
