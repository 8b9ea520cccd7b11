#pragma once
// The rows of the open address table as a grid model: the records passing
// the engine query, in the current order, read from the engine on demand.
// Only a window of rows is kept; a row is found by walking from the nearest
// position already known, so even a very large table opens at once.
#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace pc::data {
class RowReader;
class TTable;
}  // namespace pc::data

namespace pc::records {

class AddressTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // `globalTagId` is asked for whenever Tagged is shown.
    AddressTableModel(pc::data::TTable* table, std::function<QString()> globalTagId,
                      QObject* parent = nullptr);

    // Every field object of the table in column order (hidden ones too);
    // the visible ones become the columns. Names the table lacks are dropped
    // and fields missing from the list are appended.
    void setFieldOrder(const QStringList& fields);
    const QStringList& fieldOrder() const { return order_; }
    // The field name shown in each column.
    const QStringList& columnFields() const { return columns_; }
    // The full order after the visible columns were rearranged: `shown` are
    // the visible fields in their new order; hidden fields keep their places.
    QStringList orderWithColumns(const QStringList& shown) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The record number shown in the row; 0 for no such row.
    int recordAt(int row) const;
    // The row showing the record when it lies within `limit` rows of either
    // end of the list; -1 otherwise.
    int rowOfRecord(int recno, int limit = 20000) const;

    // Sets TAG of the row's record to the global tag identifier, or empties
    // it when it already holds it, and posts the record. The table is left
    // on that record. Returns false when the record could not be changed.
    bool toggleTag(int row);

    // Forgets the cached rows and reads the row count again.
    void reload();

  private:
    struct Row {
        int recno = 0;
        QStringList values;  // one per column
    };
    static constexpr int kBlock = 64;  // rows read in one pass
    static constexpr int kMaxCachedRows = 4096;
    static constexpr int kAnchorEvery = 256;  // rows whose record is kept for good

    const Row* row(int r) const;
    void readBlock(int start) const;
    // Puts the engine on row r, starting from the closest known row.
    void positionAt(pc::data::RowReader& rows, int r) const;
    Row readCurrent(const pc::data::RowReader& rows) const;
    QString globalTagId() const { return globalTagId_ ? globalTagId_() : QString(); }

    pc::data::TTable* table_;
    std::function<QString()> globalTagId_;
    QStringList order_;
    QStringList columns_;
    int count_ = 0;
    mutable std::map<int, Row> cache_;
    mutable std::map<int, int> anchors_;  // row -> record number
};

}  // namespace pc::records
