#include "labels/ui/print_labels_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/session.h"
#include "labels/label_layout_operations.h"
#include "labels/label_print_run.h"
#include "labels/ui/designer_chrome.h"
#include "labels/ui/label_design_screen.h"
#include "labels/ui/label_positions_dialog.h"
#include "labels/ui/sort_bulk_mail.h"
#include "postal/bulk_mail_presort.h"
#include "print/paper.h"
#include "print/print_job_runner.h"
#include "print/print_status_window.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/description_grid_model.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::labels {
namespace {

QString presortPath() {
    return text::homeDir() + QLatin1String(postal::kPresortFileName);
}

// The lines of the presort file; none when it cannot be read.
QStringList readPresortList() {
    QFile file(presortPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray trimmed = line.endsWith('\r') ? line.chopped(1) : line;
        if (!trimmed.isEmpty()) lines << QString::fromLatin1(trimmed);
    }
    return lines;
}

}  // namespace

TPrintLabels::TPrintLabels(data::Session& session, data::TTable& layouts, bool filterSet,
                           QWidget* parent)
    : QDialog(parent),
      session_(session),
      layouts_(layouts),
      layoutEngine_(&layouts),
      source_(session.table()) {
    setWindowTitle(QStringLiteral("Print Labels"));
    setObjectName(QStringLiteral("TPrintLabels"));
    QFile::remove(presortPath());  // a presort belongs to one label window
    buildControls(filterSet);
    reloadList();
}

TPrintLabels::~TPrintLabels() = default;

void TPrintLabels::buildControls(bool filterSet) {
    model_ = new widgets::DescriptionGridModel(layouts_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("LayoutGrid"));
    widgets::showDescriptions(grid_, model_);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowChanged(); });
    connect(grid_, &QTableView::doubleClicked, this, [this] { ModifyButtonClick(); });

    static const char* const kFieldNames[] = {"Label Height", "Label Width", "Sheet Name",
                                              "# Across",     "# Down",      "Paper Size",
                                              "Paper Width",  "Paper Height"};
    auto* fields = new QFormLayout;
    for (int i = 0; i < 8; ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setReadOnly(true);
        fields_[i]->setObjectName(QString::fromLatin1(kFieldNames[i]).remove(' ').remove('#'));
        fields->addRow(QString::fromLatin1(kFieldNames[i]), fields_[i]);
    }
    modify_ = new QPushButton(QStringLiteral("Modify"), this);
    new_ = new QPushButton(QStringLiteral("New"), this);
    delete_ = new QPushButton(QStringLiteral("Delete"), this);
    clone_ = new QPushButton(QStringLiteral("Clone"), this);
    auto* layoutButtons = new QHBoxLayout;
    for (QPushButton* b : {modify_, new_, delete_, clone_}) {
        b->setObjectName(b->text() + QStringLiteral("Button"));
        layoutButtons->addWidget(b);
    }
    connect(modify_, &QPushButton::clicked, this, &TPrintLabels::ModifyButtonClick);
    connect(new_, &QPushButton::clicked, this, &TPrintLabels::NewButtonClick);
    connect(delete_, &QPushButton::clicked, this, &TPrintLabels::DeleteButtonClick);
    connect(clone_, &QPushButton::clicked, this, &TPrintLabels::CloneButtonClick);

    whatToPrint_ =
        new widgets::WhatToPrintGroup(filterSet, widgets::WhatToPrint::MatchingFilter, this);
    presort_ = new QCheckBox(QStringLiteral("Presort for Bulk Mail"));
    presort_->setToolTip(
        QStringLiteral("Check here to have the file first presorted for bulk mailing"));
    presort_->setObjectName(QStringLiteral("PresortCheck"));
    whatToPrint_->addOption(presort_);
    connect(whatToPrint_, &widgets::WhatToPrintGroup::changed, this,
            &TPrintLabels::whatToPrintClicked);

    printerBox_ = new QGroupBox(QStringLiteral("Printer"), this);
    printer_ = new QComboBox(printerBox_);
    printer_->setObjectName(QStringLiteral("PrinterList"));
    printer_->addItems(engine_.printers());
    printer_->setCurrentIndex(engine_.printerIndex());
    connect(printer_, &QComboBox::currentIndexChanged, this,
            [this](int i) { engine_.selectPrinter(i); });
    (new QVBoxLayout(printerBox_))->addWidget(printer_);

    auto* help = new QPushButton(QStringLiteral("Help"), this);
    preview_ = new QPushButton(QStringLiteral("Preview"), this);
    print_ = new QPushButton(QStringLiteral("Print"), this);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    preview_->setObjectName(QStringLiteral("PreviewButton"));
    print_->setObjectName(QStringLiteral("PrintButton"));
    ok->setObjectName(QStringLiteral("OkButton"));
    connect(help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kPrintLabels); });
    connect(preview_, &QPushButton::clicked, this, &TPrintLabels::PreviewButtonClick);
    connect(print_, &QPushButton::clicked, this, &TPrintLabels::PrintButtonClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {help, preview_, print_, ok}) bottom->addWidget(b);

    auto* left = new QVBoxLayout;
    left->addWidget(grid_, 1);
    left->addLayout(layoutButtons);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addWidget(whatToPrint_);
    right->addWidget(printerBox_);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(720, 480);
}

