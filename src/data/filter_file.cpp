#include "data/filter_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace pc::data {

namespace {

// A criterion cannot hold a line break, or it would shift every later line.
QString oneLine(const QString& text) {
    QString out = text;
    out.replace('\r', ' ').replace('\n', ' ');
    return out;
}

// Criteria are short; a larger file is not a filter.
constexpr qint64 kMaxFileSize = 64 * 1024;

}  // namespace

bool hasFilterExtension(const QString& path) {
    return QFileInfo(path).suffix().compare("FLT", Qt::CaseInsensitive) == 0;
}

bool readFilterFile(const QString& path, FilterCriteria& criteria, QString* error) {
    // A device or pipe (say /dev/zero) would be read until memory runs out.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error) *error = path + " is not a filter file";
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = "Cannot read " + path + ": " + file.errorString();
        return false;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        if (error) *error = path + " is not a filter file";
        return false;
    }
    QStringList lines = QString::fromLocal8Bit(bytes).split('\n');
    for (QString& line : lines) {
        if (line.endsWith('\r')) line.chop(1);
    }
    auto line = [&](int i) { return i < lines.size() ? lines[i] : QString(); };
    FilterCriteria read;
    for (int i = 0; i < kCriterionCount; ++i) read.values[i] = line(i);
    read.taggedOnly = line(kCriterionCount).trimmed().compare("T", Qt::CaseInsensitive) == 0;
    read.reverse = line(kCriterionCount + 1).trimmed().compare("T", Qt::CaseInsensitive) == 0;
    criteria = read;
    return true;
}

bool writeFilterFile(const QString& path, const FilterCriteria& criteria, QString* error) {
    QString text;
    for (const QString& value : criteria.values) text += oneLine(value) + "\r\n";
    text += QString(criteria.taggedOnly ? "T" : "F") + "\r\n";
    text += QString(criteria.reverse ? "T" : "F") + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLocal8Bit()) < 0 || !file.commit()) {
        if (error) *error = "Cannot write " + path + ": " + file.errorString();
        return false;
    }
    return true;
}

}  // namespace pc::data
