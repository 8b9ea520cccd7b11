#include "data/address_database.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "data/address_schema.h"
#include "data/data_error.h"
#include "data/new_file_field_lengths.h"
#include "data/selected_area.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {

void inform(const QString& text) {
    pc::text::messages().inform(text);
}

// A file beside a table with the table's base name; the extension's letter
// case follows the table's (".cdx" beside ".dbf").
QString sibling(const QString& tablePath, const QString& upperExtension) {
    const QFileInfo info(tablePath);
    const bool lower = !info.suffix().isEmpty() && info.suffix() == info.suffix().toLower();
    return info.absolutePath() + '/' + info.completeBaseName() +
           (lower ? upperExtension.toLower() : upperExtension);
}

// The table's structural index: the file the engine has open, else the
// file of that name when one exists in any letter case.
QString structuralIndexPath(TTable& table, TApollo& apollo) {
    const QString open = apollo.indexName();
    if (!open.isEmpty()) return open;
    const QFileInfo expected(sibling(table.path(), QStringLiteral(".CDX")));
    return pc::text::findNoCase(expected.absolutePath(), expected.fileName());
}

// Removes what a failed creation made.
void removeNewFiles(const QString& path) {
    QFile::remove(path);
    QFile::remove(sibling(path, QStringLiteral(".FPT")));
    QFile::remove(sibling(path, QStringLiteral(".CDX")));
}

}  // namespace

bool openTableFile(const QString& path, TTable& table, ErrorKind* failure) {
    table.close();
    const QFileInfo given(path);
    const QString actual = pc::text::findNoCase(given.absolutePath(), given.fileName());
    if (path.isEmpty() || !QFileInfo(actual).isFile()) {
        inform("File " + path + " not found");
        return false;
    }
    const QFileInfo info(actual);
    table.setFolder(info.absolutePath() + '/');
    table.setFileName(info.fileName());
    table.setOrderTagName({});
    try {
        table.open();
    } catch (const DataError& error) {
        if (failure) *failure = error.kind();
        table.close();
        return false;
    }
    return true;
}

QString openFailedMessage(const QString& path, ErrorKind kind) {
    // When the system told us why, say that instead of guessing.
    switch (kind) {
        case ErrorKind::ReadOnly:
            return "Unable to open " + path + ": it is read-only";
        case ErrorKind::PermissionDenied:
            return "Unable to open " + path + ": permission denied";
        case ErrorKind::Locked:
            return "Unable to open " + path + ": it is in use by another program or user";
        default:
            break;
    }
    return "Unable to open " + path + "\r\n\r\n" + " * May not be " + "a Postcraft" + " file." +
           "\r\n" + " * May be in use by another program or user";
}

bool OpenPKWFile(const QString& path, TTable& table, bool* validIndex) {
    if (validIndex) *validIndex = false;
    ErrorKind why = ErrorKind::Other;
    if (!openTableFile(path, table, &why)) {
        inform(openFailedMessage(path, why));
        return false;
    }
    // The check reads every tag's pages: only for a caller that asks.
    if (validIndex) *validIndex = CheckValidIndex(table);
    return true;
}

bool CheckValidIndex(TTable& table, QStringList* missing, QString* fault, IndexCheckDepth depth) {
    TApollo apollo(&table);
    QStringList absent;
    for (const AddressTagDef& t : addressTags())
        if (apollo.tagArea(QString::fromLatin1(t.name)) == 0) absent << QString::fromLatin1(t.name);
    if (missing) *missing = absent;
    if (!absent.isEmpty()) {
        // Tags an index file could not be read for: say why.
        if (fault && apollo.indexStale()) *fault = apollo.indexFault();
        return false;
    }
    // A damaged index is as good as none: the caller offers the rebuild.
    const QString found = apollo.indexFault(depth == IndexCheckDepth::EveryRecord);
    if (fault) *fault = found;
    return found.isEmpty();
}

QString GetDatabasePath(const TTable& table) {
    return table.active() ? table.folder() : QString();
}

int rebuildGaugePercent(int percentSum) {
    return static_cast<int>(std::nearbyint(percentSum / 21.0));
}

