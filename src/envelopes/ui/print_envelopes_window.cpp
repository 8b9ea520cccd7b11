#include "envelopes/ui/print_envelopes_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "data/data_error.h"
#include "data/session.h"
#include "design/ui/surface_widget.h"
#include "envelopes/envelope_layout_operations.h"
#include "envelopes/envelope_print_run.h"
#include "envelopes/envelope_printer.h"
#include "envelopes/envelope_sizes.h"
#include "envelopes/ui/choose_envelope_layout.h"
#include "envelopes/ui/envelope_design_screen.h"
#include "envelopes/ui/envelope_pre_print.h"
#include "envelopes/ui/envelope_printer_setup.h"
#include "labels/ui/designer_chrome.h"
#include "print/print_job_runner.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/description_grid_model.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::envelopes {
namespace {

constexpr float kPictureZoom = 0.3f;

PrinterGeometry geometryOf(const print::PrintEngine& engine) {
    const QMarginsF waste = engine.unprintableMargins();
    const print::InchSize page = engine.pageSize();
    return PrinterGeometry::fromInches(waste.left(), waste.top(), waste.right(), waste.bottom(),
                                       page.width.value, page.height.value);
}

}  // namespace

TPKEnvelopes::TPKEnvelopes(data::Session& session, data::TTable& layouts, bool filterSet,
                           QWidget* parent)
    : QDialog(parent),
      session_(session),
      layouts_(layouts),
      layoutEngine_(&layouts),
      source_(session.table()) {
    setWindowTitle(QStringLiteral("Print Envelope"));
    setObjectName(QStringLiteral("TPKEnvelopes"));
    display_.setMergeSource(&source_);
    display_.setShape(design::TLabelShapeType::lsRectangle);
    display_.setDrawOutline(true);
    confirmPrint = [this](EnvelopeFeed& feed) {
        TEnvelopePrePrint dialog(engine_, current_.code, feed, this);
        widgets::centreWindow(&dialog, this);
        if (dialog.exec() != QDialog::Accepted) return false;
        feed = dialog.feed();
        return true;
    };
    runDesigner = [this](TEnvelopePanel& panel, EnvelopeDefinition& definition) {
        TEnvelopeDesignScreen designer(panel, definition, &session_.table(), this);
        widgets::centreWindow(&designer, parentWidget());
        if (designer.exec() != QDialog::Accepted) return false;
        definition.description = designer.definition().description;
        definition.setCode(designer.definition().code);
        return true;
    };
    buildControls(filterSet);
    reloadList();
}

TPKEnvelopes::~TPKEnvelopes() = default;

QString TPKEnvelopes::settingsPath() const {
    return text::settingsPath();
}

void TPKEnvelopes::buildControls(bool filterSet) {
    model_ = new widgets::DescriptionGridModel(layouts_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("LayoutGrid"));
    widgets::showDescriptions(grid_, model_);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowChanged(); });
    connect(grid_, &QTableView::doubleClicked, this, [this] { ModifyButtonClick(); });
    auto* gridLabel = new QLabel(QStringLiteral("&Select Envelope Setup"), this);
    gridLabel->setBuddy(grid_);

    modify_ = new QPushButton(QStringLiteral("Modify"), this);
    new_ = new QPushButton(QStringLiteral("New"), this);
    delete_ = new QPushButton(QStringLiteral("Delete"), this);
    clone_ = new QPushButton(QStringLiteral("Clone"), this);
    auto* layoutButtons = new QHBoxLayout;
    for (QPushButton* b : {modify_, new_, delete_, clone_}) {
        b->setObjectName(b->text() + QStringLiteral("Button"));
        b->setAutoDefault(false);
        layoutButtons->addWidget(b);
    }
    connect(modify_, &QPushButton::clicked, this, &TPKEnvelopes::ModifyButtonClick);
    connect(new_, &QPushButton::clicked, this, &TPKEnvelopes::NewButtonClick);
    connect(delete_, &QPushButton::clicked, this, &TPKEnvelopes::DeleteButtonClick);
    connect(clone_, &QPushButton::clicked, this, &TPKEnvelopes::CloneButtonClick);

    what_ = new widgets::WhatToPrintGroup(filterSet, WhatToPrint::CurrentOnly, this);

    auto* record = new QGroupBox(QStringLiteral("Current Record"), this);
    auto* recordForm = new QFormLayout;
    static const char* const kRecordFields[] = {"FNAME", "LNAME", "ORG", "CITY"};
    static const char* const kRecordLabels[] = {"First Name", "Last Name", "Organization", "City"};
    for (int i = 0; i < 4; ++i) {
        recordFields_[i] = new QLineEdit(record);
        recordFields_[i]->setReadOnly(true);
        recordFields_[i]->setObjectName(QString::fromLatin1(kRecordFields[i]));
        recordForm->addRow(QString::fromLatin1(kRecordLabels[i]), recordFields_[i]);
    }
    auto* navigation = new QHBoxLayout;
    labels::addRecordButtons(this, navigation, true, [this](int i) { RecordButtonClick(i); });
    navigation->addStretch();
    auto* recordLayout = new QVBoxLayout(record);
    recordLayout->addLayout(recordForm);
    recordLayout->addLayout(navigation);

    sizeLabel_ = new QLabel(this);
    sizeLabel_->setObjectName(QStringLiteral("SizeLabel"));
    picture_ = new design::ui::SurfaceWidget(display_, this);
    picture_->setObjectName(QStringLiteral("EnvelopePicture"));
    picture_->setEnabled(false);

    auto* help = new QPushButton(QStringLiteral("Help"), this);
    auto* setup = new QPushButton(QStringLiteral("Printer Setup"), this);
    preview_ = new QPushButton(QStringLiteral("Pre&view"), this);
    print_ = new QPushButton(QStringLiteral("&Print"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    setup->setObjectName(QStringLiteral("PrinterSetupButton"));
    preview_->setObjectName(QStringLiteral("PreviewButton"));
    print_->setObjectName(QStringLiteral("PrintButton"));
    close->setObjectName(QStringLiteral("CloseButton"));
    for (QPushButton* b : {help, setup, preview_, print_, close}) b->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kPrintEnvelopes); });
    connect(setup, &QPushButton::clicked, this, &TPKEnvelopes::PrinterSetupClick);
    connect(preview_, &QPushButton::clicked, this, &TPKEnvelopes::PreviewButtonClick);
    connect(print_, &QPushButton::clicked, this, &TPKEnvelopes::PrintButtonClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help);
    bottom->addStretch();
    for (QPushButton* b : {setup, preview_, print_, close}) bottom->addWidget(b);

    auto* left = new QVBoxLayout;
    left->addWidget(gridLabel);
    left->addWidget(grid_, 1);
    left->addLayout(layoutButtons);
    auto* right = new QVBoxLayout;
    right->addWidget(what_);
    right->addWidget(record);
    right->addWidget(sizeLabel_);
    right->addWidget(picture_, 0, Qt::AlignLeft);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(820, 560);
}

