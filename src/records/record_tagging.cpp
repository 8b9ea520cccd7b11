#include "records/record_tagging.h"

#include "data/record_source.h"
#include "data/t_table.h"

namespace pc::records {

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
                  const pc::text::Progress& progress) {
    pc::data::RecordSource records(table);
    const int total = progress ? records.count() : 0;
    int count = 0;
    for (bool more = records.first(); more; more = records.next()) {
        records.setValue("TAG", globalTagId);
        ++count;
        if (!pc::text::report(progress, count, total)) break;
    }
    return count;
}

}  // namespace pc::records
