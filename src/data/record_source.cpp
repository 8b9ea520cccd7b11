#include "data/record_source.h"

#include "data/data_error.h"
#include "data/selected_area.h"
#include "data/t_table.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {

constexpr char kTagField[] = "TAG";

QString engineError() {
    return QString::fromStdString(sx_LastError());
}

}  // namespace

RecordSource::RecordSource(TTable& table, RecordRange range, QString tagId)
    : table_(table), range_(range), tagId_(std::move(tagId)), tagUtf8_(tagId_.toUtf8()) {
    table_.checkBrowseMode();
    if (range_ == RecordRange::FromCurrent && table_.hasCurrentRecord()) start_ = table_.recNo();
}

RecordSource::~RecordSource() {
    if (!table_.active()) return;
    try {
        if (written_) {
            SelectedArea selected(table_.workArea());
            sx_Commit();
        }
        if ((moved_ || written_) && !synced_) table_.resync();
    } catch (const DataError&) {
        // Going away: the table object catches up at its next move.
    }
}

bool RecordSource::chosen() const {
    if (sx_Eof()) return false;
    if (range_ != RecordRange::Tagged) return true;
    return !tagId_.isEmpty() && sx_GetTrimString(kTagField) == tagUtf8_.constData();
}

// One chosen record on from the engine's record; false (and back on the
// record it started from) when there is none.
bool RecordSource::stepFrom(bool forward) {
    const int from = sx_RecNo();
    for (;;) {
        if (!forward && range_ == RecordRange::FromCurrent && sx_RecNo() == start_) break;
        sx_Skip(forward ? 1 : -1);
        if (forward ? sx_Eof() : sx_Bof()) break;
        if (chosen()) return true;
    }
    sx_Go(from);
    return false;
}

// From the engine's record on to the first chosen one in the direction.
bool RecordSource::settle(bool forward) {
    moved_ = true;
    synced_ = false;
    if (sx_Eof()) return at_ = false;
    if (chosen()) return at_ = true;
    return at_ = stepFrom(forward);
}

bool RecordSource::first() {
    if (!table_.active()) return at_ = false;
    SelectedArea selected(table_.workArea());
    if (range_ == RecordRange::FromCurrent) {
        if (start_ == 0) return at_ = false;
        sx_Go(start_);
    } else {
        sx_GoTop();
    }
    return settle(true);
}

bool RecordSource::last() {
    if (!table_.active() || (range_ == RecordRange::FromCurrent && start_ == 0)) return at_ = false;
    SelectedArea selected(table_.workArea());
    sx_GoBottom();
    return settle(false);
}

bool RecordSource::next() {
    if (!at_) return false;
    SelectedArea selected(table_.workArea());
    if (!stepFrom(true)) return false;
    synced_ = false;
    return true;
}

bool RecordSource::prior() {
    if (!at_) return false;
    SelectedArea selected(table_.workArea());
    if (!stepFrom(false)) return false;
    synced_ = false;
    return true;
}

int RecordSource::count() const {
    if (!table_.active()) return 0;
    if (range_ == RecordRange::FromCurrent && start_ == 0) return 0;
    if (range_ == RecordRange::Tagged && tagId_.isEmpty()) return 0;
    SelectedArea selected(table_.workArea());
    if (range_ == RecordRange::All) return sx_QueryRecCount();
    const int saved = sx_RecNo();
    const bool savedAtEnd = sx_Eof();
    int n = 0;
    if (range_ == RecordRange::FromCurrent) {
        for (sx_Go(start_); !sx_Eof(); sx_Skip(1)) ++n;
    } else {
        for (sx_GoTop(); !sx_Eof(); sx_Skip(1))
            if (chosen()) ++n;
    }
    if (savedAtEnd) {
        sx_GoBottom();
        sx_Skip(1);
    } else {
        sx_Go(saved);
    }
    return n;
}

int RecordSource::recNo() const {
    if (!at_) return 0;
    SelectedArea selected(table_.workArea());
    return sx_RecNo();
}

QString RecordSource::value(const QString& field) const {
    const TField& f = table_.fieldByName(field);
    if (!at_) return {};
    if (!f.calculated()) return table_.engineText(f);
    if (!synced_) {
        table_.resync();
        synced_ = true;
    }
    return f.text();
}

void RecordSource::setValue(const QString& field, const QString& text) {
    const TField& f = table_.fieldByName(field);
    if (f.calculated())
        throw DataError("Field '" + f.name() + "' is calculated and cannot be modified");
    if (!at_) throw DataError(QStringLiteral("There is no current record to change"));
    SelectedArea selected(table_.workArea());
    const int recno = sx_RecNo();
    if (!sx_Replace(f.name().toUtf8().constData(), text.toUtf8().constData())) {
        const QString why = engineError();
        throw DataError("Cannot store '" + text + "' in field " + f.name() +
                        (why.isEmpty() ? QString() : ": " + why));
    }
    // Going to the record writes it and its keys, without the disk sync.
    sx_Go(recno);
    written_ = true;
    synced_ = false;
    if (!sx_LastError().empty()) throw DataError("Cannot save the record: " + engineError());
}

}  // namespace pc::data
