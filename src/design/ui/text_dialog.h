#pragma once
// "Text": the caption of a fixed-text object in one edit box. On OK the
// caption is taken and the box grows to hold it.
#include <QDialog>

class QLineEdit;

namespace pc::design {
class TGPLabel;
}

namespace pc::design::ui {

class TTextDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TTextDialog(TGPLabel& label, QWidget* parent = nullptr);
    void OkButtonClick();

    QLineEdit* TextEdit;

  private:
    TGPLabel& label_;
};

}  // namespace pc::design::ui
