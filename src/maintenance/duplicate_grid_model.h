#pragma once
// The records a duplicate check collected, as an editable grid: one row per
// record in the check's key order, the name and address columns and
// Tagged. Edits are held per row until save() writes them or undo() drops
// them.
#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace pc::data {
class TTable;
}

namespace pc::maintenance {

class DuplicateGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    DuplicateGridModel(data::TTable& table, std::vector<int> records,
                       std::function<QString()> globalTagId, QObject* parent = nullptr);

    // Column fields; "Tagged" first. Kind 2 puts STREET second.
    void setStreetSecond(bool streetSecond);
    const QStringList& columnFields() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int recordAt(int row) const;
    bool editing() const { return !pending_.empty(); }
    // Writes the held edits; throws DataError.
    void save();
    void undo();
    // Marks the row's record deleted (ISDEL and the mark) and drops the row.
    void deleteRow(int row);
    void toggleTag(int row);
    // Tags every listed record; returns how many were newly tagged.
    int tagAll();

  private:
    QString read(int record, const QString& field) const;

    data::TTable& table_;
    std::vector<int> records_;
    std::function<QString()> globalTagId_;
    QStringList columns_;
    std::map<int, std::map<QString, QString>> pending_;  // row -> field -> text
};

}  // namespace pc::maintenance
