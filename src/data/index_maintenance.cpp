#include "data/index_maintenance.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "data/address_database.h"
#include "data/data_error.h"
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
    if (progress.gauge) apollo.setGaugeHook(progress.gauge);
    const bool packed = apollo.pack();
    apollo.setGaugeHook({});
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
    TagGauge gauge;
    const bool ok = createAddressTags(table, [&](int tag, int percent) {
        const int value = gauge.report(tag, percent);
        if (progress.gauge) progress.gauge(value);
    });
    try {
        table.first();
    } catch (const DataError&) {
        // An empty table has no first record; the caller selects an order next.
    }
    return ok;
}

const std::vector<SystemIndexJob>& systemIndexJobs() {
    static const std::vector<SystemIndexJob> jobs = {
        {"Rebuilding Letters File indexes", "LETTER.DBF", "DESCRIPT", "UPPER(DESCRIPT)"},
        {"Rebuilding Label File indexes", "LABEL.DBF", "DESCRIPT", "UPPER(DESCRIPT)"},
        {"Rebuilding State/Province File indexes", "CSZ.DBF", "STATE", "UPPER(STATE)"},
        {"Rebuilding Label Setup File indexes", "LBLTPL.DBF", "DESCRIPT", "UPPER(descript)"},
        {"Rebuilding Envelope File indexes", "ENVELOPE.DBF", "DESCRIPT", "UPPER(descript)"},
        {"Rebuilding Report File indexes", "REPORT.DBF", "DESCRIPT", "UPPER(descript)"},
    };
    return jobs;
}

namespace {

bool rebuildSystemTable(const SystemIndexJob& job, const SystemRebuildProgress& progress) {
    const QString path = pc::text::findNoCase(pc::text::sysdataDir(), job.fileName);
    if (!QFileInfo::exists(path)) return false;
    TTable table;
    table.setFolder(pc::text::sysdataDir());
    table.setFileName(QFileInfo(path).fileName());
    table.setExclusive(true);
    // A damaged index may lack the tag: the table then opens in physical order.
    table.setOrderTagName(QString::fromLatin1(job.tag));
    try {
        table.open();
    } catch (const DataError&) {
        return false;
    }
    TApollo apollo(&table);
    const QString indexFile = indexFileOf(table, apollo);
    apollo.closeIndexes();
    QFile::remove(indexFile);
    if (progress.gauge) apollo.setGaugeHook(progress.gauge);
    const bool ok = apollo.pack() && apollo.indexTag(QString::fromLatin1(job.tag),
                                                     QString::fromLatin1(job.expression)) > 0;
    apollo.setGaugeHook({});
    table.close();
    return ok;
}

}  // namespace

int rebuildSystemIndexes(const SystemRebuildProgress& progress) {
    int rebuilt = 0;
    for (const SystemIndexJob& job : systemIndexJobs()) {
        if (progress.status) progress.status(QString::fromLatin1(job.status));
        if (progress.gauge) progress.gauge(0);
        if (rebuildSystemTable(job, progress)) ++rebuilt;
    }
    return rebuilt;
}

}  // namespace pc::data
