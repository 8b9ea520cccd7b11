#include "letters/ui/paragraph_prop_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::letters {

TParagraphPropDlg::TParagraphPropDlg(const ParagraphSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Paragraph Properties"));
    setObjectName(QStringLiteral("TParagraphPropDlg"));
    units_ = new QComboBox(this);
    units_->addItems({QStringLiteral("Inch"), QStringLiteral("Cm")});
    firstKind_ = new QComboBox(this);
    firstKind_->addItems({QStringLiteral("Same as Left Indent"), QStringLiteral("Indented by")});
    firstKind_->setCurrentIndex(settings.firstIndent == settings.leftIndent ? 0 : 1);
    const auto box = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { edited(edit); });
        return edit;
    };
    first_ = box("FirstIndent");
    left_ = box("LeftIndent");
    right_ = box("RightIndent");
    before_ = box("SpaceBefore");
    after_ = box("SpaceAfter");
    lineHeight_ = box("LineHeight");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Units"), units_);
    form->addRow(QStringLiteral("First line"), firstKind_);
    form->addRow(QStringLiteral("First indent"), first_);
    form->addRow(QStringLiteral("Left indent"), left_);
    form->addRow(QStringLiteral("Right indent"), right_);
    form->addRow(QStringLiteral("Space before (pt)"), before_);
    form->addRow(QStringLiteral("Space after (pt)"), after_);
    form->addRow(QStringLiteral("Line height (pt)"), lineHeight_);
    connect(units_, &QComboBox::currentIndexChanged, this, &TParagraphPropDlg::showValues);
    connect(firstKind_, &QComboBox::currentIndexChanged, this,
            &TParagraphPropDlg::firstKindChanged);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { widgets::showHelp(widgets::help::kLetterParagraph); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showValues();
    firstKindChanged();
}

LengthUnit TParagraphPropDlg::unit() const {
    return units_->currentIndex() == 1 ? LengthUnit::Cm : LengthUnit::Inch;
}

void TParagraphPropDlg::showValues() {
    showing_ = true;
    const LengthUnit u = unit();
    first_->setText(twipsToText(settings_.firstIndent, u));
    left_->setText(twipsToText(settings_.leftIndent, u));
    right_->setText(twipsToText(settings_.rightIndent, u));
    before_->setText(twipsToPoints(settings_.spaceBefore));
    after_->setText(twipsToPoints(settings_.spaceAfter));
    lineHeight_->setText(twipsToPoints(settings_.lineHeight));
    const QString hint =
        u == LengthUnit::Cm ? QStringLiteral("centimeters") : QStringLiteral("inches");
    first_->setToolTip(QStringLiteral("First line indent in ") + hint);
    left_->setToolTip(QStringLiteral("Left indent in ") + hint);
    right_->setToolTip(QStringLiteral("Right indent in ") + hint);
    showing_ = false;
}

void TParagraphPropDlg::firstKindChanged() {
    first_->setEnabled(firstKind_->currentIndex() == 1);
    copyLeftToFirst();
    if (firstKind_->currentIndex() == 0) settings_.firstIndent = settings_.leftIndent;
}

// While the first line is the same as the others, it follows the left box.
void TParagraphPropDlg::copyLeftToFirst() {
    if (firstKind_->currentIndex() != 0 || first_->text() == left_->text()) return;
    first_->setText(left_->text());
}

// Only the edited box converts back, so the others keep their exact twips.
void TParagraphPropDlg::edited(QLineEdit* box) {
    if (showing_) return;
    const LengthUnit u = unit();
    if (box == first_) settings_.firstIndent = textToTwips(first_->text(), u);
    if (box == left_) settings_.leftIndent = textToTwips(left_->text(), u);
    if (box == right_) settings_.rightIndent = textToTwips(right_->text(), u);
    if (box == before_) settings_.spaceBefore = pointsToTwips(before_->text());
    if (box == after_) settings_.spaceAfter = pointsToTwips(after_->text());
    if (box == lineHeight_) settings_.lineHeight = pointsToTwips(lineHeight_->text());
    if (box == left_ || box == first_) copyLeftToFirst();
    if (firstKind_->currentIndex() == 0) settings_.firstIndent = settings_.leftIndent;
}

}  // namespace pc::letters
