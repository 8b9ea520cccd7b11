#include "maintenance/new_database_name.h"

#include <QDir>
#include <QSet>

namespace pc::maintenance {

QString proposeDatabaseName(const QString& dataDir) {
    // One listing instead of up to 9999 lookups.
    QSet<QString> taken;
    for (const QString& file : QDir(dataDir).entryList(QDir::Files)) taken.insert(file.toUpper());
    for (int i = 1; i <= 9999; ++i) {
        const QString name = QStringLiteral("ADD%1").arg(i, 4, 10, QLatin1Char('0'));
        if (!taken.contains(name + ".DBF")) return name;
    }
    return QStringLiteral("ADD0001");
}

bool isValidDatabaseName(const QString& name) {
    auto letter = [](QChar c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (name.isEmpty() || !letter(name[0])) return false;
    for (const QChar c : name)
        if (!letter(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

}  // namespace pc::maintenance
