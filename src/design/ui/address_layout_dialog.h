#pragma once
// "Address Label Layout": which lines the address block uses, where the ZIP
// code goes and whether the block is in capitals.
#include <QDialog>

#include "design/address_block.h"

class QCheckBox;
class QRadioButton;

namespace pc::design {
class TGDMultiLineAddressLabel;
}

namespace pc::design::ui {

class AddressLayoutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AddressLayoutDialog(const AddressBlockOptions& options, QWidget* parent = nullptr);
    AddressBlockOptions options() const;

    QCheckBox* zipBox() const { return zip_; }
    QRadioButton* zipOptionButton(ZipOptions option) const;

  private:
    void ZipClick();

    QCheckBox *name_, *title_, *company_, *street_, *street2_, *cityState_, *zip_, *phone_,
        *country_, *upperCase_;
    QRadioButton* zipOptions_[4];
};

// Opens the dialog on the object; on OK the options are taken and the
// object merged again. True on OK.
bool editAddressLayout(TGDMultiLineAddressLabel& label, QWidget* parent = nullptr);

}  // namespace pc::design::ui
