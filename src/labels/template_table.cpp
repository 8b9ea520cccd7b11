#include "labels/template_table.h"

#include <QFileInfo>

#include "data/data_error.h"
#include "data/system_tables.h"
#include "data/t_table.h"
#include "labels/label_tables.h"
#include "text/program_paths.h"

namespace pc::labels {

namespace {
const QString kTemplateFile = QStringLiteral("LBLTPL.DBF");
}

bool provideTemplateTable(const QString& homeFolder, const QString& installedFolder) {
    const QString home = homeFolder.isEmpty() ? pc::text::sysdataDir() : homeFolder;
    const QString target = pc::text::findNoCase(home, kTemplateFile);
    if (QFileInfo(target).isFile()) return true;
    const QString from =
        installedFolder.isEmpty() ? pc::text::installedSysdataDir() : installedFolder;
    if (from.isEmpty()) return false;
    const QString source = pc::text::findNoCase(from, kTemplateFile);
    if (!QFileInfo(source).isFile()) return false;
    return pc::text::copyDeliveredFile(source, target);
}

bool openTemplateTable(pc::data::TTable& table) {
    if (!pc::data::findSystemTable(kTemplateFile)) registerLabelTables();
    provideTemplateTable();
    if (!pc::data::openSystemTable(kTemplateFile, table)) return false;
    try {
        table.setOrderTagName(QStringLiteral("DESCRIPT"));
        table.first();
    } catch (const pc::data::DataError&) {
        // Physical order still lists every stock.
    }
    return true;
}

}  // namespace pc::labels
