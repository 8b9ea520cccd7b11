#include "postal/ui/record_rows_model.h"

#include "data/data_error.h"
#include "data/row_reader.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"

namespace pc::postal {

RecordRowsModel::RecordRowsModel(data::TTable& table, QStringList fields, QStringList headers,
                                 std::function<QString()> tagId, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      fields_(std::move(fields)),
      headers_(headers.isEmpty() ? fields_ : std::move(headers)),
      tagId_(std::move(tagId)) {}

void RecordRowsModel::setRecords(const QList<int>& records) {
    beginResetModel();
    records_ = records;
    endResetModel();
}

void RecordRowsModel::readAllRecords() {
    QList<int> records;
    if (table_.active()) {
        data::RowReader rows(table_);
        for (rows.goTop(); !rows.eof(); rows.skip(1)) records << rows.recNo();
    }
    setRecords(records);
}

int RecordRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int RecordRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fields_.size()) + (tagId_ ? 1 : 0);
}

bool RecordRowsModel::tagged(int row) const {
    if (!tagId_ || !table_.active()) return false;
    const QString id = tagId_();
    if (id.isEmpty()) return false;
    data::RowReader rows(table_);
    rows.go(recordAt(row));
    return rows.text(QStringLiteral("TAG")) == id;
}

QVariant RecordRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !table_.active() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (tagId_ && index.column() == 0)
        return tagged(index.row()) ? QStringLiteral("Yes") : QString();
    data::RowReader rows(table_);
    rows.go(recordAt(index.row()));
    return rows.text(fields_.at(fieldColumn(index.column())));
}

QVariant RecordRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return recordAt(section);
    if (tagId_ && section == 0) return QStringLiteral("Tagged");
    return headers_.value(fieldColumn(section));
}

Qt::ItemFlags RecordRowsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !(tagId_ && index.column() == 0)) f |= Qt::ItemIsEditable;
    return f;
}

bool RecordRowsModel::goToRow(int row) {
    const int recno = recordAt(row);
    if (recno == 0 || !table_.active()) return false;
    data::TApollo engine(&table_);
    return engine.go(recno);
}

bool RecordRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    if (!goToRow(index.row())) return false;
    try {
        table_.edit();
        table_.fieldByName(fields_.at(fieldColumn(index.column()))).setText(value.toString());
        table_.post();
    } catch (const data::DataError& e) {
        table_.cancel();
        text::messages().inform(e.message());
        return false;
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}

void RecordRowsModel::refreshRow(int row) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RecordRowsModel::refreshAll() {
    if (!records_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace pc::postal
