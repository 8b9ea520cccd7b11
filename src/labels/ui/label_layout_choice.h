#pragma once
// "Label Layout": whether a layout's new stock comes from the list of
// templates or from values the user types.
#include <QDialog>

class QRadioButton;

namespace pc::labels {

enum class LayoutSource { Template, Manual, Cancel };

class TLabelLayoutChoice : public QDialog {
    Q_OBJECT
  public:
    explicit TLabelLayoutChoice(QWidget* parent = nullptr);
    // What the user chose; Cancel until OK.
    LayoutSource choice() const { return choice_; }

  private:
    void OKButtonClick();

    QRadioButton* TemplateRadio;
    QRadioButton* ManualRadio;
    LayoutSource choice_ = LayoutSource::Cancel;
};

// Shows the dialog modally, centred over `parent`.
LayoutSource chooseLayoutSource(QWidget* parent);

}  // namespace pc::labels
