#include "data/system_tables.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {

std::vector<SystemTableSpec>& registry() {
    static std::vector<SystemTableSpec> tables;
    return tables;
}

// The one tag a system table gets when its compound index is missing.
void ensureIndex(const SystemTableSpec& spec, TTable& table) {
    const QFileInfo info(table.path());
    const QString cdx =
        pc::text::findNoCase(table.folder(), info.completeBaseName() + QStringLiteral(".CDX"));
    if (QFileInfo::exists(cdx) || spec.tag.isEmpty()) return;
    TApollo apollo(&table);
    apollo.indexTag(spec.tag, spec.tagExpression);
}

bool openInto(TTable& table) {
    try {
        table.open();
        return true;
    } catch (const DataError&) {
        return false;
    }
}

}  // namespace

void registerSystemTable(SystemTableSpec spec) {
    auto& tables = registry();
    for (SystemTableSpec& known : tables) {
        if (known.fileName.compare(spec.fileName, Qt::CaseInsensitive) == 0) {
            known = std::move(spec);
            return;
        }
    }
    tables.push_back(std::move(spec));
}

const SystemTableSpec* findSystemTable(const QString& fileName) {
    for (const SystemTableSpec& known : registry())
        if (known.fileName.compare(fileName, Qt::CaseInsensitive) == 0) return &known;
    return nullptr;
}

std::vector<SystemTableSpec> registeredSystemTables() {
    std::vector<SystemTableSpec> tables = registry();
    std::stable_sort(tables.begin(), tables.end(),
                     [](const SystemTableSpec& a, const SystemTableSpec& b) {
                         return a.rebuildPosition < b.rebuildPosition;
                     });
    return tables;
}

bool systemTableCreatable(const QString& fileName) {
    const SystemTableSpec* spec = findSystemTable(fileName);
    return spec && !spec->fields.empty();
}

QString systemTableFailureMessage(const QString& fileName) {
    const SystemTableSpec* spec = findSystemTable(fileName);
    if (spec && !spec->failureMessage.isEmpty()) return spec->failureMessage;
    return "Unable to Open or Create " + (spec ? spec->fileName : fileName);
}

bool createSystemTable(const QString& fileName, const QString& path) {
    const SystemTableSpec* spec = findSystemTable(fileName);
    if (!spec || spec->fields.empty()) return false;
    const auto& fields = spec->fields;
    const QByteArray file = path.toUtf8();
    const int previous = sx_Select(0);
    bool ok = sx_CreateNew(file.constData(), sx_DefaultAlias(file.constData()).c_str(),
                           pc::xbase::kDriverCdx, static_cast<int>(fields.size())) != 0;
    for (const SystemTableField& f : fields)
        if (ok) ok = sx_CreateField(f.name, f.type, f.width, f.decimals);
    const int area = ok ? sx_CreateExec() : 0;
    if (area) {
        sx_Select(area);
        sx_Close();
    }
    sx_Select(previous);
    return area != 0;
}

bool openSystemTable(const QString& fileName, TTable& table) {
    table.close();
    const SystemTableSpec* spec = findSystemTable(fileName);
    const QString dir = pc::text::sysdataDir();
    const QString path = pc::text::findNoCase(dir, spec ? spec->fileName : fileName);
    const QFileInfo info(path);
    table.setFolder(info.absolutePath() + '/');
    table.setFileName(info.fileName());
    bool open = openInto(table);
    if (!open && systemTableCreatable(fileName) && !info.exists()) {
        table.setExclusive(true);
        open = createSystemTable(fileName, path) && openInto(table);
    }
    if (!open) {
        pc::text::messages().inform(systemTableFailureMessage(fileName));
        return false;
    }
    if (spec) ensureIndex(*spec, table);
    return true;
}

bool openListedSystemTable(const QString& fileName, TTable& table) {
    if (!openSystemTable(fileName, table)) return false;
    TApollo engine(&table);
    engine.setQuery(QStringLiteral("not DELETED()"));
    engine.setOrder(1);
    table.first();
    return true;
}

}  // namespace pc::data
