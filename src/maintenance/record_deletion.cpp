#include "maintenance/record_deletion.h"

#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "data/t_table.h"

namespace pc::maintenance {

int deleteRecords(data::TTable& table, DeleteScope scope, const QString& filter,
                  const text::Progress& progress) {
    table.checkBrowseMode();
    data::TApollo engine(&table);
    if (scope == DeleteScope::All || filter.trimmed().isEmpty()) {
        const int count = engine.recCount();
        if (!engine.zap())
            throw data::DataError("Cannot delete the records: " + engine.lastError());
        table.resync();
        text::report(progress, count, count);
        return count;
    }
    // Records deleted before are left out, so the count says what this run did.
    const QString selection =
        scope == DeleteScope::Matching ? "(" + filter + ")" : ".not.(" + filter + ")";
    data::DeletedFilterSetting hideDeleted(true);
    data::QuerySetting query(engine, selection + ".and.!ISDEL");
    if (!query.ok()) throw data::DataError("The filter cannot be used: " + engine.lastError());
    const int total = engine.queryRecCount();
    int count = 0;
    data::TField& isdel = table.fieldByName(QStringLiteral("ISDEL"));
    for (table.first(); table.hasCurrentRecord() && !table.eof(); table.next()) {
        table.edit();
        isdel.setAsBoolean(true);
        table.post();
        table.deleteRecord();
        ++count;
        text::report(progress, count, total);
        if (count >= total) break;
    }
    return count;
}

QString deletedMessage(int count) {
    return "Deleted " + QString::number(count) + " records";
}

}  // namespace pc::maintenance
