#include "richtext/rtf_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace pc::richtext {

namespace {

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool loadRtfFile(const QString& path, QTextDocument& document, QString* error) {
    QFileInfo info(path);
    if (!info.isFile()) return fail(error, QStringLiteral("%1 is not a file").arg(path));
    if (info.size() > kMaxRtfBytes) return fail(error, QStringLiteral("%1 is too large").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(error, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) return fail(error, file.errorString());
    return readRtf(bytes, document, error);
}

bool saveRtfFile(const QTextDocument& document, const QString& path, QString* error) {
    QByteArray bytes = writeRtf(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(error, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        QString why = file.errorString();
        file.cancelWriting();
        return fail(error, why);
    }
    if (!file.commit()) return fail(error, file.errorString());
    return true;
}

}  // namespace pc::richtext
