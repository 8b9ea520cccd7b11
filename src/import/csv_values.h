#pragma once
// Cutting one line of a CSV file with a header row the way contact exports
// (and the text copy-out) quote it: a value in double quotes may hold commas,
// and a doubled quote inside it stands for one quote.
#include <QString>
#include <QStringList>

namespace pc::import {

// The values of the line, at most kMaxColumns, each cut to kValueBufferSize.
// A quote left open runs to the end of the line. Characters after a closing
// quote and before the next comma belong to the value.
QStringList splitCsvValues(const QString& line);

}  // namespace pc::import
