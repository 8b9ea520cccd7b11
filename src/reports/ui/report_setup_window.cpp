#include "reports/ui/report_setup_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "data/session.h"
#include "design/report_panel.h"
#include "design/table_merge_source.h"
#include "print/paper.h"
#include "reports/built_in_report.h"
#include "reports/report_definition.h"
#include "reports/ui/printer_choice_dialog.h"
#include "reports/ui/report_designer.h"
#include "reports/ui/report_job.h"
#include "reports/user_report.h"
#include "text/message_service.h"
#include "widgets/description_grid_model.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::reports {

TReportSetup::TReportSetup(pc::data::Session& session, pc::data::TTable& reports, bool filterSet,
                           QWidget* parent)
    : QDialog(parent), session_(session), reports_(reports), reportEngine_(&reports) {
    setWindowTitle(QStringLiteral("Print Report"));
    setObjectName(QStringLiteral("TReportSetup"));
    buildControls(filterSet);
    reloadList();
}

TReportSetup::~TReportSetup() = default;

void TReportSetup::buildControls(bool filterSet) {
    tabs_ = new QTabWidget(this);
    auto* designer = new QWidget(tabs_);
    model_ = new widgets::DescriptionGridModel(reports_, this);
    grid_ = new QTableView(designer);
    grid_->setObjectName(QStringLiteral("ReportGrid"));
    widgets::showDescriptions(grid_, model_);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) { model_->goToRow(index.row()); });
    connect(grid_, &QTableView::doubleClicked, this, [this] { ModifyButtonClick(); });
    modify_ = new QPushButton(QStringLiteral("Modify"), designer);
    new_ = new QPushButton(QStringLiteral("New"), designer);
    delete_ = new QPushButton(QStringLiteral("Delete"), designer);
    clone_ = new QPushButton(QStringLiteral("Clone"), designer);
    auto* designerButtons = new QHBoxLayout;
    for (QPushButton* b : {modify_, new_, delete_, clone_}) {
        b->setObjectName(b->text() + QStringLiteral("Button"));
        designerButtons->addWidget(b);
    }
    connect(modify_, &QPushButton::clicked, this, &TReportSetup::ModifyButtonClick);
    connect(new_, &QPushButton::clicked, this, &TReportSetup::NewButtonClick);
    connect(delete_, &QPushButton::clicked, this, &TReportSetup::DeleteButtonClick);
    connect(clone_, &QPushButton::clicked, this, &TReportSetup::CloneButtonClick);
    auto* designerLayout = new QVBoxLayout(designer);
    designerLayout->addWidget(grid_);
    designerLayout->addLayout(designerButtons);
    tabs_->addTab(designer, QStringLiteral("Report Designer"));

    auto* builtIn = new QWidget(tabs_);
    builtIns_ = new QListWidget(builtIn);
    builtIns_->setObjectName(QStringLiteral("BuiltInList"));
    for (int n = 1; n <= 4; ++n) builtIns_->addItem(builtInReportName(n));
    builtIns_->setCurrentRow(0);
    title_ = new QLineEdit(QStringLiteral("Report 1"), builtIn);
    title_->setObjectName(QStringLiteral("ReportTitle"));
    connect(builtIns_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) title_->setText(QStringLiteral("Report ") + QString::number(row + 1));
    });
    printMemo_ = new QCheckBox(QStringLiteral("Print Memo"), builtIn);
    printCodes_ = new QCheckBox(QStringLiteral("Print Codes"), builtIn);
    auto* builtInLayout = new QVBoxLayout(builtIn);
    builtInLayout->addWidget(new QLabel(QStringLiteral("Select Report:"), builtIn));
    builtInLayout->addWidget(builtIns_);
    builtInLayout->addWidget(new QLabel(QStringLiteral("Report Title"), builtIn));
    builtInLayout->addWidget(title_);
    builtInLayout->addWidget(printMemo_);
    builtInLayout->addWidget(printCodes_);
    tabs_->addTab(builtIn, QStringLiteral("Built In Reports"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { SetReportButtons(); });

    whatToPrint_ =
        new widgets::WhatToPrintGroup(filterSet, widgets::WhatToPrint::MatchingFilter, this);
    onePerPage_ = new QCheckBox(QStringLiteral("One Record Per Page"));
    whatToPrint_->addOption(onePerPage_);

    print_ = new QPushButton(QStringLiteral("Print"), this);
    preview_ = new QPushButton(QStringLiteral("Preview"), this);
    setup_ = new QPushButton(QStringLiteral("Printer Setup"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(help, &QPushButton::clicked, this, [] { widgets::showHelp(widgets::help::kReports); });
    print_->setObjectName(QStringLiteral("PrintButton"));
    preview_->setObjectName(QStringLiteral("PreviewButton"));
    setup_->setObjectName(QStringLiteral("PrinterSetupButton"));
    connect(print_, &QPushButton::clicked, this, &TReportSetup::PrintButtonClick);
    connect(preview_, &QPushButton::clicked, this, &TReportSetup::PreviewButtonClick);
    connect(setup_, &QPushButton::clicked, this, &TReportSetup::PrinterSetupButtonClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {print_, preview_, setup_, close, help}) buttons->addWidget(b);
    buttons->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(whatToPrint_);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(right);
}

void TReportSetup::reloadList(int recno) {
    model_->reload();
    int row = 0;
    for (int r = 0; r < model_->rowCount(); ++r) {
        model_->goToRow(r);
        if (reports_.recNo() == recno) {
            row = r;
            break;
        }
    }
    if (model_->rowCount() > 0) {
        grid_->selectRow(row);
        model_->goToRow(row);
    } else {
        reports_.first();
    }
    SetReportButtons();
}

RecordChoice TReportSetup::whatToPrint() const {
    return whatToPrint_->choice();
}

void TReportSetup::setWhatToPrint(RecordChoice choice) {
    whatToPrint_->setChoice(choice);
}

bool TReportSetup::builtInTabShowing() const {
    return tabs_->currentIndex() == 1;
}

void TReportSetup::showBuiltInTab(bool builtIn) {
    tabs_->setCurrentIndex(builtIn ? 1 : 0);
}

void TReportSetup::SetReportButtons() {
    const bool row = reports_.active() && !reports_.eof() && model_->rowCount() > 0;
    for (QWidget* w : std::initializer_list<QWidget*>{modify_, delete_, clone_, grid_})
        w->setEnabled(row);
    const bool printable = row || builtInTabShowing();
    for (QWidget* w : std::initializer_list<QWidget*>{print_, preview_, whatToPrint_})
        w->setEnabled(printable);
    onePerPage_->setVisible(!builtInTabShowing());
}

void TReportSetup::Modify(bool isNew) {
    design::TableMergeSource source(session_.table());
    TReportDesigner designer(session_.table(), source, this);
    ReportSettings& settings = programReportSettings();
    ReportDefinition definition;
    const QString error = loadReport(isNew, reports_, designer.bands(), settings, definition);
    if (!error.isEmpty()) text::messages().inform(error);
    designer.setDefinition(definition, settings);
    session_.host().resumeFromSubsystem();
    const bool saved = designer.exec() == QDialog::Accepted;
    session_.host().pauseForSubsystem(false);
    if (saved) {
        definition.description = designer.description().left(kReportDescriptionLength);
        definition.layoutText = designer.layoutText();
        settings = designer.settings();
        if (saveReport(isNew, reports_, definition, designer.bands(), settings))
            reloadList(reports_.recNo());
    }
    SetReportButtons();
}

void TReportSetup::NewButtonClick() {
    Modify(true);
}

void TReportSetup::ModifyButtonClick() {
    if (reports_.eof() || model_->rowCount() == 0) return;
    Modify(false);
}

void TReportSetup::CloneButtonClick() {
    if (cloneReport(reports_)) reloadList(reports_.recNo());
}

void TReportSetup::DeleteButtonClick() {
    if (deleteReport(reports_)) reloadList();
}

void TReportSetup::PrintButtonClick() {
    if (!choosePrinter(engine_, this)) return;
    PrintReport(false);
}

void TReportSetup::PreviewButtonClick() {
    PrintReport(true);
}

void TReportSetup::PrinterSetupButtonClick() {
    choosePrinter(engine_, this);
}

bool TReportSetup::PrintReport(bool preview, const QString& pdfPath) {
    ReportChoices choices;
    choices.records = whatToPrint();
    choices.startFromCurrent = whatToPrint_->startFromCurrent();
    choices.onePerPage = onePerPage_->isChecked();
    return builtInTabShowing() ? printBuiltIn(preview, choices, pdfPath)
                               : printUserDefined(preview, choices, pdfPath);
}

bool TReportSetup::printBuiltIn(bool preview, const ReportChoices& choices,
                                const QString& pdfPath) {
    BuiltInOptions options;
    options.report = builtIns_->currentRow() + 1;
    options.title = title_->text();
    options.codes = printCodes_->isChecked();
    options.memo = printMemo_->isChecked();
    ReportSelection selection(session_.table(), session_.engine(), choices, options.report);
    BuiltInReport report(session_.table(), options);
    engine_.setPaperCode(print::kPaperLetter);
    engine_.setOrientation(QPageLayout::Portrait);
    return runReportJob(
        engine_, preview,
        [&report](print::PrintEngine& e, const std::function<bool()>& keepGoing) {
            report.print(e, keepGoing);
        },
        this, pdfPath);
}

bool TReportSetup::printUserDefined(bool preview, const ReportChoices& choices,
                                    const QString& pdfPath) {
    if (reports_.eof()) return false;
    design::TReportPanel header(design::TRPanelKind::rpkHeader);
    design::TReportPanel detail(design::TRPanelKind::rpkDetail);
    design::TReportPanel footer(design::TRPanelKind::rpkFooter);
    design::TableMergeSource source(session_.table());
    for (design::TReportPanel* band : {&header, &detail, &footer}) band->setMergeSource(&source);
    ReportSettings& settings = programReportSettings();
    ReportDefinition definition;
    const QString error =
        loadReport(false, reports_, {header, detail, footer}, settings, definition);
    if (!error.isEmpty()) text::messages().inform(error);
    ReportSelection selection(session_.table(), session_.engine(), choices);
    const ReportPaper paper = reportPaper(settings);
    if (paper.code > 0) {
        engine_.setPaperCode(paper.code);
    } else {
        const int shortSide = std::min(settings.pageWidth, settings.pageHeight);
        const int longSide = std::max(settings.pageWidth, settings.pageHeight);
        engine_.setCustomPaper(
            {print::Inches(settings.inches(shortSide)), print::Inches(settings.inches(longSide))});
    }
    engine_.setOrientation(paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    UserReport report(session_.table(), {header, detail, footer}, settings, choices.onePerPage);
    return runReportJob(
        engine_, preview,
        [&report](print::PrintEngine& e, const std::function<bool()>& keepGoing) {
            report.print(e, keepGoing);
        },
        this, pdfPath);
}

}  // namespace pc::reports
