#include "data/record_source.h"

#include "data/row_reader.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::data {

namespace {

const QString kTagField = QStringLiteral("TAG");

}  // namespace

RecordSource::RecordSource(TTable& table, RecordRange range, QString tagId)
    : table_(table), range_(range), tagId_(std::move(tagId)) {
    if (range_ == RecordRange::FromCurrent && table_.hasCurrentRecord()) start_ = table_.recNo();
}

bool RecordSource::chosen() const {
    if (!table_.hasCurrentRecord()) return false;
    if (range_ != RecordRange::Tagged) return true;
    const TField* tag = table_.findField(kTagField);
    return tag && !tagId_.isEmpty() && tag->text() == tagId_;
}

bool RecordSource::step(bool forward) {
    const int before = table_.recNo();
    if (forward) {
        table_.next();
        return !table_.eof() && table_.recNo() != before;
    }
    if (range_ == RecordRange::FromCurrent && before == start_) return false;
    table_.prior();
    return !table_.bof() && table_.recNo() != before;
}

bool RecordSource::settle(bool forward) {
    if (!table_.hasCurrentRecord()) return at_ = false;
    while (!chosen()) {
        if (!step(forward)) return at_ = false;
    }
    return at_ = true;
}

bool RecordSource::first() {
    if (range_ == RecordRange::FromCurrent) {
        at_ = start_ > 0 && TApollo(&table_).go(start_);
        return at_;
    }
    table_.first();
    return settle(true);
}

bool RecordSource::last() {
    if (range_ == RecordRange::FromCurrent && start_ == 0) return at_ = false;
    table_.last();
    return settle(false);
}

bool RecordSource::next() {
    if (!table_.hasCurrentRecord()) return at_ = false;
    const int from = table_.recNo();
    while (step(true)) {
        if (chosen()) return at_ = true;
    }
    // Nothing after: stay on the record the walk came from.
    if (table_.recNo() != from) TApollo(&table_).go(from);
    return at_ = false;
}

bool RecordSource::prior() {
    if (!table_.hasCurrentRecord()) return at_ = false;
    const int from = table_.recNo();
    while (step(false)) {
        if (chosen()) return at_ = true;
    }
    if (table_.recNo() != from) TApollo(&table_).go(from);
    return at_ = false;
}

int RecordSource::count() const {
    if (!table_.active()) return 0;
    if (range_ == RecordRange::All) return TApollo(&table_).queryRecCount();
    if (range_ == RecordRange::FromCurrent && start_ == 0) return 0;
    if (range_ == RecordRange::Tagged && tagId_.isEmpty()) return 0;
    RowReader rows(table_);
    int n = 0;
    if (range_ == RecordRange::FromCurrent) {
        for (rows.go(start_); !rows.eof(); rows.skip(1)) ++n;
    } else {
        for (rows.goTop(); !rows.eof(); rows.skip(1))
            if (rows.text(kTagField) == tagId_) ++n;
    }
    return n;
}

int RecordSource::recNo() const {
    return at_ ? table_.recNo() : 0;
}

QString RecordSource::value(const QString& field) const {
    return table_.fieldByName(field).text();
}

}  // namespace pc::data
