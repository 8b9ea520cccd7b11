#include "labels/layout_file_names.h"

#include <QDir>
#include <QSet>

namespace pc::labels {

QString nextLayoutFileName(const QString& folder, const QString& extension) {
    // One listing instead of a probe per number: folders with thousands of
    // layouts stay quick.
    QSet<QString> taken;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) taken.insert(entry.toUpper());
    for (int n = 1; n <= 99999; ++n) {
        const QString name =
            QStringLiteral("BIN%1").arg(n, 5, 10, QLatin1Char('0')) + extension.toUpper();
        if (!taken.contains(name)) return name;
    }
    return {};
}

}  // namespace pc::labels
