#include "envelopes/envelope_layout_operations.h"

#include <QFile>
#include <QFileInfo>

#include "data/data_error.h"
#include "data/t_table.h"
#include "labels/label_layout_operations.h"
#include "text/message_service.h"
#include "text/program_paths.h"

namespace pc::envelopes {
namespace {

using pc::data::DataError;
using pc::data::TTable;

QString layoutFolder(const QString& folder) {
    if (folder.isEmpty()) return pc::text::sysdataDir();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool fileExists(const QString& folder, const QString& name) {
    return !name.trimmed().isEmpty() && QFileInfo(envelopeLayoutPath(folder, name)).isFile();
}

QString quoted(const QString& verb, const QString& description) {
    return verb + QStringLiteral(" \"") + description + QStringLiteral("\"?");
}

void cancelQuietly(TTable& table) {
    try {
        if (table.state() != pc::data::TDataSetState::Browse) table.cancel();
    } catch (const DataError&) {
        // The first failure is the one worth telling.
    }
}

void report(const DataError& error) {
    pc::text::messages().error(error.message(), QStringLiteral("Postcraft"));
}

// The row and the file go together: a file that cannot be written drops
// the row again, so the list never shows a layout that was not kept.
bool storeRow(TTable& table, const EnvelopeDefinition& d, const QString& path,
              const EnvelopeDesignerCalls& calls) {
    try {
        if (d.isNew)
            table.insert();
        else
            table.edit();
        writeEnvelopeSetup(d, table);
        if (!calls.saveObjects(path)) {
            table.cancel();
            return false;
        }
        table.post();
        return true;
    } catch (const DataError& error) {
        cancelQuietly(table);
        report(error);
        return false;
    }
}

bool designAndStore(TTable& table, EnvelopeDefinition& current, const EnvelopeDesignerCalls& calls,
                    const QString& dir) {
    readEnvelopeSetup(table, current);
    EnvelopeDefinition d = current;
    calls.clearObjects();
    if (d.isNew) {
        d.description = QStringLiteral("<New envelope>");
        d.layoutFile = nextEnvelopeBinaryName(dir);
    } else if (fileExists(dir, d.layoutFile)) {
        calls.loadObjects(envelopeLayoutPath(dir, d.layoutFile));
    } else {
        // A vanished file starts an empty design under a name of its own.
        d.layoutFile = nextEnvelopeBinaryName(dir);
    }
    d.description = d.description.left(kDescriptionLength);
    if (!calls.design(d)) return false;
    d.setCode(d.code);
    d.description = d.description.left(kDescriptionLength);
    const QString path =
        fileExists(dir, d.layoutFile) ? envelopeLayoutPath(dir, d.layoutFile) : dir + d.layoutFile;
    if (!storeRow(table, d, path, calls)) return false;
    current = d;
    return true;
}

}  // namespace

QString envelopeLayoutPath(const QString& folder, const QString& fileName) {
    return labels::layoutFilePath(layoutFolder(folder), fileName);
}

bool modifyEnvelope(TTable& table, EnvelopeDefinition& current, const EnvelopeDesignerCalls& calls,
                    const QString& folder) {
    const bool changed =
        (current.isNew || (table.active() && !table.eof() && table.hasCurrentRecord())) &&
        designAndStore(table, current, calls, layoutFolder(folder));
    current.isNew = false;
    return changed;
}

bool newEnvelope(TTable& table, EnvelopeDefinition& current, int sizeCode,
                 const EnvelopeDesignerCalls& calls, const QString& folder) {
    current.setCode(sizeCode);
    current.isNew = true;
    return modifyEnvelope(table, current, calls, folder);
}

bool cloneEnvelope(TTable& table, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || table.eof() || !table.hasCurrentRecord()) return false;
    EnvelopeDefinition old;
    readEnvelopeSetup(table, old);
    if (!pc::text::messages().ask(quoted(QStringLiteral("Clone"), old.description),
                                  QStringLiteral("CLONE")))
        return false;
    const QString name = nextEnvelopeBinaryName(dir);
    if (fileExists(dir, old.layoutFile))
        QFile::copy(envelopeLayoutPath(dir, old.layoutFile), dir + name);
    try {
        table.insert();
        EnvelopeDefinition copy = old;
        copy.layoutFile = name;
        copy.description = QStringLiteral("Clone of ") + old.description;
        writeEnvelopeSetup(copy, table);
        table.post();
        return true;
    } catch (const DataError& error) {
        cancelQuietly(table);
        QFile::remove(dir + name);
        report(error);
        return false;
    }
}

bool deleteEnvelope(TTable& table, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || table.eof() || !table.hasCurrentRecord()) return false;
    EnvelopeDefinition d;
    readEnvelopeSetup(table, d);
    if (!pc::text::messages().ask(quoted(QStringLiteral("Delete"), d.description),
                                  QStringLiteral("DELETE")))
        return false;
    try {
        table.deleteRecord();
    } catch (const DataError& error) {
        report(error);
        return false;
    }
    if (fileExists(dir, d.layoutFile)) QFile::remove(envelopeLayoutPath(dir, d.layoutFile));
    return true;
}

}  // namespace pc::envelopes
