#include "labels/ui/print_labels_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/session.h"
#include "labels/label_layout_operations.h"
#include "labels/label_print_loop.h"
#include "labels/ui/label_design_screen.h"
#include "labels/ui/label_positions_dialog.h"
#include "labels/ui/sort_bulk_mail.h"
#include "labels/ui/template_table_model.h"
#include "postal/bulk_mail_presort.h"
#include "print/paper.h"
#include "print/preview_window.h"
#include "print/print_status_window.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::labels {
namespace {

constexpr int kHelpPrintLabels = 1072;

// The chosen records in print order, for the print loop.
class TableLabelRecords : public LabelRecords {
  public:
    TableLabelRecords(data::TTable& table, data::TApollo& engine)
        : table_(table), engine_(engine) {}
    bool atEnd() const override { return table_.eof(); }
    void first() override { table_.first(); }
    void next() override { table_.next(); }
    void goPastEnd() override {
        table_.last();
        table_.next();
    }
    QString zip() const override {
        const data::TField* zip = table_.findField(QStringLiteral("ZIP"));
        return zip ? zip->text() : QString();
    }
    bool seekZip(const QString& code) override {
        engine_.seek(code);
        return !table_.eof();
    }

  private:
    data::TTable& table_;
    data::TApollo& engine_;
};

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

bool landscapePaper(const QString& code) {
    return code == QLatin1String("LTRL") || code == QLatin1String("A4L") ||
           code == QLatin1String("USERL");
}

double twoDecimals(double v) {
    return std::round(v * 100.0) / 100.0;
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
    panel_.setMergeSource(&source_);
    QFile::remove(presortPath());  // a presort belongs to one label window
    buildControls(filterSet);
    reloadList();
}

TPrintLabels::~TPrintLabels() = default;

void TPrintLabels::buildControls(bool filterSet) {
    model_ = new TemplateTableModel(layouts_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("LayoutGrid"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->hide();
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

    whatToPrint_ = new QGroupBox(QStringLiteral("What to Print"), this);
    all_ = new QRadioButton(QStringLiteral("All records"), whatToPrint_);
    matching_ = new QRadioButton(QStringLiteral("Records matching filter"), whatToPrint_);
    currentOnly_ = new QRadioButton(QStringLiteral("Only current record"), whatToPrint_);
    fromCurrent_ = new QCheckBox(QStringLiteral("Start from current record"), whatToPrint_);
    presort_ = new QCheckBox(QStringLiteral("Presort for Bulk Mail"), whatToPrint_);
    presort_->setToolTip(
        QStringLiteral("Check here to have the file first presorted for bulk mailing"));
    all_->setObjectName(QStringLiteral("AllRecords"));
    matching_->setObjectName(QStringLiteral("MatchingRecords"));
    currentOnly_->setObjectName(QStringLiteral("CurrentRecord"));
    fromCurrent_->setObjectName(QStringLiteral("StartFromCurrent"));
    presort_->setObjectName(QStringLiteral("PresortCheck"));
    matching_->setChecked(true);
    if (!filterSet) {
        matching_->setEnabled(false);
        all_->setChecked(true);
    }
    auto* what = new QVBoxLayout(whatToPrint_);
    for (QWidget* w :
         std::initializer_list<QWidget*>{all_, matching_, currentOnly_, fromCurrent_, presort_})
        what->addWidget(w);
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{all_, matching_, currentOnly_, fromCurrent_})
        connect(b, &QAbstractButton::clicked, this, &TPrintLabels::whatToPrintClicked);

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
    connect(help, &QPushButton::clicked, this, [] { widgets::showHelp(kHelpPrintLabels); });
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

TPrintLabels::WhatToPrint TPrintLabels::whatToPrint() const {
    if (all_->isChecked()) return WhatToPrint::All;
    if (currentOnly_->isChecked()) return WhatToPrint::CurrentOnly;
    return WhatToPrint::MatchingFilter;
}

void TPrintLabels::setWhatToPrint(WhatToPrint what) {
    (what == WhatToPrint::All           ? all_
     : what == WhatToPrint::CurrentOnly ? currentOnly_
                                        : matching_)
        ->setChecked(true);
    whatToPrintClicked();
}

void TPrintLabels::whatToPrintClicked() {
    presortDone_ = false;
    if (currentOnly_->isChecked()) presort_->setChecked(false);
    presort_->setEnabled(!currentOnly_->isChecked());
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
        calls.loadObjects = [this](const QString& path) {
            QString error;
            if (panel.loadLayout(path, &error)) return true;
            text::messages().inform(error);
            return false;
        };
        calls.saveObjects = [this](const QString& path) {
            QString error;
            if (panel.saveLayout(path, &error)) return true;
            text::messages().inform(error);
            return false;
        };
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
    panel_.clearObjects();
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
    panel_.clearObjects();
    const QString file = layoutFilePath(text::sysdataDir(), current_.layoutFile);
    if (current_.layoutFile.isEmpty() || !QFileInfo::exists(file)) {
        text::messages().inform(
            QStringLiteral("Label definition file has been removed from the sysdata directory"));
        return false;
    }
    QString error;
    if (!panel_.loadLayout(file, &error)) {
        text::messages().inform(error);
        return false;
    }

    const int remembered = session_.currentRecord();
    const QString rememberedQuery = engine.query();
    bool printed = false;
    {
        // The chosen records; the filter and record come back on every path.
        std::unique_ptr<data::QuerySetting> query;
        if (whatToPrint() == WhatToPrint::All)
            query = std::make_unique<data::QuerySetting>(engine, QStringLiteral("NOT ISDEL"));
        else if (whatToPrint() == WhatToPrint::CurrentOnly)
            query = std::make_unique<data::QuerySetting>(
                engine, QStringLiteral("Recno()=") + QString::number(remembered));
        try {
            if (fromCurrent_->isChecked() && session_.goToRecord(remembered) &&
                addresses.recNo() == remembered && !addresses.eof()) {
                addresses.resync();
            } else {
                if (fromCurrent_->isChecked())
                    text::messages().inform(QStringLiteral(
                        "Current record is out of range. Starting with first record"));
                addresses.first();
            }

            // Bulk mail: the presorted order walks the ZIP index, not exact.
            std::unique_ptr<data::ExactSetting> inexact;
            std::unique_ptr<data::OrderSetting> zipOrder;
            QStringList presortList;
            if (presort_->isChecked()) {
                if (!presortDone_) {
                    TSortBulkMail sort(addresses, engine, this);
                    widgets::centreWindow(&sort, this);
                    sort.exec();
                    presortDone_ = sort.presortDone();
                }
                if (!presortDone_) throw false;
                presortList = readPresortList();
                inexact = std::make_unique<data::ExactSetting>(false);
                zipOrder = std::make_unique<data::OrderSetting>(
                    engine, engine.tagArea(QStringLiteral("ZIP")));
                addresses.resync();
                text::messages().inform(
                    QStringLiteral("Labels will print/preview in the following order:\r\n  1. "
                                   "5-Digit presort\r\n  2. 3-Digit presort\r\n  3. ADC presort"));
            }

            // Paper and orientation as the layout's sheet lies in the printer.
            const bool landscape = landscapePaper(current_.paperSize);
            const double pw = landscape ? current_.sheetDepth : current_.sheetWidth;
            const double pl = landscape ? current_.sheetWidth : current_.sheetDepth;
            bool confirmed = true;
            const QString paper = current_.paperSize;
            if (paper == QLatin1String("LTR") || paper == QLatin1String("LTRL"))
                engine_.setPaperCode(print::kPaperLetter);
            else if (paper == QLatin1String("A4") || paper == QLatin1String("A4L"))
                engine_.setPaperCode(print::kPaperA4);
            else if (paper == QLatin1String("A5"))
                engine_.setPaperCode(print::kPaperA5);
            else if (!engine_.printerName().toUpper().contains(QLatin1String("HPFDJ")))
                engine_.setCustomPaper({print::Inches(pw), print::Inches(pl)});
            else
                confirmed = false;
            engine_.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            const print::InchSize page = engine_.pageSize();
            double w = twoDecimals(page.width.value), h = twoDecimals(page.height.value);
            if (landscape) std::swap(w, h);
            if (!confirmed || std::abs(w - pw) > 0.05 || std::abs(h - pl) > 0.05) {
                const QString question =
                    QStringLiteral("Unable to confirm that the paper size was set to\r\n\r\n") +
                    QString::number(pw, 'f', 2) + QStringLiteral("\" by ") +
                    QString::number(pl, 'f', 2) +
                    QStringLiteral(
                        "\"\r\n\r\n(you may have the wrong printer selected)\r\n\r\n"
                        "Would you like to try printing anyways?");
                if (!text::messages().ask(question, QStringLiteral("Confirm"))) throw false;
            }

            TableLabelRecords records(addresses, engine);
            LabelPrintSetup setup;
            setup.sheet = SheetGeometry::of(current_);
            setup.positions = positions_;
            setup.copies = copies_;
            setup.presort = presort_->isChecked();
            setup.presortList = presortList;
            LabelPrintLoop loop(
                setup, records,
                [this](print::PageCanvas& canvas, print::Inches x, print::Inches y) {
                    panel_.refreshAllData();
                    panel_.printObjects(canvas, y, x);
                    panel_.advanceCounters();
                });
            print::PrintStatusTexts texts{preview
                                              ? QStringLiteral("Preparing Preview Page %p\r%0\r%1")
                                              : QStringLiteral("Printing Page %p\r%0\r%1"),
                                          QStringLiteral("Cancel Label Printing?"),
                                          preview ? QStringLiteral("\rLabel Preview Canceled!")
                                                  : QStringLiteral("\rLabel Print Canceled!"),
                                          QStringLiteral("\rLabel Print Completed!"),
                                          QStringLiteral("\rPreview Stopped at page %p!")};
            print::PrintStatusWindow status(
                engine_, preview ? print::PrintOutput::Recording : print::PrintOutput::Printer,
                texts, pdfPath, this);
            QElapsedTimer sinceEvents;
            sinceEvents.start();
            engine_.print = [&](print::PrintEngine& e) {
                loop.run(e, [&] {
                    if (sinceEvents.elapsed() >= 50) {
                        QCoreApplication::processEvents();
                        sinceEvents.restart();
                    }
                    return !status.stopRequested();
                });
            };
            panel_.setPrinting(true);
            panel_.resetCounters();
            widgets::centreWindow(&status, this);
            status.exec();
            engine_.print = nullptr;
            printed = status.result() == print::PrintStatusWindow::Result::Completed;
            if (preview && printed) {
                print::PreviewWindow window(engine_.recording(), QStringLiteral("Preview Labels"),
                                            this);
                window.exec();
            }
        } catch (bool) {
            printed = false;
        } catch (const data::DataError& e) {
            text::messages().inform(QString::fromUtf8(e.what()));
        }
    }
    panel_.setPrinting(false);
    engine.setQuery(rememberedQuery);
    if (remembered > 0) session_.goToRecord(remembered);
    addresses.resync();
    return printed;
}

}  // namespace pc::labels
