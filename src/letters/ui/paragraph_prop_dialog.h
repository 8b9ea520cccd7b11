#pragma once
// "Paragraph Properties": the first, left and right indents in inches or
// centimetres and the spacing before, after and between lines in points.
#include <QDialog>

#include "letters/letter_units.h"
#include "letters/paragraph_settings.h"

class QComboBox;
class QLineEdit;

namespace pc::letters {

class TParagraphPropDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TParagraphPropDlg(const ParagraphSettings& settings, QWidget* parent = nullptr);

    const ParagraphSettings& settings() const { return settings_; }
    QComboBox* unitList() const { return units_; }
    QComboBox* firstIndentList() const { return firstKind_; }
    QLineEdit* firstIndentBox() const { return first_; }
    QLineEdit* leftIndentBox() const { return left_; }
    QLineEdit* rightIndentBox() const { return right_; }
    QLineEdit* spaceBeforeBox() const { return before_; }
    QLineEdit* spaceAfterBox() const { return after_; }
    QLineEdit* lineHeightBox() const { return lineHeight_; }

  private:
    LengthUnit unit() const;
    void showValues();
    void firstKindChanged();
    void copyLeftToFirst();
    void edited(QLineEdit* box);

    ParagraphSettings settings_;
    QComboBox *units_ = nullptr, *firstKind_ = nullptr;
    QLineEdit *first_ = nullptr, *left_ = nullptr, *right_ = nullptr;
    QLineEdit *before_ = nullptr, *after_ = nullptr, *lineHeight_ = nullptr;
    bool showing_ = false;
};

}  // namespace pc::letters
