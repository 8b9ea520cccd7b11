#include "import/ascii_line_splitter.h"

namespace pc::import {

QString ProtectQuotedCommas(QString line) {
    const qsizetype first = line.indexOf(u'"');
    if (first < 0) return line;
    bool inside = false;
    const qsizetype n = line.size();
    for (qsizetype i = first; i < n; ++i) {
        const QChar c = line.at(i);
        if (c == u'"') {
            const bool followsQuote = i > first && line.at(i - 1) == u'"';
            if (!followsQuote) {
                inside = !inside;
            } else if (inside && (i + 1 == n || line.at(i + 1) == u',')) {
                inside = false;
            }
        } else if (c == u',' && inside) {
            line[i] = QChar(kProtectedComma);
        }
    }
    return line;
}

QStringList SplitLine(const QString& line) {
    QStringList values = line.split(u',');
    if (values.size() > kMaxColumns) values.erase(values.begin() + kMaxColumns, values.end());
    return values;
}

QString cleanValue(const QString& raw) {
    QString value = raw;
    value.replace(QChar(kProtectedComma), u',');
    if (!value.isEmpty() && value.front() == u'"' && value.back() == u'"')
        value = value.size() >= 2 ? value.mid(1, value.size() - 2) : QString();
    if (value.size() > kValueBufferSize) {
        // Never leave half of a surrogate pair behind.
        qsizetype keep = kValueBufferSize;
        if (value.at(keep - 1).isHighSurrogate()) --keep;
        value.truncate(keep);
    }
    return value;
}

QStringList splitRawValues(const QString& line) {
    if (line.size() <= kLineBufferSize) return SplitLine(ProtectQuotedCommas(line));
    qsizetype keep = kLineBufferSize;
    if (line.at(keep - 1).isHighSurrogate()) --keep;
    return SplitLine(ProtectQuotedCommas(line.left(keep)));
}

QStringList splitAndClean(const QString& line) {
    QStringList values = splitRawValues(line);
    for (QString& v : values) v = cleanValue(v);
    return values;
}

}  // namespace pc::import
