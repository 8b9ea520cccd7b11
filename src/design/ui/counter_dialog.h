#pragma once
// "Counter": starting number, repeat count, texts around the number and the
// leading zeros. On OK an upright counter is fitted to its new text.
#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace pc::design {
class TGCounterLabel;
}

namespace pc::design::ui {

class TCounterDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TCounterDialog(TGCounterLabel& counter, QWidget* parent = nullptr);
    void OkButtonClick();

    QLineEdit* StartingNumberEdit;
    QSpinBox* RepeatSpin;
    QLineEdit* TextBeforeEdit;
    QLineEdit* TextAfterEdit;
    QSpinBox* LeadingZerosSpin;

  private:
    TGCounterLabel& counter_;
};

}  // namespace pc::design::ui
