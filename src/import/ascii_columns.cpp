#include "import/ascii_columns.h"

#include "import/ascii_line_splitter.h"
#include "import/import_text_file.h"

namespace pc::import {

bool AsciiColumnTable::sample(ImportTextFile& file) {
    columns.clear();
    sampleLines.clear();
    headerRow = false;
    if (!file.rewind()) return false;
    QString line;
    int read = 0;
    while (read < kSampleLines && file.readLine(line)) {
        const QStringList values = splitRawValues(line);
        if (read == 0) columns.resize(values.size());
        for (int i = 0; i < values.size() && i < static_cast<int>(columns.size()); ++i) {
            AsciiColumn& c = columns[i];
            if (c.displayName.isEmpty()) c.displayName = "Field " + QString::number(i + 1);
            c.greatestRawLength = std::max(c.greatestRawLength, static_cast<int>(values[i].size()));
        }
        sampleLines.push_back(values);
        ++read;
    }
    const bool ok = !file.failed() && file.rewind();
    return ok && read > 1;
}

int AsciiColumnTable::matchedCount() const {
    int n = 0;
    for (const AsciiColumn& c : columns) n += c.matchedField.isEmpty() ? 0 : 1;
    return n;
}

QString AsciiColumnTable::MatchedFieldName(const QString& fieldLabel) const {
    for (const AsciiColumn& c : columns)
        if (c.matchedField == fieldLabel) return c.displayName;
    return {};
}

void AsciiColumnTable::clearMatches() {
    for (AsciiColumn& c : columns) c.matchedField.clear();
}

}  // namespace pc::import
