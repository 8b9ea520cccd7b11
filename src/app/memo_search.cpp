#include "app/memo_search.h"

#include "data/key_text.h"
#include "data/record_source.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::app {

void MemoSearch::start(const QString& text) {
    text_ = text;
    found_ = false;
}

bool MemoSearch::find(pc::data::TTable& table, pc::data::TApollo& apollo, bool first,
                      const pc::text::Progress& progress) {
    const int remembered = apollo.recNo();
    found_ = false;
    pc::data::RecordSource records(table);
    int looked = 0;
    for (bool more = first ? records.first() : records.next(); more; more = records.next()) {
        if (!pc::text::report(progress, looked++, 0)) break;
        const pc::data::TField* memo = table.findField("MEMO");
        if (memo && pc::data::memoContains(memo->text(), text_)) {
            found_ = true;
            return true;
        }
    }
    if (remembered > 0 && apollo.recNo() != remembered) apollo.go(remembered);
    return false;
}

}  // namespace pc::app
