#include "spell/dictionary_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pc::spell {

namespace {

bool copyAtomically(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) return false;
    while (!in.atEnd()) {
        QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

}  // namespace

QString affixPathFor(const QString& dictionaryPath) {
    QFileInfo info(dictionaryPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".aff"));
}

QString systemDictionaryDir() {
    return QStringLiteral("/usr/share/hunspell");
}

bool installMainDictionary(const QString& dictionaryPath, const QString& systemDir) {
    QString affix = affixPathFor(dictionaryPath);
    if (QFileInfo::exists(dictionaryPath)) return true;
    QString sourceDic = systemDir + QStringLiteral("/en_US.dic");
    QString sourceAff = systemDir + QStringLiteral("/en_US.aff");
    if (!QFileInfo::exists(sourceDic) || !QFileInfo::exists(sourceAff)) return false;
    // The affix file first: the dictionary's presence is what enables the
    // command, so it must not appear without its rules.
    if (!copyAtomically(sourceAff, affix)) return false;
    return copyAtomically(sourceDic, dictionaryPath);
}

}  // namespace pc::spell
