#include "labels/ui/label_template_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "labels/stock_choice.h"
#include "labels/template_table.h"
#include "labels/ui/stock_help.h"
#include "widgets/description_grid_model.h"
#include "widgets/window_placement.h"

namespace pc::labels {

namespace {

QLineEdit* readOnlyField(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

}  // namespace

TLabelTemplateDialog::TLabelTemplateDialog(pc::data::TTable& templates,
                                           const TemplateChoice& current, bool ignoreCurrent,
                                           QWidget* parent)
    : QDialog(parent),
      templates_(templates),
      current_(current),
      ignoreCurrent_(ignoreCurrent),
      model_(new widgets::DescriptionGridModel(templates, this)),
      ManufacturerCombo(new QComboBox(this)),
      ProductTypeCombo(new QComboBox(this)),
      EuropeanCheck(new QCheckBox(QStringLiteral("European paper sizes only (A4, A5)"), this)),
      TemplateGrid(new QTableView(this)),
      LabelHeightEdit(readOnlyField(this, "LabelHeightEdit")),
      LabelWidthEdit(readOnlyField(this, "LabelWidthEdit")),
      AcrossEdit(readOnlyField(this, "AcrossEdit")),
      DownEdit(readOnlyField(this, "DownEdit")),
      PaperWidthEdit(readOnlyField(this, "PaperWidthEdit")),
      PaperHeightEdit(readOnlyField(this, "PaperHeightEdit")),
      OKButton(nullptr) {
    setWindowTitle(QStringLiteral("Select Label Template"));
    ManufacturerCombo->setObjectName(QStringLiteral("ManufacturerCombo"));
    ProductTypeCombo->setObjectName(QStringLiteral("ProductTypeCombo"));
    EuropeanCheck->setObjectName(QStringLiteral("EuropeanCheck"));
    TemplateGrid->setObjectName(QStringLiteral("TemplateGrid"));
    ManufacturerCombo->addItems(templateManufacturerEntries());
    ProductTypeCombo->addItems(templateProductTypeEntries());

    widgets::showDescriptions(TemplateGrid, model_);
    TemplateGrid->verticalHeader()->setDefaultSectionSize(TemplateGrid->fontMetrics().height() + 6);
    TemplateGrid->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    auto* lists = new QFormLayout;
    lists->addRow(QStringLiteral("Manufacturer"), ManufacturerCombo);
    lists->addRow(QStringLiteral("Product Type"), ProductTypeCombo);
    lists->addRow(EuropeanCheck);
    layout->addLayout(lists, 0, 0);
    layout->addWidget(TemplateGrid, 1, 0);
    auto* geometry = new QFormLayout;
    geometry->addRow(QStringLiteral("Label Height"), LabelHeightEdit);
    geometry->addRow(QStringLiteral("Label Width"), LabelWidthEdit);
    geometry->addRow(QStringLiteral("# Across"), AcrossEdit);
    geometry->addRow(QStringLiteral("# Down"), DownEdit);
    geometry->addRow(QStringLiteral("Paper Width"), PaperWidthEdit);
    geometry->addRow(QStringLiteral("Paper Height"), PaperHeightEdit);
    layout->addLayout(geometry, 1, 1, Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Help | QDialogButtonBox::Cancel, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons, 2, 0, 1, 2);
    resize(640, 420);

    connect(buttons, &QDialogButtonBox::accepted, this, &TLabelTemplateDialog::OKButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &showStockHelp);
    connect(ManufacturerCombo, &QComboBox::currentIndexChanged, this,
            &TLabelTemplateDialog::FilterChange);
    connect(ProductTypeCombo, &QComboBox::currentIndexChanged, this,
            &TLabelTemplateDialog::FilterChange);
    connect(EuropeanCheck, &QCheckBox::toggled, this, &TLabelTemplateDialog::FilterChange);
    connect(TemplateGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TLabelTemplateDialog::GridRowChange);
}

TLabelTemplateDialog::~TLabelTemplateDialog() = default;

int TLabelTemplateDialog::templateCount() const {
    return model_->rowCount();
}

int TLabelTemplateDialog::currentRow() const {
    return TemplateGrid->currentIndex().isValid() ? TemplateGrid->currentIndex().row() : -1;
}

void TLabelTemplateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

bool TLabelTemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    // Insert would add a row to a grid over a table; here it does nothing.
    if (watched == TemplateGrid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TLabelTemplateDialog::FormActivate() {
    const TemplatePreselection pre = preselectTemplate(current_, ignoreCurrent_);
    {
        const QSignalBlocker makers(ManufacturerCombo);
        const QSignalBlocker types(ProductTypeCombo);
        if (pre.manufacturerIndex >= 0) ManufacturerCombo->setCurrentIndex(pre.manufacturerIndex);
        ProductTypeCombo->setCurrentIndex(pre.productTypeIndex);
    }
    FilterChange();
    if (!pre.lookForTemplate || templateCount() == 0) return;
    const QString wanted = current_.templateDescription.trimmed();
    int row = 0;
    while (row < templateCount() - 1 && model_->description(row).trimmed() != wanted) ++row;
    selectRow(row);
}

void TLabelTemplateDialog::FilterChange() {
    const QString filter =
        templateFilter(ManufacturerCombo->currentText(), ProductTypeCombo->currentIndex(),
                       EuropeanCheck->isChecked());
    pc::data::TApollo apollo(&templates_);
    apollo.setQuery(filter);
    model_->reload();
    const bool any = templateCount() > 0;
    OKButton->setEnabled(any);
    TemplateGrid->setEnabled(any);
    selectRow(any ? 0 : -1);
}

void TLabelTemplateDialog::selectRow(int row) {
    if (row < 0) {
        TemplateGrid->setCurrentIndex({});
    } else {
        TemplateGrid->setCurrentIndex(model_->index(row, 0));
        TemplateGrid->scrollTo(model_->index(row, 0));
    }
    GridRowChange();
}

void TLabelTemplateDialog::GridRowChange() {
    if (!model_->goToRow(currentRow())) {
        for (QLineEdit* edit : {LabelHeightEdit, LabelWidthEdit, AcrossEdit, DownEdit,
                                PaperWidthEdit, PaperHeightEdit}) {
            edit->clear();
        }
        return;
    }
    showGeometry();
}

void TLabelTemplateDialog::showGeometry() {
    auto value = [this](const char* field) {
        return templates_.fieldByName(QLatin1String(field)).text().trimmed();
    };
    LabelHeightEdit->setText(value("LBLHEIGHT"));
    LabelWidthEdit->setText(value("LBLWIDTH"));
    AcrossEdit->setText(value("NBRACROSS"));
    DownEdit->setText(value("NBRDOWN"));
    PaperWidthEdit->setText(value("SHEETWIDTH"));
    PaperHeightEdit->setText(value("SHEETDEPTH"));
}

void TLabelTemplateDialog::OKButtonClick() {
    // The grid reads rows as it paints, so the table is put back on the
    // chosen one.
    if (!model_->goToRow(currentRow())) return;
    accept();
}

bool chooseTemplate(LabelDefinition& definition, QWidget* parent, bool ignoreCurrent) {
    pc::data::TTable templates;
    if (!openTemplateTable(templates)) return false;
    TLabelTemplateDialog dialog(templates,
                                {definition.manufacturer, definition.printer,
                                 definition.productType, definition.templateDescription},
                                ignoreCurrent, parent);
    pc::widgets::centreWindow(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    takeTemplate(templates, definition);
    return true;
}

}  // namespace pc::labels
