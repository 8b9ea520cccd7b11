#include "records/memo_search.h"

#include "data/key_text.h"
#include "data/record_source.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::records {

void MemoSearch::start(const QString& text) {
    text_ = text;
    found_ = false;
}

bool MemoSearch::find(pc::data::TTable& table, pc::data::TApollo& apollo, bool first,
                      const pc::text::Progress& progress) {
    const int remembered = apollo.recNo();
    found_ = lookFrom(table, first, progress);
    if (!found_ && remembered > 0 && apollo.recNo() != remembered) apollo.go(remembered);
    return found_;
}

bool MemoSearch::lookFrom(pc::data::TTable& table, bool first,
                          const pc::text::Progress& progress) const {
    if (!table.findField("MEMO")) return false;
    // "Find Next" starts after the current record.
    pc::data::RecordSource records(
        table, first ? pc::data::RecordRange::All : pc::data::RecordRange::FromCurrent);
    int looked = 0;
    for (bool more = records.first() && (first || records.next()); more; more = records.next()) {
        if (!pc::text::report(progress, looked++, 0)) break;
        if (pc::data::memoContains(records.value("MEMO"), text_)) return true;
    }
    return false;
}

}  // namespace pc::records
