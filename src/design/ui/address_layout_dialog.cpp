#include "design/ui/address_layout_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "design/address_label.h"
#include "design/ui/dialog_buttons.h"

namespace pc::design::ui {

AddressLayoutDialog::AddressLayoutDialog(const AddressBlockOptions& o, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Address Label Layout"));
    auto box = [this](const QString& text, bool checked) {
        auto* check = new QCheckBox(text, this);
        check->setChecked(checked);
        return check;
    };
    name_ = box(tr("&Name"), o.useName);
    title_ = box(tr("&Title"), o.useTitle);
    company_ = box(tr("&Organization"), o.useCompany);
    street_ = box(tr("Address &1"), o.useStreet);
    street2_ = box(tr("Address &2"), o.useStreet2);
    cityState_ = box(tr("City + &State"), o.useCityState);
    zip_ = box(tr("&Zip/Postal code"), o.useZip);
    phone_ = box(tr("&Phone #1"), o.usePhone);
    country_ = box(tr("&Country"), o.useCountry);
    upperCase_ = box(tr("&Uppercase"), o.upperCase);

    auto* zipGroup = new QGroupBox(this);
    auto* zipLayout = new QVBoxLayout(zipGroup);
    const QString texts[4] = {tr("&After state"), tr("&Before city"), tr("A&fter country"),
                              tr("B&efore country")};
    for (int i = 0; i < 4; ++i) {
        zipOptions_[i] = new QRadioButton(texts[i], zipGroup);
        zipLayout->addWidget(zipOptions_[i]);
    }
    zipOptions_[static_cast<int>(o.zipOptions)]->setChecked(true);
    connect(zip_, &QCheckBox::toggled, this, [this] { ZipClick(); });
    ZipClick();

    auto* checks = new QVBoxLayout;
    for (QCheckBox* check : {name_, title_, company_, street_, street2_, cityState_, zip_, phone_,
                             country_, upperCase_})
        checks->addWidget(check);
    auto* body = new QHBoxLayout;
    body->addLayout(checks);
    body->addWidget(zipGroup, 0, Qt::AlignTop);

    const DialogButtons buttons = makeDialogButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons.row);
}

void AddressLayoutDialog::ZipClick() {
    // Where the ZIP code goes matters only while it is used.
    for (QRadioButton* button : zipOptions_) button->setEnabled(zip_->isChecked());
}

QRadioButton* AddressLayoutDialog::zipOptionButton(ZipOptions option) const {
    return zipOptions_[static_cast<int>(option)];
}

AddressBlockOptions AddressLayoutDialog::options() const {
    AddressBlockOptions o;
    o.useName = name_->isChecked();
    o.useTitle = title_->isChecked();
    o.useCompany = company_->isChecked();
    o.useStreet = street_->isChecked();
    o.useStreet2 = street2_->isChecked();
    o.useCityState = cityState_->isChecked();
    o.useZip = zip_->isChecked();
    o.usePhone = phone_->isChecked();
    o.useCountry = country_->isChecked();
    o.upperCase = upperCase_->isChecked();
    for (int i = 0; i < 4; ++i)
        if (zipOptions_[i]->isChecked()) o.zipOptions = static_cast<ZipOptions>(i);
    return o;
}

bool editAddressLayout(TGDMultiLineAddressLabel& label, QWidget* parent) {
    AddressLayoutDialog dialog(label.options(), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    label.commandAddressLayout(dialog.options());
    return true;
}

}  // namespace pc::design::ui
