#include "records/record_tagging.h"

#include "data/t_table.h"

namespace pc::app {

using pc::data::TDataSetState;

namespace {

bool editing(const pc::data::TTable& table) {
    return table.state() == TDataSetState::Edit || table.state() == TDataSetState::Insert;
}

}  // namespace

void toggleTag(pc::data::TTable& table, const QString& globalTagId) {
    const bool wasEditing = editing(table);
    if (!wasEditing) table.edit();
    pc::data::TField& tag = table.fieldByName("TAG");
    tag.setText(tag.text() == globalTagId ? QString() : globalTagId);
    if (!wasEditing) table.post();
}

int tagAllMatches(pc::data::TTable& table, const QString& globalTagId,
                  const std::function<bool(int count)>& tagged) {
    int count = 0;
    table.first();
    while (table.hasCurrentRecord() && !table.eof()) {
        const int recno = table.recNo();
        table.edit();
        table.fieldByName("TAG").setText(globalTagId);
        table.post();
        table.next();
        ++count;
        const bool more = tagged ? tagged(count) : true;
        // next() on the last record stays on it.
        if (!more || table.recNo() == recno) break;
    }
    return count;
}

}  // namespace pc::app