void TPKEnvelopes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opening_) return;
    opening_ = false;
    feed_ = loadEnvelopePreferences(engine_, settingsPath());
    ReadEnvelopeSetup();
    ShowDisplayEnvelope();
    showRecord();
}

void TPKEnvelopes::reloadList(int recno) {
    model_->reload();
    int row = 0;
    for (int r = 0; recno > 0 && r < model_->rowCount(); ++r) {
        model_->goToRow(r);
        if (layouts_.recNo() == recno) {
            row = r;
            break;
        }
    }
    if (model_->rowCount() > 0) {
        grid_->selectRow(row);
        model_->goToRow(row);
    }
    SetEnvelopeButtons();
    rowChanged();
}

void TPKEnvelopes::rowChanged() {
    if (model_->rowCount() > 0) {
        const int row = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
        model_->goToRow(row);
    }
    ReadEnvelopeSetup();
    ShowDisplayEnvelope();
}

void TPKEnvelopes::ReadEnvelopeSetup() {
    if (model_->rowCount() > 0) {
        readEnvelopeSetup(layouts_, current_);
    } else if (!current_.isNew) {
        // An empty list reads as the table's end.
        current_.description = QStringLiteral("Envelope #10");
        current_.setCode(kEnvelope10);
    }
}

void TPKEnvelopes::SetEnvelopeButtons() {
    const bool rows = model_->rowCount() > 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{modify_, clone_, print_, preview_, delete_, grid_})
        w->setEnabled(rows);
}

void TPKEnvelopes::ShowDisplayEnvelope() {
    if (opening_) return;
    display_.setPrinting(false);
    picture_->hide();
    display_.setZoom(1.0f);
    display_.clearObjects();
    display_.sizeFromInches(current_.usableLength(), current_.usableDepth());
    const bool rows = model_->rowCount() > 0;
    if (rows && !current_.layoutFile.isEmpty()) {
        const QString path = envelopeLayoutPath(text::sysdataDir(), current_.layoutFile);
        if (QFileInfo(path).isFile()) display_.loadLayout(path);
    }
    display_.setZoom(kPictureZoom);
    display_.setSize({static_cast<int>(std::lround(96.0 * current_.usableLength() * kPictureZoom)),
                      static_cast<int>(std::lround(96.0 * current_.usableDepth() * kPictureZoom))});
    display_.refreshAllData();
    sizeLabel_->setText(rows ? envelopeSizeText(current_.code) : QString());
    picture_->refreshAll();
    picture_->updateGeometry();
    picture_->show();
}

void TPKEnvelopes::showRecord() {
    static const char* const kRecordFields[] = {"FNAME", "LNAME", "ORG", "CITY"};
    const data::TTable& table = session_.table();
    for (int i = 0; i < 4; ++i) {
        const data::TField* field = table.findField(QString::fromLatin1(kRecordFields[i]));
        recordFields_[i]->setText(field && !table.eof() ? field->text().trimmed() : QString());
    }
}

void TPKEnvelopes::RecordButtonClick(int which) {
    if (!labels::moveAddressRecord(&session_.table(), which)) return;
    showRecord();
    display_.refreshAllData();
    picture_->refreshAll();
}

