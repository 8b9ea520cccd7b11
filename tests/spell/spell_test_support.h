#pragma once
// A small Hunspell dictionary written into a temporary folder, so checks
// do not depend on the system's word list.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace pc::spell::testing {

inline void writeText(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

struct SmallDictionary {
    SmallDictionary() {
        writeText(dir.filePath("postcr.aff"), "SET UTF-8\nTRY esianrtolcdugmfphbyvkw\n");
        writeText(dir.filePath("postcr.dct"), "6\nhello\nworld\nletter\ndear\nyour\ncafé\n");
    }
    QString main() const { return dir.filePath("postcr.dct"); }
    QString user() const { return dir.filePath("postcru.dct"); }
    QTemporaryDir dir;
};

}  // namespace pc::spell::testing
