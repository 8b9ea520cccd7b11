#include "labels/label_layout_operations.h"

#include <QFile>
#include <QFileInfo>

#include "data/data_error.h"
#include "data/t_table.h"
#include "labels/layout_file_names.h"
#include "text/message_service.h"
#include "text/program_paths.h"

namespace pc::labels {

namespace {

using pc::data::DataError;
using pc::data::TTable;

QString layoutFolder(const QString& folder) {
    if (folder.isEmpty()) return pc::text::sysdataDir();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool fileExists(const QString& folder, const QString& name) {
    return !name.trimmed().isEmpty() && QFileInfo(layoutFilePath(folder, name)).isFile();
}

QString quoted(const QString& verb, const QString& description) {
    return verb + QStringLiteral(" \"") + description + QStringLiteral("\"?");
}

void report(const DataError& error) {
    pc::text::messages().error(error.message(), QStringLiteral("Postcraft"));
}

// The row and the file go together: when the file cannot be written the
// row is dropped again, so the list never shows a layout that was not kept.
bool storeRow(TTable& table, bool append, const LabelDefinition& definition, const QString& path,
              const LayoutDesignerCalls& calls) {
    try {
        if (append) {
            table.insert();
        } else {
            table.edit();
        }
        writeLabelDefinition(definition, table);
        if (!calls.saveObjects(path)) {
            table.cancel();
            return false;
        }
        table.post();
        return true;
    } catch (const DataError& error) {
        try {
            if (table.state() != pc::data::TDataSetState::Browse) table.cancel();
        } catch (const DataError&) {
            // The first failure is the one worth telling.
        }
        report(error);
        return false;
    }
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
    if (!pc::text::messages().ask(quoted(QStringLiteral("Clone"), definition.description),
                                  QStringLiteral("CLONE"))) {
        return false;
    }
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
    if (!pc::text::messages().ask(quoted(QStringLiteral("Delete"), definition.description),
                                  QStringLiteral("DELETE"))) {
        return false;
    }
    try {
        table.deleteRecord();
    } catch (const DataError& error) {
        report(error);
        return false;
    }
    if (fileExists(dir, definition.layoutFile)) {
        QFile::remove(layoutFilePath(dir, definition.layoutFile));
    }
    return true;
}

}  // namespace pc::labels
