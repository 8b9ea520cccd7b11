#include "maintenance/case_converter.h"

#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/record_source.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::maintenance {

ConversionResult convertRecords(data::TTable& table, const QStringList& fields,
                                CaseConversion conversion, ConversionScope scope,
                                const QString& filterQuery, const text::Progress& progress) {
    ConversionResult result;
    const QStringList ordered = inConversionOrder(fields);
    if (ordered.isEmpty()) return result;
    table.checkBrowseMode();
    if (scope == ConversionScope::CurrentRecord) {
        if (!table.hasCurrentRecord()) return result;
        table.edit();
        bool changed = false;
        for (const QString& f : ordered) {
            data::TField* field = table.findField(f);
            if (!field) continue;
            const QString after = convertCase(field->text(), conversion);
            if (after == field->text()) continue;
            field->setText(after);
            changed = true;
        }
        table.post();
        result.converted = 1;
        result.changed = changed ? 1 : 0;
        return result;
    }
    const int remembered = table.recNo();
    data::TApollo engine(&table);
    {
        data::QuerySetting query(engine, scope == ConversionScope::AllRecords
                                             ? QString::fromLatin1(data::kNotDeletedQuery)
                                             : filterQuery);
        if (!query.ok()) throw data::DataError("The filter cannot be used: " + engine.lastError());
        data::RecordSource records(table);
        const int total = records.count();
        for (bool at = records.first(); at; at = records.next()) {
            bool changed = false;
            for (const QString& f : ordered) {
                if (!table.findField(f)) continue;
                const QString before = records.value(f);
                const QString after = convertCase(before, conversion);
                if (after == before) continue;
                records.setValue(f, after);
                changed = true;
            }
            ++result.converted;
            if (changed) ++result.changed;
            if (!text::report(progress, result.converted, total)) {
                result.stopped = true;
                break;
            }
        }
    }
    if (remembered > 0) engine.go(remembered);
    return result;
}

}  // namespace pc::maintenance
