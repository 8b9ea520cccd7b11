#include "maintenance/copy_out.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "data/data_error.h"
#include "data/record_source.h"
#include "data/row_reader.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "data/table_structure.h"
#include "xbase/codepage.h"

namespace pc::maintenance {
namespace {

// The fields a table copy carries over; ISDEL and TAG stay empty.
const QStringList& tableCopyFields() {
    static const QStringList fields = {"PREFIX", "FNAME",   "MIDDLE",  "LNAME",  "TITLE",
                                       "ORG",    "STREET",  "STREET2", "CITY",   "STATE",
                                       "ZIP",    "COUNTRY", "PHONE",   "PHONE2", "EMAIL",
                                       "FAX",    "DATE",    "CODES",   "USER1",  "USER2"};
    return fields;
}

QByteArray encoded(const QString& text, bool utf8) {
    if (utf8) return text.toUtf8();
    const QByteArray u = text.toUtf8();
    const std::string bytes = xbase::fromUtf8(std::string_view(u.constData(), u.size()), 1252);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString absoluteOf(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

const QStringList& textExportFields() {
    static const QStringList fields = {"PREFIX", "FNAME",   "MIDDLE",  "LNAME",  "TITLE",
                                       "ORG",    "STREET",  "STREET2", "CITY",   "STATE",
                                       "ZIP",    "COUNTRY", "PHONE",   "PHONE2", "EMAIL",
                                       "FAX",    "DATE",    "USER1",   "USER2",  "CODES"};
    return fields;
}

QString textExportLine(const QStringList& values, bool rfc4180) {
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) line += QLatin1Char(',');
        line += QLatin1Char('"');
        if (rfc4180) {
            QString v = values[i];
            line += v.replace(QLatin1Char('"'), QLatin1String("\"\""));
        } else {
            line += values[i];
        }
        line += QLatin1Char('"');
    }
    return line;
}

QString copyTargetProblem(const QString& target, const QString& openTablePath, bool toTable) {
    if (toTable && QFileInfo(target).suffix().toUpper() != QLatin1String("DBF"))
        return QStringLiteral("Must have a .DBF extension");
    if (absoluteOf(target).compare(absoluteOf(openTablePath), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Cannot copy a file to itself!");
    return {};
}

CopyResult copyOutToText(data::TTable& table, const QString& path, const TextExportFormat& format,
                         const text::Progress& progress) {
    CopyResult result;
    const QString diskFull = QStringLiteral("Error copying - possibly Disk Full");
    table.checkBrowseMode();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = diskFull;
        return result;
    }
    const QStringList& fields = textExportFields();
    QByteArray buffer;
    const auto flush = [&] {
        const bool ok = file.write(buffer) == buffer.size();
        buffer.clear();
        return ok;
    };
    if (format.rfc4180) buffer += encoded(fields.join(QLatin1Char(',')), format.utf8) + "\r\n";
    const int total = data::TApollo(&table).queryRecCount();
    bool ok = true;
    {
        data::RowReader rows(table);
        QStringList values;
        for (rows.goTop(); !rows.eof() && result.copied < total; rows.skip(1)) {
            values.clear();
            for (const QString& f : fields) values << rows.text(f);
            buffer += encoded(textExportLine(values, format.rfc4180), format.utf8);
            buffer += "\r\n";
            ++result.copied;
            if (buffer.size() > (1 << 20) && !(ok = flush())) break;
            if (!text::report(progress, result.copied, total)) {
                result.stopped = true;
                break;
            }
        }
    }
    if (!ok || !flush() || !file.commit()) {
        file.cancelWriting();
        result.error = diskFull;
    }
    return result;
}

QString paddedMemo(const QString& memo) {
    if (memo.isEmpty() || memo.size() % 4 != 0) return memo;
    if (memo.endsWith(QLatin1String("\r\n"))) return memo.chopped(2) + QLatin1String(" \r\n");
    if (memo.endsWith(QLatin1Char('\n'))) return memo.chopped(1) + QLatin1String(" \n");
    return memo + QLatin1Char(' ');
}

CopyResult copyOutToTable(data::TTable& table, const QString& path, const text::Progress& progress,
                          int* reopened) {
    CopyResult result;
    table.checkBrowseMode();
    // The index file of the target's name would not match the new table.
    QFile::remove(path.left(path.size() - 3) + "CDX");
    QString why;
    if (!data::createTableLike(table, path, &why)) {
        result.error = QStringLiteral("There was an error copying");
        return result;
    }
    const bool hasMemo = table.findField(QStringLiteral("MEMO")) != nullptr;
    data::TTable target;
    target.setExclusive(true);
    target.setFolder(QFileInfo(path).absolutePath());
    target.setFileName(QFileInfo(path).fileName());
    const auto targetCount = [&] {
        return target.active() ? data::TApollo(&target).recCount() : -1;
    };
    try {
        target.open();
        data::RecordSource records(table);
        const int total = records.count();
        for (bool at = records.first(); at; at = records.next()) {
            target.insert();
            for (const QString& f : tableCopyFields())
                if (data::TField* out = target.findField(f)) out->setText(records.value(f));
            if (hasMemo)
                target.fieldByName(QStringLiteral("MEMO"))
                    .setText(paddedMemo(records.value(QStringLiteral("MEMO"))));
            target.post();
            ++result.copied;
            const bool goOn = text::report(progress, result.copied, total);
            if (result.copied % kCopyReopenInterval == 0) {
                target.close();
                target.open();
                if (reopened) ++*reopened;
                if (targetCount() != result.copied)
                    throw data::DataError(QStringLiteral("Error copying - not enough disk space"));
            }
            if (!goOn) {
                result.stopped = true;
                break;
            }
        }
    } catch (const data::DataError&) {
        result.error =
            targetCount() != result.copied
                ? QStringLiteral("There was an error copying\r\rPossibly: Not Enough Disk Space")
                : QStringLiteral("There was an error copying");
    }
    if (target.active()) target.close();
    return result;
}

}  // namespace pc::maintenance
