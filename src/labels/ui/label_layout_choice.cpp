#include "labels/ui/label_layout_choice.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "labels/ui/stock_help.h"
#include "widgets/window_placement.h"

namespace pc::labels {

TLabelLayoutChoice::TLabelLayoutChoice(QWidget* parent)
    : QDialog(parent),
      TemplateRadio(
          new QRadioButton(QStringLiteral("&Select layout from a list of templates"), this)),
      ManualRadio(new QRadioButton(
          QStringLiteral("&Enter the layout values manually (user defined layout)"), this)) {
    setWindowTitle(QStringLiteral("Label Layout"));
    TemplateRadio->setObjectName(QStringLiteral("TemplateRadio"));
    ManualRadio->setObjectName(QStringLiteral("ManualRadio"));
    TemplateRadio->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TemplateRadio);
    layout->addWidget(ManualRadio);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TLabelLayoutChoice::OKButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &showStockHelp);
    layout->addWidget(buttons);
}

void TLabelLayoutChoice::OKButtonClick() {
    choice_ = TemplateRadio->isChecked() ? LayoutSource::Template : LayoutSource::Manual;
    accept();
}

LayoutSource chooseLayoutSource(QWidget* parent) {
    TLabelLayoutChoice dialog(parent);
    dialog.adjustSize();
    pc::widgets::centreWindow(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted) return LayoutSource::Cancel;
    return dialog.choice();
}

}  // namespace pc::labels
