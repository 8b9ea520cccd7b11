#include "records/fields_list_file.h"

#include <QFile>
#include <QSaveFile>

#include "text/program_paths.h"

namespace pc::records {

namespace {

// Far more than any field list; anything larger is not ours.
constexpr qint64 kMaxFileSize = 16 * 1024;

bool looksLikeText(const QByteArray& data) {
    for (const char c : data) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\r' && c != '\n' && c != '\t') return false;
    }
    return true;
}

}  // namespace

QString fieldsListPath() {
    return pc::text::findNoCase(pc::text::sysdataDir(), QStringLiteral("FIELDS.LST"));
}

QStringList readFieldsList(const QString& path, const QStringList& fields) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return fields;
    const QByteArray data = file.readAll();
    if (!looksLikeText(data)) return fields;

    QStringList order = fields;
    const QStringList lines = QString::fromLatin1(data).split('\n');
    for (int i = 0; i < lines.size() && i < order.size(); ++i) {
        const QString name = lines[i].trimmed();
        if (name.isEmpty()) continue;
        for (int at = 0; at < order.size(); ++at) {
            if (order[at].compare(name, Qt::CaseInsensitive) != 0) continue;
            order.move(at, i);
            break;
        }
    }
    return order;
}

bool writeFieldsList(const QString& path, const QStringList& fields) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (const QString& name : fields) file.write(name.toLatin1() + "\r\n");
    return file.commit();
}

}  // namespace pc::records
