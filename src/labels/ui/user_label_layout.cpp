#include "labels/ui/user_label_layout.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "labels/stock_choice.h"
#include "labels/ui/label_layout_choice.h"
#include "labels/ui/label_template_dialog.h"
#include "labels/ui/stock_help.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::labels {

namespace {

const char* const kCaptions[kStockLengthCount] = {
    "Label Height", "Label Width", "Horizontal Pitch", "Vertical Pitch",
    "Left Margin",  "Top Margin",  "Paper Width",      "Paper Height"};
const char* const kNames[kStockLengthCount] = {
    "LabelHeightEdit", "LabelWidthEdit", "HorizontalPitchEdit", "VerticalPitchEdit",
    "LeftMarginEdit",  "TopMarginEdit",  "PaperWidthEdit",      "PaperHeightEdit"};

double parsed(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? value : 0.0;
}

}  // namespace

TUserLabelLayout::TUserLabelLayout(const StockValues& values, QWidget* parent)
    : QDialog(parent),
      lengths_(lengthsOf(values)),
      paperCode_(values.paperSize),
      result_(values),
      AcrossSpin(new QSpinBox(this)),
      DownSpin(new QSpinBox(this)),
      InchesRadio(new QRadioButton(QStringLiteral("Use &Inches"), this)),
      MillimetresRadio(new QRadioButton(QStringLiteral("Use &Millimeters"), this)),
      PaperSizeCombo(new QComboBox(this)),
      ShapeCombo(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("User Defined Label Layout"));
    auto* fields = new QFormLayout;
    auto* validator = new QDoubleValidator(0.0, 999.0, 3, this);
    validator->setLocale(QLocale::c());
    validator->setNotation(QDoubleValidator::StandardNotation);
    for (int i = 0; i < kStockLengthCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(kNames[i]));
        edit->setValidator(validator);
        LengthEdits[i] = edit;
        fields->addRow(QLatin1String(kCaptions[i]), edit);
        connect(edit, &QLineEdit::textEdited, this, [this, i] { LengthEdited(i); });
        showLength(i);
    }
    connect(LengthEdits[kLabelWidth], &QLineEdit::editingFinished, this,
            &TUserLabelLayout::LabelWidthExit);
    connect(LengthEdits[kLabelHeight], &QLineEdit::editingFinished, this,
            &TUserLabelLayout::LabelHeightExit);

    AcrossSpin->setObjectName(QStringLiteral("AcrossSpin"));
    DownSpin->setObjectName(QStringLiteral("DownSpin"));
    AcrossSpin->setRange(1, 10);
    DownSpin->setRange(1, 30);
    AcrossSpin->setValue(values.across);
    DownSpin->setValue(values.down);
    fields->addRow(QStringLiteral("# across"), AcrossSpin);
    fields->addRow(QStringLiteral("# down"), DownSpin);

    InchesRadio->setObjectName(QStringLiteral("InchesRadio"));
    MillimetresRadio->setObjectName(QStringLiteral("MillimetresRadio"));
    InchesRadio->setChecked(true);
    auto* units = new QVBoxLayout;
    units->addWidget(InchesRadio);
    units->addWidget(MillimetresRadio);
    connect(MillimetresRadio, &QRadioButton::toggled, this, &TUserLabelLayout::UnitsClick);

    PaperSizeCombo->setObjectName(QStringLiteral("PaperSizeCombo"));
    PaperSizeCombo->addItems(stockPaperEntries());
    PaperSizeCombo->setCurrentIndex(-1);
    connect(PaperSizeCombo, &QComboBox::activated, this, &TUserLabelLayout::PaperSizeChange);
    ShapeCombo->setObjectName(QStringLiteral("ShapeCombo"));
    ShapeCombo->addItems(stockShapeEntries());
    ShapeCombo->setCurrentIndex(shapeEntryOf(values.shape));
    auto* lists = new QFormLayout;
    lists->addRow(QStringLiteral("Paper size"), PaperSizeCombo);
    lists->addRow(QStringLiteral("Label Shape"), ShapeCombo);

    auto* layout = new QGridLayout(this);
    layout->addLayout(fields, 0, 0, 2, 1);
    layout->addLayout(units, 0, 1, Qt::AlignTop);
    layout->addLayout(lists, 1, 1, Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TUserLabelLayout::OKButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &showStockHelp);
    layout->addWidget(buttons, 2, 0, 1, 2);
}

bool TUserLabelLayout::millimetres() const {
    return MillimetresRadio->isChecked();
}

void TUserLabelLayout::showLength(int which) {
    LengthEdits[which]->setText(formatLength(lengths_[which], shownInMillimetres_));
}

void TUserLabelLayout::LengthEdited(int which) {
    lengths_[which] = parsed(LengthEdits[which]->text());
}

void TUserLabelLayout::UnitsClick() {
    const bool mm = millimetres();
    if (mm == shownInMillimetres_) return;
    lengths_ = mm ? toMillimetres(lengths_) : toInches(lengths_);
    shownInMillimetres_ = mm;
    for (int i = 0; i < kStockLengthCount; ++i) showLength(i);
}

void TUserLabelLayout::followPitch(StockLength size, StockLength pitch) {
    const double raised = pitchAfterSize(lengths_[size], lengths_[pitch]);
    if (raised == lengths_[pitch]) return;
    lengths_[pitch] = raised;
    // The pitch shows what the size field shows.
    LengthEdits[pitch]->setText(LengthEdits[size]->text());
}

void TUserLabelLayout::LabelWidthExit() {
    followPitch(kLabelWidth, kHorizontalPitch);
}

void TUserLabelLayout::LabelHeightExit() {
    followPitch(kLabelHeight, kVerticalPitch);
}

void TUserLabelLayout::PaperSizeChange(int entry) {
    double width = 0, height = 0;
    if (!paperSizeOf(entry, shownInMillimetres_, &width, &height)) return;
    lengths_[kPaperWidth] = width;
    lengths_[kPaperHeight] = height;
    showLength(kPaperWidth);
    showLength(kPaperHeight);
}

void TUserLabelLayout::OKButtonClick() {
    // Inches are taken as shown; millimetres are converted from what is held.
    StockLengths shown = lengths_;
    if (!shownInMillimetres_) {
        for (int i = 0; i < kStockLengthCount; ++i) shown[i] = parsed(LengthEdits[i]->text());
    }
    const StockValues v =
        valuesFromShown(shown, shownInMillimetres_, AcrossSpin->value(), DownSpin->value(),
                        PaperSizeCombo->currentIndex(), ShapeCombo->currentIndex(), paperCode_);
    const QString problem = stockValuesProblem(v);
    if (!problem.isEmpty()) {
        pc::text::messages().inform(problem);
        return;
    }
    result_ = v;
    accept();
}

bool editUserStock(LabelDefinition& definition, QWidget* parent) {
    TUserLabelLayout dialog(stockValuesOf(definition), parent);
    dialog.adjustSize();
    pc::widgets::centreWindow(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    takeUserStock(dialog.values(), definition);
    return true;
}

bool changeLabelStock(LabelDefinition& definition, QWidget* parent) {
    switch (chooseLayoutSource(parent)) {
        case LayoutSource::Template:
            return chooseTemplate(definition, parent);
        case LayoutSource::Manual:
            return editUserStock(definition, parent);
        case LayoutSource::Cancel:
            break;
    }
    return false;
}

}  // namespace pc::labels
