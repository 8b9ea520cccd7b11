#pragma once
// A grid of one "Description" column over the rows of a system table that
// pass its filter, in the table's order: the layouts of the print windows
// and the stock label templates. Only the record numbers are collected
// when the filter changes; descriptions are read when the view asks.
#include <QAbstractTableModel>
#include <QHash>
#include <vector>

class QTableView;

namespace pc::data {
class TTable;
}

namespace pc::widgets {

class DescriptionGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DescriptionGridModel(pc::data::TTable& table, QObject* parent = nullptr);

    // Walks the table again under its current query and order.
    void reload();
    // Puts the table on the row's record; false when there is no such row.
    bool goToRow(int row) const;
    // The stored description of a row, read on demand.
    QString description(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    pc::data::TTable& table_;
    std::vector<int> recnos_;
    mutable QHash<int, QString> descriptions_;  // by row
};

// Sets the view up as the layout lists show a model: whole rows, one at a
// time, read-only, no row numbers, the description across the width.
void showDescriptions(QTableView* view, DescriptionGridModel* model);

}  // namespace pc::widgets
