#include "envelopes/envelope_layout_operations.h"

#include <QFile>
#include <QFileInfo>

#include "data/definition_rows.h"
#include "data/t_table.h"
#include "labels/label_layout_operations.h"

namespace pc::envelopes {
namespace {

using pc::data::layoutFolder;
using pc::data::TTable;

bool fileExists(const QString& folder, const QString& name) {
    return !name.trimmed().isEmpty() && QFileInfo(envelopeLayoutPath(folder, name)).isFile();
}

bool storeRow(TTable& table, const EnvelopeDefinition& d, const QString& path,
              const EnvelopeDesignerCalls& calls) {
    return pc::data::storeRow(
        table, d.isNew, [&] { writeEnvelopeSetup(d, table); },
        [&] { return calls.saveObjects(path); });
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
    if (!pc::data::confirmRowAction(QStringLiteral("Clone"), old.description,
                                    QStringLiteral("CLONE")))
        return false;
    const QString name = nextEnvelopeBinaryName(dir);
    if (fileExists(dir, old.layoutFile))
        QFile::copy(envelopeLayoutPath(dir, old.layoutFile), dir + name);
    EnvelopeDefinition copy = old;
    copy.layoutFile = name;
    copy.description = QStringLiteral("Clone of ") + old.description;
    if (pc::data::storeRow(table, true, [&] { writeEnvelopeSetup(copy, table); })) return true;
    QFile::remove(dir + name);
    return false;
}

bool deleteEnvelope(TTable& table, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || table.eof() || !table.hasCurrentRecord()) return false;
    EnvelopeDefinition d;
    readEnvelopeSetup(table, d);
    if (!pc::data::confirmRowAction(QStringLiteral("Delete"), d.description,
                                    QStringLiteral("DELETE")))
        return false;
    return pc::data::deleteRowAndFile(
        table, fileExists(dir, d.layoutFile) ? envelopeLayoutPath(dir, d.layoutFile) : QString());
}

}  // namespace pc::envelopes
