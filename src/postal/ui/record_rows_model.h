#pragma once
// Chosen records of a table as an editable grid: one row per record number
// given, columns for the named fields (and a "Tagged" column when a tag
// identifier is asked for). An edited cell is posted to its record at once.
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <functional>

namespace pc::data {
class TTable;
}

namespace pc::postal {

class RecordRowsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // `headers` label the field columns (the field names when empty);
    // `tagId` set adds the leading "Tagged" column.
    RecordRowsModel(data::TTable& table, QStringList fields, QStringList headers,
                    std::function<QString()> tagId = {}, QObject* parent = nullptr);

    void setRecords(const QList<int>& records);
    // The records of the table's current order and query, top to bottom.
    void readAllRecords();
    const QList<int>& records() const { return records_; }
    int recordAt(int row) const { return row >= 0 && row < records_.size() ? records_[row] : 0; }
    bool tagged(int row) const;
    // Makes the row's record the table's current one.
    bool goToRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    void refreshRow(int row);
    void refreshAll();

  private:
    int fieldColumn(int column) const { return tagId_ ? column - 1 : column; }

    data::TTable& table_;
    QStringList fields_, headers_;
    std::function<QString()> tagId_;
    QList<int> records_;
};

}  // namespace pc::postal
