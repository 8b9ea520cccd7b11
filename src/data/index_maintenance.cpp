#include "data/index_maintenance.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "data/address_database.h"
#include "data/data_error.h"
#include "data/system_tables.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/program_paths.h"

namespace pc::data {

int TagGauge::report(int tagIndex, int percent) {
    if (tagIndex != tag_) {
        tag_ = tagIndex;
        lastPercent_ = 0;
    }
    percent = std::clamp(percent, 0, 100);
    sum_ += percent - lastPercent_;
    lastPercent_ = percent;
    return std::min(100, rebuildGaugePercent(sum_));
}

namespace {

// The index file the table has open, else the .CDX beside it.
QString indexFileOf(const TTable& table, const TApollo& apollo) {
    const QString open = apollo.indexName();
    if (!open.isEmpty()) return open;
    const QFileInfo info(table.path());
    return pc::text::findNoCase(info.absolutePath(), info.completeBaseName() + ".CDX");
}

}  // namespace

bool rebuildAddressIndexes(TTable& table, const RebuildProgress& progress) {
    if (!table.active()) return false;
    TApollo apollo(&table);
    if (progress.step) progress.step(RebuildStep::Packing);
    const QString indexFile = indexFileOf(table, apollo);
    // The old index goes only after the pack has succeeded: a pack refused
    // (read-only folder, full disk) or killed leaves it to be rebuilt.
    apollo.closeIndexes();
    apollo.setProgress(progress.gauge);
    const bool packed = apollo.pack();
    apollo.setProgress({});
    if (!packed) {
        pc::text::messages().inform("Unable to rebuild the indexes of " + table.path() + ": " +
                                    apollo.lastError());
        return false;
    }
    if (QFileInfo::exists(indexFile) && !QFile::remove(indexFile)) {
        pc::text::messages().inform("Unable to rebuild the indexes of " + table.path() +
                                    ": cannot remove " + indexFile);
        return false;
    }

    if (progress.step) progress.step(RebuildStep::Indexing);
    // The gauge runs over all 26 tags: the sum of their percentages, /21.
    const bool ok = createAddressTags(table, [&](int done, int) {
        return pc::text::report(progress.gauge, std::min(100, rebuildGaugePercent(done)), 100);
    });
    try {
        table.first();
    } catch (const DataError&) {
        // An empty table has no first record; the caller selects an order next.
    }
    return ok;
}

namespace {

bool rebuildSystemTable(const SystemTableSpec& spec, const SystemRebuildProgress& progress) {
    const QString path = pc::text::findNoCase(pc::text::sysdataDir(), spec.fileName);
    if (!QFileInfo::exists(path)) return false;
    TTable table;
    table.setFolder(pc::text::sysdataDir());
    table.setFileName(QFileInfo(path).fileName());
    table.setExclusive(true);
    // A damaged index may lack the tag: the table then opens in physical order.
    table.setOrderTagName(spec.tag);
    try {
        table.open();
    } catch (const DataError&) {
        return false;
    }
    TApollo apollo(&table);
    const QString indexFile = indexFileOf(table, apollo);
    apollo.closeIndexes();
    QFile::remove(indexFile);
    apollo.setProgress(progress.gauge);
    const QString expression =
        spec.rebuildExpression.isEmpty() ? spec.tagExpression : spec.rebuildExpression;
    const bool ok = apollo.pack() && apollo.indexTag(spec.tag, expression) > 0;
    apollo.setProgress({});
    table.close();
    return ok;
}

}  // namespace

int rebuildSystemIndexes(const SystemRebuildProgress& progress) {
    int rebuilt = 0;
    for (const SystemTableSpec& spec : registeredSystemTables()) {
        if (progress.status) progress.status(spec.rebuildStatus);
        pc::text::report(progress.gauge, 0, 100);
        if (rebuildSystemTable(spec, progress)) ++rebuilt;
    }
    return rebuilt;
}

}  // namespace pc::data
