#pragma once
// "Labels Print": which positions of the sheet may be used (a miniature of
// the sheet at one fifth scale; clicking a position toggles it), the
// printer, and how many of each label.
#include <QDialog>

#include "labels/label_sheet.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace pc::print {
class PrintEngine;
}

namespace pc::labels {

class SheetMiniature;

class TLabelPositionsDialog : public QDialog {
    Q_OBJECT
  public:
    TLabelPositionsDialog(const SheetGeometry& sheet, PositionMap positions,
                          print::PrintEngine& engine, int copies, bool presort,
                          QWidget* parent = nullptr);

    const PositionMap& positions() const { return positions_; }
    int copies() const;
    // Toggles the position under a point of the miniature (its own pixels).
    void clickAt(QPoint point);

    void AllButtonClick();
    void NoneButtonClick();
    void OkButtonClick();

  private:
    SheetGeometry sheet_;
    PositionMap positions_;
    print::PrintEngine& engine_;
    SheetMiniature* miniature_ = nullptr;
    QComboBox* printer_ = nullptr;
    QSpinBox* copies_ = nullptr;
};

}  // namespace pc::labels
