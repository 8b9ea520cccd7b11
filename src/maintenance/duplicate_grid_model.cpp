#include "maintenance/duplicate_grid_model.h"

#include "data/engine_setting_guards.h"
#include "data/row_reader.h"
#include "data/t_apollo.h"
#include "data/t_field.h"
#include "data/t_table.h"
#include "records/record_tagging.h"

namespace pc::maintenance {
namespace {

const QString kTagged = QStringLiteral("Tagged");

}  // namespace

DuplicateGridModel::DuplicateGridModel(data::TTable& table, std::vector<int> records,
                                       std::function<QString()> globalTagId, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      records_(std::move(records)),
      globalTagId_(std::move(globalTagId)) {
    setStreetSecond(false);
}

void DuplicateGridModel::setStreetSecond(bool streetSecond) {
    beginResetModel();
    columns_ = streetSecond
                   ? QStringList{kTagged, "LNAME", "STREET", "FNAME", "CITY", "STATE", "ZIP"}
                   : QStringList{kTagged, "LNAME", "FNAME", "STREET", "CITY", "STATE", "ZIP"};
    endResetModel();
}

int DuplicateGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int DuplicateGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

int DuplicateGridModel::recordAt(int row) const {
    return row >= 0 && row < rowCount() ? records_[row] : 0;
}

QString DuplicateGridModel::read(int record, const QString& field) const {
    // Deleted rows are gone from the list; reading needs no deleted filter.
    data::DeletedFilterSetting showAll(false);
    data::RowReader rows(table_);
    rows.go(record);
    return rows.text(field);
}

QVariant DuplicateGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const QString& field = columns_.value(index.column());
    const int record = recordAt(index.row());
    if (field == kTagged) {
        const QString id = globalTagId_ ? globalTagId_() : QString();
        return !id.isEmpty() && read(record, "TAG") == id ? QStringLiteral("Yes") : QString();
    }
    const auto row = pending_.find(index.row());
    if (row != pending_.end()) {
        const auto held = row->second.find(field);
        if (held != row->second.end()) return held->second;
    }
    return read(record, field);
}

bool DuplicateGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QString& field = columns_.value(index.column());
    if (field == kTagged) return false;
    const data::TField* f = table_.findField(field);
    QString text = value.toString();
    if (f && f->width() > 0) text.truncate(f->width());
    pending_[index.row()][field] = text;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags DuplicateGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && columns_.value(index.column()) != kTagged) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant DuplicateGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return recordAt(section);
    const QString& field = columns_.value(section);
    const data::TField* f = table_.findField(field);
    return f ? f->displayLabel() : field;
}

void DuplicateGridModel::save() {
    for (const auto& [row, fields] : pending_) {
        data::TApollo(&table_).go(recordAt(row));
        table_.edit();
        for (const auto& [field, text] : fields) table_.fieldByName(field).setText(text);
        table_.post();
    }
    pending_.clear();
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void DuplicateGridModel::undo() {
    pending_.clear();
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void DuplicateGridModel::deleteRow(int row) {
    const int record = recordAt(row);
    if (record == 0) return;
    {
        data::DeletedFilterSetting showAll(false);
        data::TApollo(&table_).go(record);
        table_.deleteRecord();
        table_.edit();
        table_.fieldByName(QStringLiteral("ISDEL")).setAsBoolean(true);
        table_.post();
    }
    beginRemoveRows({}, row, row);
    records_.erase(records_.begin() + row);
    std::map<int, std::map<QString, QString>> shifted;
    for (auto& [r, fields] : pending_)
        if (r != row) shifted[r > row ? r - 1 : r] = std::move(fields);
    pending_ = std::move(shifted);
    endRemoveRows();
}

void DuplicateGridModel::toggleTag(int row) {
    const int record = recordAt(row);
    if (record == 0) return;
    data::TApollo(&table_).go(record);
    records::toggleTag(table_, globalTagId_ ? globalTagId_() : QString());
    emit dataChanged(index(row, 0), index(row, 0));
}

int DuplicateGridModel::tagAll() {
    const QString id = globalTagId_ ? globalTagId_() : QString();
    if (id.isEmpty()) return 0;
    int tagged = 0;
    for (int row = 0; row < rowCount(); ++row) {
        if (read(recordAt(row), "TAG") == id) continue;
        toggleTag(row);
        ++tagged;
    }
    return tagged;
}

}  // namespace pc::maintenance
