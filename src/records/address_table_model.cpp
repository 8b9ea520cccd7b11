#include "records/address_table_model.h"

#include <algorithm>
#include <cstdlib>

#include "data/data_error.h"
#include "data/row_reader.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "records/record_tagging.h"
#include "text/stored_date.h"

namespace pc::records {

using pc::data::TField;
using pc::data::TFieldType;

AddressTableModel::AddressTableModel(pc::data::TTable* table, std::function<QString()> globalTagId,
                                     QObject* parent)
    : QAbstractTableModel(parent), table_(table), globalTagId_(std::move(globalTagId)) {
    QStringList all;
    for (int i = 0; i < table_->fieldCount(); ++i) all << table_->field(i).name();
    setFieldOrder(all);
}

void AddressTableModel::setFieldOrder(const QStringList& fields) {
    beginResetModel();
    order_.clear();
    for (const QString& name : fields) {
        const TField* f = table_->findField(name);
        if (f && !order_.contains(f->name())) order_ << f->name();
    }
    for (int i = 0; i < table_->fieldCount(); ++i)
        if (!order_.contains(table_->field(i).name())) order_ << table_->field(i).name();
    columns_.clear();
    for (const QString& name : order_)
        if (table_->fieldByName(name).visible()) columns_ << name;
    cache_.clear();
    anchors_.clear();
    count_ = table_->active() ? pc::data::TApollo(table_).queryRecCount() : 0;
    endResetModel();
}

QStringList AddressTableModel::orderWithColumns(const QStringList& shown) const {
    QStringList result = order_;
    int next = 0;
    for (QString& name : result)
        if (columns_.contains(name) && next < shown.size()) name = shown[next++];
    return result;
}

void AddressTableModel::reload() {
    beginResetModel();
    cache_.clear();
    anchors_.clear();
    count_ = table_->active() ? pc::data::TApollo(table_).queryRecCount() : 0;
    endResetModel();
}

int AddressTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

int AddressTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant AddressTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columns_.size()) return {};
    return table_->fieldByName(columns_[section]).displayLabel();
}

QVariant AddressTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const Row* r = row(index.row());
    if (!r || index.column() >= r->values.size()) return {};
    return r->values[index.column()];
}

int AddressTableModel::recordAt(int r) const {
    const Row* found = row(r);
    return found ? found->recno : 0;
}

const AddressTableModel::Row* AddressTableModel::row(int r) const {
    if (r < 0 || r >= count_ || !table_->active()) return nullptr;
    auto it = cache_.find(r);
    if (it == cache_.end()) {
        readBlock(r - r % kBlock);
        it = cache_.find(r);
        if (it == cache_.end()) return nullptr;
    }
    return &it->second;
}

void AddressTableModel::positionAt(pc::data::RowReader& rows, int r) const {
    // Known places: both ends and the anchors either side of r.
    int from = 0, recno = -1;  // -1: top, -2: bottom
    int distance = r;
    if (count_ - 1 - r < distance) {
        from = count_ - 1;
        recno = -2;
        distance = count_ - 1 - r;
    }
    auto above = anchors_.upper_bound(r);
    if (above != anchors_.end() && above->first - r < distance) {
        from = above->first;
        recno = above->second;
        distance = above->first - r;
    }
    if (above != anchors_.begin()) {
        auto below = std::prev(above);
        if (r - below->first < distance) {
            from = below->first;
            recno = below->second;
        }
    }
    if (recno == -1)
        rows.goTop();
    else if (recno == -2)
        rows.goBottom();
    else
        rows.go(recno);
    rows.skip(r - from);
}

AddressTableModel::Row AddressTableModel::readCurrent(const pc::data::RowReader& rows) const {
    Row result;
    result.recno = rows.recNo();
    const QString tagId = globalTagId();
    for (const QString& name : columns_) {
        const TField& f = table_->fieldByName(name);
        QString value;
        if (!f.calculated()) {
            if (f.type() == TFieldType::Logical)
                value = rows.logical(name) ? "True" : "False";
            else if (f.type() != TFieldType::Memo)
                value = rows.text(name);
        } else if (name == QLatin1String("Tagged")) {
            const QString tag = rows.text(QStringLiteral("TAG"));
            value = !tagId.isEmpty() && tag == tagId ? "Yes" : "No";
        } else if (name == QLatin1String("DisplayDate")) {
            value = pc::text::storedToDisplay(rows.text(QStringLiteral("DATE")));
        }
        result.values << value;
    }
    return result;
}

void AddressTableModel::readBlock(int start) const {
    if (static_cast<int>(cache_.size()) >= kMaxCachedRows) cache_.clear();
    pc::data::RowReader rows(*table_);
    positionAt(rows, start);
    const int end = std::min(start + kBlock, count_);
    for (int r = start; r < end && !rows.eof(); ++r) {
        Row read = readCurrent(rows);
        if (r % kAnchorEvery == 0) anchors_[r] = read.recno;
        cache_[r] = std::move(read);
        rows.skip(1);
    }
}

int AddressTableModel::rowOfRecord(int recno, int limit) const {
    if (!table_->active() || recno <= 0 || count_ == 0) return -1;
    int found = -1;
    {
        pc::data::RowReader rows(*table_);
        const int steps = std::min(limit, count_);
        rows.goTop();
        for (int r = 0; r < steps && !rows.eof(); ++r, rows.skip(1)) {
            if (rows.recNo() == recno) {
                found = r;
                break;
            }
        }
        if (found < 0) {
            rows.goBottom();
            for (int r = count_ - 1; r >= count_ - steps && !rows.bof(); --r, rows.skip(-1)) {
                if (rows.recNo() == recno) {
                    found = r;
                    break;
                }
            }
        }
    }
    if (found >= 0) anchors_[found] = recno;
    return found;
}

bool AddressTableModel::toggleTag(int r) {
    const int recno = recordAt(r);
    if (recno == 0) return false;
    pc::data::TApollo apollo(table_);
    try {
        if (!apollo.go(recno)) return false;
        pc::records::toggleTag(*table_, globalTagId());
    } catch (const pc::data::DataError&) {
        // A failed post must not leave the record held in edit.
        if (table_->state() == pc::data::TDataSetState::Edit) table_->cancel();
        return false;
    }
    // A tagged-only filter may now leave the record out.
    const int count = apollo.queryRecCount();
    if (count != count_) {
        reload();
    } else {
        cache_.erase(r);
        emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    }
    return true;
}

}  // namespace pc::records