bool createAddressTags(TTable& table, const pc::text::Progress& progress) {
    const QString failed = QStringLiteral("Unable to create index files");
    if (!table.active()) {
        inform(failed);
        return false;
    }
    TApollo apollo(&table);
    const QString indexFile = structuralIndexPath(table, apollo);
    const bool stale = apollo.indexStale();
    apollo.closeIndexes();
    if (QFileInfo::exists(indexFile) && !QFile::remove(indexFile)) {
        inform(failed);
        return false;
    }
    if (stale) {
        // The engine would bring a damaged index's old tags back with the
        // first new one; a fresh open forgets them.
        try {
            table.close();
            table.open();
        } catch (const DataError&) {
            inform(failed);
            return false;
        }
    }
    const auto& tags = addressTags();
    const int total = static_cast<int>(tags.size()) * 100;
    for (int i = 0; i < static_cast<int>(tags.size()); ++i) {
        if (progress) {
            progress(i * 100, total);
            apollo.setProgress([&progress, i, total](int percent, int) {
                return progress(i * 100 + std::clamp(percent, 0, 100), total);
            });
        }
        const int order = apollo.indexTag(QString::fromLatin1(tags[i].name),
                                          QString::fromLatin1(tags[i].expression));
        apollo.setProgress({});
        if (order == 0) {
            inform(failed);
            return false;
        }
        pc::text::report(progress, (i + 1) * 100, total);
    }
    return true;
}

bool createAddressTable(const QString& path, const NewFileFieldLengths& lengths,
                        TTable& creationTable, const pc::text::Progress& progress) {
    const QFileInfo info(path);
    if (path.isEmpty() ||
        QFileInfo::exists(pc::text::findNoCase(info.absolutePath(), info.fileName()))) {
        inform(QStringLiteral("Create failed"));
        return false;
    }
    const QByteArray file = path.toUtf8();
    const auto& fields = addressStoredFields();
    const int previous = sx_Select(0);
    bool created = sx_CreateNew(file.constData(), sx_DefaultAlias(file.constData()).c_str(),
                                pc::xbase::kDriverCdx, static_cast<int>(fields.size())) != 0;
    for (const AddressFieldDef& f : fields) {
        if (!created) break;
        const int width =
            f.widthKey ? lengths.widthForCreation(QString::fromLatin1(f.name)) : f.width;
        const char type[] = {f.type, '\0'};
        created = sx_CreateField(f.name, type, width, 0);
    }
    const int area = created ? sx_CreateExec() : 0;
    if (area) {
        // The engine opens the new table; the creation table object opens it again.
        sx_Select(area);
        sx_Close();
    }
    sx_Select(previous);
    if (!area) {
        inform(QStringLiteral("Create failed"));
        return false;
    }

    if (creationTable.active()) creationTable.close();
    if (creationTable.fieldCount() == 0) defineAddressFields(creationTable, {});
    creationTable.setExclusive(true);
    if (!openTableFile(path, creationTable)) {
        inform(QStringLiteral("File creation failed"));
        removeNewFiles(path);
        return false;
    }
    if (!createAddressTags(creationTable, progress)) {
        inform(QStringLiteral("File creation failed"));
        creationTable.close();
        removeNewFiles(path);
        return false;
    }
    creationTable.close();
    return true;
}

QString rebuildIndexQuestion(const QString& path) {
    return "The index file for " + path + "\r\n" + "is missing or invalid. Rebuild now?";
}

AddressOpenResult openAddressDatabase(const QString& path, TTable& table,
                                      const std::function<void()>& rebuild) {
    AddressOpenResult result;
    bool valid = false;
    result.fileOpened = OpenPKWFile(path, table, &valid);
    if (!result.fileOpened) return result;
    if (!valid) {
        if (pc::text::messages().ask(rebuildIndexQuestion(path), QStringLiteral("Warning"))) {
            if (rebuild) rebuild();
            valid = table.active() && CheckValidIndex(table);
        }
        if (!valid) table.close();
    }
    result.tableOpen = table.active();
    return result;
}

}  // namespace pc::data
