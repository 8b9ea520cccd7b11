#include "records/memo_search.h"

#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/text_utils.h"

namespace pc::app {

void MemoSearch::start(const QString& text) {
    text_ = text;
    found_ = false;
}

bool MemoSearch::find(pc::data::TTable& table, pc::data::TApollo& apollo, bool first,
                      const std::function<bool()>& keepGoing) {
    const int remembered = apollo.recNo();
    found_ = false;
    if (first) {
        table.first();
    } else {
        const int before = table.recNo();
        table.next();
        // next() on the last record stays there: nothing after it.
        if (table.recNo() == before) {
            if (remembered > 0) apollo.go(remembered);
            return false;
        }
    }
    while (table.hasCurrentRecord()) {
        if (keepGoing && !keepGoing()) break;
        const pc::data::TField* memo = table.findField("MEMO");
        if (memo && pc::text::memoContains(memo->text(), text_)) {
            found_ = true;
            return true;
        }
        const int recno = table.recNo();
        table.next();
        if (table.recNo() == recno) break;
    }
    if (remembered > 0) apollo.go(remembered);
    return false;
}

}  // namespace pc::app
