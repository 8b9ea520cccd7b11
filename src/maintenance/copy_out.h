#pragma once
// Copying the chosen records out of the address table: into a new table of
// the same structure, or into a comma-delimited text file. Both walk the
// records the table's order and query admit.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "text/progress.h"

namespace pc::data {
class TTable;
}

namespace pc::maintenance {

// The fields of a text line, in order.
const QStringList& textExportFields();

struct TextExportFormat {
    // Off: every value in double quotes exactly as stored, quotes inside
    // left alone (what older programs read). On: RFC 4180, quotes doubled
    // and a heading line of field names.
    bool rfc4180 = false;
    bool utf8 = false;  // else Windows-1252
};

// Adds one value of a line (UTF-8), in double quotes, after a comma unless
// it is the first.
void appendExportValue(std::string& line, std::string_view value, bool rfc4180);

// Why the file cannot take the copy ("Must have a .DBF extension", "Cannot
// copy a file to itself!"), or "" when it can.
QString copyTargetProblem(const QString& target, const QString& openTablePath, bool toTable);

struct CopyResult {
    int copied = 0;
    bool stopped = false;  // the progress asked to stop
    QString error;         // the message to show; "" on success
};

// Writes the records' lines; the file is replaced only once it is complete
// (or the copy was stopped), so a failed copy leaves an older file intact.
CopyResult copyOutToText(data::TTable& table, const QString& path, const TextExportFormat& format,
                         const text::Progress& progress = {});

// A memo that is a positive multiple of 4 long gets a blank after its last
// line (older readers lost the last characters of such memos).
QString paddedMemo(const QString& memo);

// How often the target is closed and opened again, so its records reach the
// disk and the count can be checked.
inline constexpr int kCopyReopenInterval = 20;

// Creates the table at `path` with the open table's structure (its index file
// removed first) and copies the records' address fields and memo into it.
// `reopened` (optional) counts the closes and reopens.
CopyResult copyOutToTable(data::TTable& table, const QString& path,
                          const text::Progress& progress = {}, int* reopened = nullptr);

}  // namespace pc::maintenance
