#pragma once
// The "Field Match" grid both match windows share: one row per destination
// field, the source column paired with it, and the popup that pairs one
// ("(none)" and the choices the row allows; a choice leaves every other row).
#include <QStringList>
#include <QTableWidget>
#include <functional>

namespace pc::import {

class FieldMatchGrid : public QTableWidget {
    Q_OBJECT
  public:
    FieldMatchGrid(const QString& fileName, QWidget* parent = nullptr);

    // Rows: destination labels and what each currently holds ("" for none).
    void setRows(const QStringList& labels, const QStringList& paired);
    // The source names a row may take; all names when not set.
    void setChoices(std::function<QStringList(int row)> choices) { choices_ = std::move(choices); }
    QString rowLabel(int row) const;
    QString paired(int row) const;
    // Pairs the name with the row, taking it from any other row; "" empties the row.
    void pair(int row, const QString& name);
    void clearAll();

    // "&Select Field": the popup at the mouse position for the current row.
    void SelectFieldClick();

  private:
    std::function<QStringList(int)> choices_;
};

}  // namespace pc::import
