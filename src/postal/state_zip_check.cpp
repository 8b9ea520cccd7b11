#include "postal/state_zip_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/engine_setting_guards.h"
#include "data/row_reader.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::postal {

bool StateRanges::load(data::TTable& table, data::TApollo& engine, QString* error) {
    ranges_.clear();
    if (!table.active()) {
        if (error) *error = QStringLiteral("The state table is not open");
        return false;
    }
    int order = engine.tagArea(QStringLiteral("STATE"));
    if (order == 0) order = engine.indexTag(QStringLiteral("STATE"), QStringLiteral("UPPER(state)"));
    // A table whose folder takes no index (a read-only install) is read in
    // record order: equal keys of the tag are in record order too, so the
    // first row of each state is the same.
    data::OrderSetting byState(engine, order);
    data::RowReader rows(table);
    const QString state = QStringLiteral("STATE"), low = QStringLiteral("LOW_ZIP"),
                  high = QStringLiteral("HIGH_ZIP");
    for (rows.goTop(); !rows.eof(); rows.skip(1)) {
        const QString key = rows.text(state).toUpper();
        if (!ranges_.contains(key)) ranges_.insert(key, {rows.text(low), rows.text(high)});
    }
    return true;
}

bool StateRanges::accepts(const QString& state, const QString& zip) const {
    auto it = ranges_.constFind(state);
    return it != ranges_.constEnd() && zip >= it->low && zip <= it->high;
}

StateZipCheck::StateZipCheck(data::TTable& addresses, data::TApollo& engine)
    : addresses_(addresses), engine_(engine) {}

StateZipCheck::~StateZipCheck() {
    removeIndex();
}

QString StateZipCheck::indexPath() const {
    return QFileInfo(addresses_.path()).absoluteDir().filePath(QLatin1String(kStateZipIndexFile));
}

bool StateZipCheck::run(const StateRanges& ranges, bool includeBlanks, const Progress& progress) {
    removeIndex();
    records_.clear();
    stopped_ = false;
    error_.clear();
    order_ = engine_.indexEmpty(indexPath(), QLatin1String(kStateZipIndexKey));
    if (order_ == 0) {
        error_ = engine_.lastError();
        return false;
    }
    const int total = engine_.queryRecCount();
    data::OrderSetting natural(engine_, 0);
    data::RowReader rows(addresses_);
    const QString stateField = QStringLiteral("STATE"), zipField = QStringLiteral("ZIP");
    int done = 0;
    for (rows.goTop(); !rows.eof(); rows.skip(1)) {
        ++done;
        const int recno = rows.recNo();
        const QString state = rows.text(stateField), zip = rows.text(zipField);
        const bool considered =
            !rows.deleted() && (includeBlanks || (!state.isEmpty() && !zip.isEmpty()));
        if (considered && !ranges.accepts(state, zip)) {
            // The reader rests on the record, so the engine adds its key.
            if (!engine_.keyAdd(order_)) {
                error_ = engine_.lastError();
                return false;
            }
            records_ << recno;
        }
        if (progress && !progress(recno, done, total, static_cast<int>(records_.size()))) {
            stopped_ = true;
            break;
        }
    }
    return true;
}

void StateZipCheck::removeIndex() {
    if (order_ == 0) return;
    engine_.indexClose(order_, true);
    order_ = 0;
}

}  // namespace pc::postal
