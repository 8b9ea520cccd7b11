#pragma once
// The stock dialog: a user-defined label stock typed in inches or
// millimetres, checked on OK.
#include <QDialog>
#include <array>

#include "labels/label_definition.h"
#include "labels/stock_values.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pc::labels {

class TUserLabelLayout : public QDialog {
    Q_OBJECT
  public:
    // Filled with the values in inches and the shape code.
    explicit TUserLabelLayout(const StockValues& values, QWidget* parent = nullptr);

    // The checked values after OK, in inches.
    const StockValues& values() const { return result_; }
    bool millimetres() const;

  private:
    void UnitsClick();
    void LengthEdited(int which);
    void LabelWidthExit();
    void LabelHeightExit();
    void PaperSizeChange(int entry);
    void OKButtonClick();
    void showLength(int which);
    void followPitch(StockLength size, StockLength pitch);

    StockLengths lengths_{};  // held in the unit shown
    bool shownInMillimetres_ = false;
    QString paperCode_;
    StockValues result_;

    std::array<QLineEdit*, kStockLengthCount> LengthEdits{};
    QSpinBox* AcrossSpin;
    QSpinBox* DownSpin;
    QRadioButton* InchesRadio;
    QRadioButton* MillimetresRadio;
    QComboBox* PaperSizeCombo;
    QComboBox* ShapeCombo;
};

// Shows the dialog titled "User Defined Label Layout" on the layout's
// stock; on OK the layout takes the typed stock. True when it did.
bool editUserStock(LabelDefinition& definition, QWidget* parent);

// Change Layout: asks how, then shows the template or the stock dialog.
// True when the definition took a new stock.
bool changeLabelStock(LabelDefinition& definition, QWidget* parent);

}  // namespace pc::labels
