#include "maintenance/copy_out.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

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

void appendExportValue(std::string& line, std::string_view value, bool rfc4180) {
    if (!line.empty()) line += ',';
    line += '"';
    if (rfc4180) {
        for (char c : value) {
            if (c == '"') line += '"';
            line += c;
        }
    } else {
        line += value;
    }
    line += '"';
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
    std::vector<QByteArray> names;
    for (const QString& f : textExportFields()) names.push_back(f.toLatin1());
    // Lines are built as UTF-8 bytes and converted once each, not per value.
    std::string buffer, row;
    const auto addLine = [&](const std::string& utf8) {
        if (format.utf8) {
            buffer += utf8;
        } else {
            buffer += xbase::fromUtf8(utf8, 1252);
        }
        buffer += "\r\n";
    };
    const auto flush = [&] {
        const bool ok = file.write(buffer.data(), qint64(buffer.size())) == qint64(buffer.size());
        buffer.clear();
        return ok;
    };
    if (format.rfc4180) addLine(textExportFields().join(QLatin1Char(',')).toStdString());
    const int total = data::TApollo(&table).queryRecCount();
    bool ok = true;
    {
        data::RowReader rows(table);
        for (rows.goTop(); !rows.eof() && result.copied < total; rows.skip(1)) {
            row.clear();
            for (const QByteArray& name : names)
                appendExportValue(row, rows.utf8(name.constData()), format.rfc4180);
            addLine(row);
            ++result.copied;
            if (buffer.size() > (1u << 20) && !(ok = flush())) break;
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