void TPrintLabels::whatToPrintClicked() {
    presortDone_ = false;
    if (whatToPrint_->currentOnly()) presort_->setChecked(false);
    presort_->setEnabled(!whatToPrint_->currentOnly());
}

void TPrintLabels::reloadList(int recno) {
    model_->reload();
    const bool empty = model_->rowCount() == 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{modify_, print_, preview_, delete_, clone_, grid_})
        w->setEnabled(!empty);
    whatToPrint_->setVisible(!empty);
    printerBox_->setVisible(!empty);
    int row = 0;
    for (int r = 0; recno > 0 && r < model_->rowCount(); ++r) {
        model_->goToRow(r);
        if (layouts_.recNo() == recno) {
            row = r;
            break;
        }
    }
    if (!empty) grid_->selectRow(row);
    rowChanged();
}

void TPrintLabels::rowChanged() {
    const int row = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
    if (model_->rowCount() > 0) model_->goToRow(row);
    current_ = readLabelDefinition(layouts_);
    showCurrent();
}

void TPrintLabels::showCurrent() {
    const auto inches = [](double v) { return QString::number(v, 'f', 3); };
    const LabelDefinition& d = current_;
    const QString values[8] = {
        inches(d.labelHeight),
        inches(d.labelWidth),
        d.templateDescription.isEmpty() ? QStringLiteral("[User Defined]") : d.templateDescription,
        QString::number(d.across),
        QString::number(d.down),
        d.paperSize,
        inches(d.sheetWidth),
        inches(d.sheetDepth)};
    for (int i = 0; i < 8; ++i) fields_[i]->setText(model_->rowCount() ? values[i] : QString());
}

namespace {

// The designer's calls for New, Modify and Clone, over one design surface.
struct DesignSession {
    design::TGLabelPanel panel;
    LayoutDesignerCalls calls;
    DesignSession(data::Session& session, const design::MergeSource& source, QWidget* parent) {
        panel.setMergeSource(&source);
        calls.clearObjects = [this] { panel.clearObjects(); };
        calls.loadObjects = [this](const QString& path) { return loadLayoutOrTell(panel, path); };
        calls.saveObjects = [this](const QString& path) { return saveLayoutOrTell(panel, path); };
        calls.design = [this, &session, parent](LabelDefinition& definition, bool isNew) {
            TLabelDesignScreen designer(panel, definition, isNew, &session.table(), parent);
            if (designer.exec() != QDialog::Accepted) return false;
            definition = designer.definition();
            return true;
        };
    }
};

}  // namespace

