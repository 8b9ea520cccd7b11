#include "text/mru_list.h"

namespace pc::text {
namespace {

const QString kSection = QStringLiteral("MRU");

QString itemKey(int n) {
    return QStringLiteral("Item%1").arg(n);
}

}  // namespace

QStringList readMruList(const ProfileFile& ini) {
    QStringList list;
    for (int n = 1; n <= kMruSize; ++n) {
        const QString path = ini.readString(kSection, itemKey(n));
        if (!path.isEmpty()) list << path;
    }
    return list;
}

QStringList mruWithPath(const QStringList& stored, const QString& path) {
    QStringList list{path};
    for (const QString& entry : stored.mid(0, kMruSize)) {
        if (list.size() >= kMruSize) break;
        if (entry != path) list << entry;
    }
    return list;
}

QStringList updateMruList(ProfileFile& ini, const QString& path) {
    if (path.isEmpty()) return readMruList(ini);
    const QStringList list = mruWithPath(readMruList(ini), path);
    // Every item is written, the unused ones empty, so an old entry left
    // behind a gap in the stored list cannot come back as a duplicate.
    std::vector<std::pair<QString, QString>> items;
    for (int n = 1; n <= kMruSize; ++n) {
        items.emplace_back(itemKey(n), n <= list.size() ? list[n - 1] : QString());
    }
    ini.writeStrings(kSection, items);
    return list;
}

}  // namespace pc::text
