#pragma once
// The column table of a text import: a name per column, the greatest raw
// length seen in the sampled lines and the address field (by display label)
// the column fills.
#include <QString>
#include <QStringList>
#include <vector>

namespace pc::import {

class ImportTextFile;

inline constexpr int kSampleLines = 10;
inline constexpr int kColumnNameLength = 20;

struct AsciiColumn {
    QString displayName;        // "Field 1", ... (or the header's text)
    int greatestRawLength = 0;  // quotes and protected commas counted
    QString matchedField;       // display label of the destination, "" when unmatched
};

struct AsciiColumnTable {
    std::vector<AsciiColumn> columns;
    std::vector<QStringList> sampleLines;  // raw values of up to 10 lines
    bool headerRow = false;                // the first line names the columns

    // Reads up to 10 lines from the start of the file; the column count is
    // the number of values of the first line. True when more than one line
    // was read. Leaves the file at its start.
    bool sample(ImportTextFile& file);
    int matchedCount() const;
    // The display name of the column matched with the field label, or "".
    QString MatchedFieldName(const QString& fieldLabel) const;
    void clearMatches();
};

}  // namespace pc::import
