#pragma once
// "Address Browse": the open address table as a grid, in the current order
// and filter, with navigation, tagging and movable columns whose order is
// kept in sysdata/FIELDS.LST.
#include <QDialog>
#include <functional>

class QPushButton;
class QTableView;

namespace pc::data {
class TTable;
}

namespace pc::records {

class AddressTableModel;

class TAddressBrowse : public QDialog {
    Q_OBJECT
  public:
    // Starts on `startRecord` when it can be found near either end.
    TAddressBrowse(pc::data::TTable* table, std::function<QString()> globalTagId, int startRecord,
                   QWidget* parent = nullptr);

    // The record of the grid's current row; 0 when there is none.
    int currentRecord() const;
    AddressTableModel* model() const { return model_; }
    QTableView* grid() const { return grid_; }

    void FirstButtonClick();
    void PriorButtonClick();  // beeps on the first row
    void NextButtonClick();   // beeps on the last row
    void LastButtonClick();
    void TagButtonClick();

    QPushButton *OkButton, *HelpButton, *FirstButton, *PriorButton, *NextButton, *LastButton,
        *TagButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void goToRow(int row);
    // The visible columns in the order the user left them.
    QStringList shownColumns() const;

    AddressTableModel* model_;
    QTableView* grid_;
    bool placed_ = false;
};

}  // namespace pc::records
