#include "labels/label_layout_operations.h"

#include <QFileInfo>

#include "data/definition_rows.h"
#include "data/t_table.h"
#include "labels/layout_file_names.h"
#include "text/message_service.h"
#include "text/program_paths.h"

namespace pc::labels {

namespace {

using pc::data::layoutFolder;
using pc::data::TTable;

bool fileExists(const QString& folder, const QString& name) {
    return !name.trimmed().isEmpty() && QFileInfo(layoutFilePath(folder, name)).isFile();
}

bool storeRow(TTable& table, bool append, const LabelDefinition& definition, const QString& path,
              const LayoutDesignerCalls& calls) {
    return pc::data::storeRow(
        table, append, [&] { writeLabelDefinition(definition, table); },
        [&] { return calls.saveObjects(path); });
}

}  // namespace

QString layoutFilePath(const QString& folder, const QString& fileName) {
    return pc::text::findNoCase(layoutFolder(folder), fileName.trimmed());
}

bool newLayout(TTable& table, const LayoutDesignerCalls& calls, const QString& folder) {
    const QString dir = layoutFolder(folder);
    LabelDefinition definition = newLabelDefinition();
    definition.layoutFile = nextLayoutFileName(dir);
    if (definition.layoutFile.isEmpty()) return false;
    calls.clearObjects();
    if (!calls.design(definition, true)) return false;
    return storeRow(table, true, definition, dir + definition.layoutFile, calls);
}

bool modifyLayout(TTable& table, const LayoutDesignerCalls& calls, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || !table.hasCurrentRecord()) return false;
    LabelDefinition definition = readLabelDefinition(table);
    calls.clearObjects();
    if (fileExists(dir, definition.layoutFile)) {
        calls.loadObjects(layoutFilePath(dir, definition.layoutFile));
    } else {
        // A vanished file starts an empty design under a name of its own.
        definition.layoutFile = nextLayoutFileName(dir);
        if (definition.layoutFile.isEmpty()) return false;
    }
    if (!calls.design(definition, false)) return false;
    return storeRow(table, false, definition, layoutFilePath(dir, definition.layoutFile), calls);
}

bool cloneLayout(TTable& table, const LayoutDesignerCalls& calls, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || !table.hasCurrentRecord()) return false;
    LabelDefinition definition = readLabelDefinition(table);
    if (!pc::data::confirmRowAction(QStringLiteral("Clone"), definition.description,
                                    QStringLiteral("CLONE")))
        return false;
    calls.clearObjects();
    if (!fileExists(dir, definition.layoutFile)) {
        pc::text::messages().inform(
            QStringLiteral("Label definition file has been removed from the sysdata directory"));
        return false;
    }
    if (!calls.loadObjects(layoutFilePath(dir, definition.layoutFile))) return false;
    definition.description =
        (QStringLiteral("Clone of :") + definition.description).left(kDescriptionLength);
    definition.layoutFile = nextLayoutFileName(dir);
    if (definition.layoutFile.isEmpty()) return false;
    return storeRow(table, true, definition, dir + definition.layoutFile, calls);
}

bool deleteLayout(TTable& table, const QString& folder) {
    const QString dir = layoutFolder(folder);
    if (!table.active() || !table.hasCurrentRecord()) return false;
    const LabelDefinition definition = readLabelDefinition(table);
    if (!pc::data::confirmRowAction(QStringLiteral("Delete"), definition.description,
                                    QStringLiteral("DELETE")))
        return false;
    return pc::data::deleteRowAndFile(table, fileExists(dir, definition.layoutFile)
                                                 ? layoutFilePath(dir, definition.layoutFile)
                                                 : QString());
}

}  // namespace pc::labels
