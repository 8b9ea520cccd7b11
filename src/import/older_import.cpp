#include "import/older_import.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "data/t_apollo.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "import/dbf_import.h"
#include "text/stored_date.h"

namespace pc::import {

using pc::data::TField;
using pc::data::TTable;

QStringList olderRequiredFields(OlderVersion version) {
    if (version == OlderVersion::V1)
        return QStringLiteral(
                   "LNAME FNAME MIDDLE TITLE ORG STREET CITY STATE ZIP COUNTRY PHONE "
                   "EMAIL FAX NOTES PREFIX CARRIER DATE MEMO")
            .split(u' ');
    return QStringLiteral(
               "LNAME FNAME MIDDLE TITLE ORG STREET STREET2 CITY STATE ZIP COUNTRY "
               "PHONE PHONE2 EMAIL FAX CODES PREFIX DATE USER1 USER2 ISDEL MEMO TAG")
        .split(u' ');
}

bool isOlderFormat(const TTable& source, OlderVersion version) {
    for (const QString& name : olderRequiredFields(version))
        if (!source.findField(name)) return false;
    return true;
}

QString openOlderSource(const QString& path, const QString& openTablePath, OlderVersion version,
                        TTable& source) {
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo(path).absoluteFilePath().toUpper() ==
        QFileInfo(openTablePath).absoluteFilePath().toUpper())
        return QStringLiteral("Cannot import a file to itself");
    if (!openImportSource(path, source)) return "Unable to open the file " + name;
    QString problem;
    if (pc::data::TApollo(&source).recCount() == 0)
        problem = "There are no records in " + name;
    else if (!isOlderFormat(source, version))
        problem =
            name + (version == OlderVersion::V1 ? " does not appear to be a Postcraft 1.x DBF"
                                                : " does not appear to be a Postcraft 2.x DBF");
    if (!problem.isEmpty()) source.close();
    return problem;
}

QString olderMemo(const QString& memo) {
    if (memo.isEmpty()) return memo;
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = memo.split(breaks);
    // The text holder ends every line, the last one too, with CR LF.
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    qsizetype length = 0;
    for (const QString& l : lines) length += l.size() + 2;
    if (length > 0 && length % 4 == 0) lines.back() += u' ';
    return lines.join(QStringLiteral("\r\n"));
}

ImportResult runOlderImport(TTable& source, OlderVersion version, TTable& destination,
                            const ImportCalls& calls) {
    QStringList same =
        QStringLiteral(
            "LNAME FNAME PREFIX MIDDLE TITLE ORG STREET CITY STATE ZIP COUNTRY PHONE "
            "FAX EMAIL")
            .split(u' ');
    if (version == OlderVersion::V2)
        same << QStringLiteral("CODES STREET2 PHONE2 USER1 USER2 ISDEL DATE").split(u' ');
    auto loop = [&](UnstorableTally& tally) {
        if (calls.status) calls.status(QStringLiteral("Importing records"));
        const int total = pc::data::TApollo(&source).recCount();
        int recno = 0;
        bool started = false;
        auto to = [&destination](const QString& name) { return destination.findField(name); };
        auto from = [&source](const QString& name) {
            const TField* f = source.findField(name);
            return f ? f->text() : QString();
        };
        const RowProducer next = [&](std::vector<Assignment>& row) {
            if (const RowRead read = stepSource(source, started); read != RowRead::Row) return read;
            recno = source.recNo();
            for (const QString& name : same) row.push_back({to(name), from(name)});
            if (version == OlderVersion::V1) {
                row.push_back({to(QStringLiteral("CODES")), from(QStringLiteral("NOTES"))});
                // An unreadable date leaves DATE empty.
                row.push_back({to(QStringLiteral("DATE")),
                               pc::text::inputToStored(from(QStringLiteral("DATE")).trimmed())});
            }
            row.push_back({to(QStringLiteral("MEMO")), olderMemo(from(QStringLiteral("MEMO")))});
            return RowRead::Row;
        };
        const pc::text::Progress progress = [&](int, int) {
            return pc::text::report(calls.progress, recno, total);
        };
        return appendRows(destination, next, total, tally, progress);
    };
    return runImport(destination, calls, loop, tableEndMessage);
}

}  // namespace pc::import
