#include "import/import_destination.h"

#include <QFile>
#include <QFileInfo>

#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "data/t_table.h"

namespace pc::import {

using pc::data::TField;
using pc::data::TFieldType;
using pc::data::TTable;

bool openDestination(const QString& path, TTable& destination, const TTable* look) {
    TTable usual;
    if (!look) {
        pc::data::defineAddressFields(usual, {});
        look = &usual;
    }
    if (destination.active()) destination.close();
    destination.clearFields();
    const QFileInfo info(path);
    destination.setFolder(info.absolutePath());
    destination.setFileName(info.fileName());
    destination.setOrderTagName({});
    destination.setExclusive(true);
    try {
        destination.open();
    } catch (const pc::data::DataError&) {
        return false;
    }
    for (int i = 0; i < destination.fieldCount(); ++i) {
        TField& f = destination.field(i);
        const TField* model = look->findField(f.name());
        if (!model || model->calculated()) continue;
        f.setDisplayLabel(model->displayLabel());
        f.setVisible(model->visible());
    }
    return true;
}

TField* FieldByDisplayLabel(const TTable& table, const QString& label) {
    const QString wanted = label.toUpper();
    for (int i = 0; i < table.fieldCount(); ++i)
        if (table.field(i).displayLabel().toUpper() == wanted) return &table.field(i);
    return nullptr;
}

TField* fieldByNameOrLabel(const TTable& table, const QString& nameOrLabel) {
    if (TField* f = table.findField(nameOrLabel)) return f;
    return FieldByDisplayLabel(table, nameOrLabel);
}

std::vector<TField*> textDestinationFields(const TTable& table) {
    std::vector<TField*> fields;
    for (int i = 0; i < table.fieldCount(); ++i) {
        TField& f = table.field(i);
        if (!f.calculated() && f.visible() && f.type() == TFieldType::String) fields.push_back(&f);
    }
    return fields;
}

bool dropIndexFile(TTable& table) {
    pc::data::TApollo apollo(&table);
    const QString index = apollo.indexName();
    if (index.isEmpty()) return true;
    apollo.closeIndexes();
    return !QFileInfo::exists(index) || QFile::remove(index);
}

bool rebuildAfterImport(TTable& table, const std::function<void(const QString&)>& status,
                        const pc::text::Progress& gauge) {
    if (status) status(QStringLiteral("Rebuilding Indexes "));
    const bool ok = pc::data::createAddressTags(table, gauge);
    if (status) status({});
    return ok;
}

}  // namespace pc::import
