#include "letters/ui/page_prop_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::letters {
namespace {

// The unit chosen last, selected again while the program runs.
QString& rememberedUnit() {
    static QString unit;
    return unit;
}

int richtext::PageSetup::*const kMembers[6] = {
    &richtext::PageSetup::paperWidth, &richtext::PageSetup::paperHeight,
    &richtext::PageSetup::marginTop,  &richtext::PageSetup::marginBottom,
    &richtext::PageSetup::marginLeft, &richtext::PageSetup::marginRight};

}  // namespace

TWPPageProp::TWPPageProp(const richtext::PageSetup& page, QWidget* parent)
    : QDialog(parent), page_(page) {
    setWindowTitle(QStringLiteral("Page Properties"));
    setObjectName(QStringLiteral("TWPPageProp"));
    units_ = new QComboBox(this);
    units_->setObjectName(QStringLiteral("UnitList"));
    units_->addItems({QStringLiteral("Inch"), QStringLiteral("Cm"), QStringLiteral("Twips")});
    units_->setCurrentIndex(std::max(0, int(units_->findText(rememberedUnit()))));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Units"), units_);
    static const char* const kLabels[6] = {"Page width",    "Page height", "Top margin",
                                           "Bottom margin", "Left margin", "Right margin"};
    static const char* const kNames[6] = {"PageWidth",    "PageHeight", "TopMargin",
                                          "BottomMargin", "LeftMargin", "RightMargin"};
    for (int i = 0; i < 6; ++i) {
        boxes_[i] = new QLineEdit(this);
        boxes_[i]->setObjectName(QString::fromLatin1(kNames[i]));
        form->addRow(QString::fromLatin1(kLabels[i]), boxes_[i]);
        connect(boxes_[i], &QLineEdit::textChanged, this, [this, i] { boxEdited(i); });
    }
    connect(units_, &QComboBox::currentIndexChanged, this, [this] { showValues(); });
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { widgets::showHelp(widgets::help::kLetterPage); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TWPPageProp::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showValues();
}

LengthUnit TWPPageProp::unit() const {
    return LengthUnit(std::clamp(units_->currentIndex(), 0, 2));
}

void TWPPageProp::setUnit(LengthUnit unit) {
    units_->setCurrentIndex(int(unit));
}

void TWPPageProp::showValues() {
    showing_ = true;
    for (int i = 0; i < 6; ++i) boxes_[i]->setText(twipsToText(page_.*kMembers[i], unit()));
    showing_ = false;
}

void TWPPageProp::boxEdited(int index) {
    if (showing_) return;
    page_.*kMembers[index] = textToTwips(boxes_[index]->text(), unit());
}

void TWPPageProp::OkButtonClick() {
    rememberedUnit() = units_->currentText();
    accept();
}

}  // namespace pc::letters
