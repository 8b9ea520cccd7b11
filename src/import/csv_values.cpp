#include "import/csv_values.h"

#include <algorithm>

#include "import/ascii_line_splitter.h"

namespace pc::import {

QStringList splitCsvValues(const QString& line) {
    QStringList values;
    QString value;
    bool quoted = false;
    const auto finish = [&] {
        values << value.left(kValueBufferSize);
        value.clear();
    };
    const qsizetype n = std::min<qsizetype>(line.size(), kLineBufferSize);
    for (qsizetype i = 0; i < n && values.size() < kMaxColumns; ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"') {
                value += c;
            } else if (i + 1 < n && line[i + 1] == u'"') {
                value += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u',') {
            finish();
        } else if (c == u'"' && value.isEmpty()) {
            quoted = true;
        } else {
            value += c;
        }
    }
    if (values.size() < kMaxColumns) finish();
    return values;
}

}  // namespace pc::import
