#pragma once
// "FIELDS.LST" in sysdata/: the column order of the table view, one field
// name a line. Line i names the field that goes to position i.
#include <QString>
#include <QStringList>

namespace pc::records {

// The file's usual place: sysdata/FIELDS.LST in any letter case.
QString fieldsListPath();

// Applies the file to `fields` (every field name of the table, in its
// current order): for each line i in turn, the field it names (without
// regard to case) moves to position i. Unknown names are skipped. A missing,
// unreadable or malformed file (binary data, or larger than a field list
// can be) leaves the order as it was. The result holds every field once.
QStringList readFieldsList(const QString& path, const QStringList& fields);

// Writes the names one a line (CRLF) through a temporary file, so a failed
// write leaves the old file whole. False when it cannot be written.
bool writeFieldsList(const QString& path, const QStringList& fields);

}  // namespace pc::records