void TPrintLabels::NewButtonClick() {
    DesignSession design(session_, source_, this);
    if (newLayout(layouts_, design.calls)) reloadList(layouts_.recNo());
}

void TPrintLabels::ModifyButtonClick() {
    if (model_->rowCount() == 0) return;
    const int recno = layouts_.recNo();
    DesignSession design(session_, source_, this);
    if (modifyLayout(layouts_, design.calls)) reloadList(recno);
}

void TPrintLabels::CloneButtonClick() {
    if (model_->rowCount() == 0) return;
    DesignSession design(session_, source_, this);
    if (cloneLayout(layouts_, design.calls)) reloadList(layouts_.recNo());
}

void TPrintLabels::DeleteButtonClick() {
    if (model_->rowCount() == 0) return;
    if (deleteLayout(layouts_)) reloadList();
}

void TPrintLabels::PreviewButtonClick() {
    if (runPositionDialog(true)) PrintLabels(true);
}

void TPrintLabels::PrintButtonClick() {
    if (!runPositionDialog(false)) return;
    QString pdf;
    if (engine_.pdfPrinter()) {
        pdf = QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF file"), QString(),
                                           QStringLiteral("PDF files (*.pdf)"));
        if (pdf.isEmpty()) return;
    }
    PrintLabels(false, pdf);
}

bool TPrintLabels::runPositionDialog(bool preview) {
    Q_UNUSED(preview);
    current_ = readLabelDefinition(layouts_);
    const SheetGeometry sheet = SheetGeometry::of(current_);
    positions_.resize(sheet.positions());
    TLabelPositionsDialog dialog(sheet, positions_, engine_, copies_, presort_->isChecked(), this);
    widgets::centreWindow(&dialog, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    positions_ = dialog.positions();
    copies_ = dialog.copies();
    printer_->setCurrentIndex(engine_.printerIndex());
    return true;
}

bool TPrintLabels::PrintLabels(bool preview, const QString& pdfPath) {
    data::TTable& addresses = session_.table();
    data::TApollo& engine = session_.engine();
    current_ = readLabelDefinition(layouts_);
    LabelPrintChoices choices;
    choices.records = whatToPrint();
    choices.startFromCurrent = whatToPrint_->startFromCurrent();
    choices.positions = positions_;
    choices.copies = copies_;
    choices.presort = presort_->isChecked();
    choices.presorter = [this, &addresses, &engine]() -> std::optional<QStringList> {
        if (!presortDone_) {
            TSortBulkMail sort(addresses, engine, this);
            widgets::centreWindow(&sort, this);
            sort.exec();
            presortDone_ = sort.presortDone();
        }
        if (!presortDone_) return std::nullopt;
        return readPresortList();
    };
    bool printed = false;
    try {
        LabelPrintRun run(addresses, engine, current_, text::sysdataDir(), std::move(choices),
                          engine_);
        if (!run.ready()) return false;
        print::PrintStatusTexts texts{preview ? QStringLiteral("Preparing Preview Page %p\r%0\r%1")
                                              : QStringLiteral("Printing Page %p\r%0\r%1"),
                                      QStringLiteral("Cancel Label Printing?"),
                                      preview ? QStringLiteral("\rLabel Preview Canceled!")
                                              : QStringLiteral("\rLabel Print Canceled!"),
                                      QStringLiteral("\rLabel Print Completed!"),
                                      QStringLiteral("\rPreview Stopped at page %p!")};
        const auto result = print::runPrintJob(
            engine_, preview, {texts, QStringLiteral("Preview Labels"), pdfPath, this, {}},
            [&run](print::PrintEngine& e, const print::KeepGoing& keepGoing) {
                run.print(e, keepGoing);
            });
        printed = result == print::PrintStatusWindow::Result::Completed;
    } catch (const data::DataError& e) {
        text::messages().inform(QString::fromUtf8(e.what()));
    }
    return printed;
}

}  // namespace pc::labels
