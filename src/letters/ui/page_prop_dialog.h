#pragma once
// "Page Properties": page width and height and the four margins of a
// letter in inches, centimetres or twips.
#include <QDialog>

#include "letters/letter_units.h"
#include "richtext/page_setup.h"

class QComboBox;
class QLineEdit;

namespace pc::letters {

class TWPPageProp : public QDialog {
    Q_OBJECT
  public:
    explicit TWPPageProp(const richtext::PageSetup& page, QWidget* parent = nullptr);

    // The values as edited (twips).
    const richtext::PageSetup& page() const { return page_; }
    LengthUnit unit() const;
    void setUnit(LengthUnit unit);
    QLineEdit* box(int index) const {
        return boxes_[index];
    }  // width, height, top, bottom, left, right
    void OkButtonClick();

  private:
    void showValues();
    void boxEdited(int index);

    richtext::PageSetup page_;
    QComboBox* units_ = nullptr;
    QLineEdit* boxes_[6] = {};
    bool showing_ = false;
};

}  // namespace pc::letters
