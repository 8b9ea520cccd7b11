#include "widgets/description_grid_model.h"

#include <QHeaderView>
#include <QTableView>

#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"

namespace pc::widgets {

DescriptionGridModel::DescriptionGridModel(pc::data::TTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void DescriptionGridModel::reload() {
    beginResetModel();
    recnos_.clear();
    descriptions_.clear();
    if (table_.active()) {
        try {
            for (table_.first(); !table_.eof(); table_.next()) {
                recnos_.push_back(table_.recNo());
            }
            table_.first();
        } catch (const pc::data::DataError&) {
            // A damaged row ends the list; what was read stays usable.
        }
    }
    endResetModel();
}

bool DescriptionGridModel::goToRow(int row) const {
    if (row < 0 || row >= static_cast<int>(recnos_.size())) return false;
    pc::data::TApollo apollo(&table_);
    return apollo.go(recnos_[row]);
}

QString DescriptionGridModel::description(int row) const {
    if (row < 0 || row >= static_cast<int>(recnos_.size())) return {};
    auto found = descriptions_.constFind(row);
    if (found != descriptions_.constEnd()) return *found;
    if (!goToRow(row)) return {};
    const QString text = table_.fieldByName(QStringLiteral("DESCRIPT")).text();
    descriptions_.insert(row, text);
    return text;
}

int DescriptionGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(recnos_.size());
}

int DescriptionGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant DescriptionGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return description(index.row());
}

QVariant DescriptionGridModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal && section == 0) return QStringLiteral("Description");
    return {};
}

void showDescriptions(QTableView* view, DescriptionGridModel* model) {
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->hide();
}

}  // namespace pc::widgets