namespace {

// The designer's surface and the calls of New and Modify over it.
struct DesignSession {
    TEnvelopePanel panel;
    EnvelopeDesignerCalls calls;
    DesignSession(const design::MergeSource& source, const PrinterGeometry& geometry,
                  const std::function<bool(TEnvelopePanel&, EnvelopeDefinition&)>& designer) {
        panel.setMergeSource(&source);
        panel.setPrinterGeometry(geometry);
        calls.clearObjects = [this] { panel.clearObjects(); };
        calls.loadObjects = [this](const QString& path) {
            return labels::loadLayoutOrTell(panel, path);
        };
        calls.saveObjects = [this](const QString& path) {
            return labels::saveLayoutOrTell(panel, path);
        };
        calls.design = [this, designer](EnvelopeDefinition& definition) {
            panel.refreshAllData();
            return designer(panel, definition);
        };
    }
};

}  // namespace

void TPKEnvelopes::NewButtonClick() {
    int code = current_.code;
    if (!chooseEnvelopeSize(code, this)) return;
    DesignSession design(source_, geometryOf(engine_), runDesigner);
    if (newEnvelope(layouts_, current_, code, design.calls)) reloadList(layouts_.recNo());
}

void TPKEnvelopes::ModifyButtonClick() {
    if (model_->rowCount() == 0) return;
    const int recno = layouts_.recNo();
    DesignSession design(source_, geometryOf(engine_), runDesigner);
    if (modifyEnvelope(layouts_, current_, design.calls)) reloadList(recno);
}

void TPKEnvelopes::CloneButtonClick() {
    if (model_->rowCount() == 0) return;
    if (cloneEnvelope(layouts_)) reloadList(layouts_.recNo());
}

void TPKEnvelopes::DeleteButtonClick() {
    if (model_->rowCount() == 0) return;
    if (deleteEnvelope(layouts_)) reloadList();
}

void TPKEnvelopes::PrinterSetupClick() {
    EnvelopePrinterSetup setup(engine_, this);
    widgets::centreWindow(&setup, this);
    if (setup.exec() == QDialog::Accepted) saveEnvelopePreferences(engine_, feed_, settingsPath());
}

void TPKEnvelopes::PreviewButtonClick() {
    PrintEnvelopes(true);
}

void TPKEnvelopes::PrintButtonClick() {
    QString pdf;
    if (engine_.pdfPrinter()) {
        pdf = QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF file"), QString(),
                                           QStringLiteral("PDF files (*.pdf)"));
        if (pdf.isEmpty()) return;
    }
    PrintEnvelopes(false, pdf);
}

bool TPKEnvelopes::PrintEnvelopes(bool preview, const QString& pdfPath) {
    ReadEnvelopeSetup();
    feed_ = loadEnvelopePreferences(engine_, settingsPath());
    const QString layout = envelopeLayoutPath(text::sysdataDir(), current_.layoutFile);
    if (current_.layoutFile.isEmpty() || !QFileInfo(layout).isFile()) {
        text::messages().inform(
            QStringLiteral("Envelope definition file has been removed from the sysdata directory"));
        return false;
    }
    setEnvelopePaper(engine_, current_.code, feed_);
    if (!confirmPrint(feed_)) return false;
    saveEnvelopePreferences(engine_, feed_, settingsPath());

    data::TTable& addresses = session_.table();
    EnvelopePrintChoices choices;
    choices.records = whatToPrint();
    choices.startFromCurrent = what_->startFromCurrent();
    choices.feed = feed_;
    choices.preview = preview;
    bool printed = false;
    try {
        EnvelopePrintRun run(addresses, session_.engine(), current_, text::sysdataDir(), choices);
        if (!run.ready()) return false;
        // No record chosen: nothing goes to the printer, not even a blank sheet.
        if (run.nothingToPrint()) return false;
        print::PrintStatusTexts texts{QStringLiteral("Printing Page %p\r%0\r%1"), QString(),
                                      preview ? QStringLiteral("\rEnvelope Preview Canceled!")
                                              : QStringLiteral("\rEnvelope Print Canceled!"),
                                      QStringLiteral("\rEnvelope Print Completed!"),
                                      QStringLiteral("\rPreview Stopped!")};
        engine_.setTitle(QStringLiteral("Postcraft"));
        engine_.beforePrint = [&](print::PrintEngine& e) { run.beforePrint(e); };
        using Result = print::PrintStatusWindow::Result;
        const Result result = print::runPrintJob(
            engine_, preview, {texts, QStringLiteral("Preview Envelope"), pdfPath, this, {}},
            [&run](print::PrintEngine& e, const print::KeepGoing& keepGoing) {
                run.print(e, keepGoing);
            });
        engine_.beforePrint = nullptr;
        printed = result == Result::Completed || result == Result::Stopped;
    } catch (const data::DataError& e) {
        engine_.beforePrint = nullptr;
        text::messages().inform(QString::fromUtf8(e.what()));
    }
    showRecord();
    return printed;
}

}  // namespace pc::envelopes
