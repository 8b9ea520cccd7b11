#include "reports/ui/print_current_record_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/t_table.h"
#include "print/paper.h"
#include "reports/ui/printer_choice_dialog.h"
#include "reports/ui/report_job.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::reports {

TPrintCurrentRecord::TPrintCurrentRecord(pc::data::TTable& addresses, QWidget* parent)
    : QDialog(parent), addresses_(addresses) {
    setWindowTitle(QStringLiteral("Print Current Record"));
    setObjectName(QStringLiteral("TPrintCurrentRecord"));
    auto* group = new QGroupBox(QStringLiteral("Fields to Print"), this);
    auto* grid = new QGridLayout(group);
    const auto& fields = sheetFields();
    for (int i = 0; i < kSheetFields; ++i) {
        boxes_[i] = new QCheckBox(QLatin1String(fields[i].checkBox), group);
        boxes_[i]->setObjectName(QLatin1String(fields[i].field));
        boxes_[i]->setChecked(true);
        grid->addWidget(boxes_[i], i % 11, i / 11);
    }
    all_ = new QCheckBox(QStringLiteral("All"), group);
    all_->setObjectName(QStringLiteral("All"));
    all_->setChecked(true);
    grid->addWidget(all_, 10, 1);
    connect(all_, &QCheckBox::clicked, this, &TPrintCurrentRecord::AllClick);

    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    auto* preview = new QPushButton(QStringLiteral("Pre&view"), this);
    auto* setup = new QPushButton(QStringLiteral("Printer &Setup"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kPrintCurrentRecord); });
    print->setObjectName(QStringLiteral("PrintButton"));
    preview->setObjectName(QStringLiteral("PreviewButton"));
    connect(print, &QPushButton::clicked, this, &TPrintCurrentRecord::PrintButtonClick);
    connect(preview, &QPushButton::clicked, this, &TPrintCurrentRecord::PreviewButtonClick);
    connect(setup, &QPushButton::clicked, this, &TPrintCurrentRecord::PrinterSetupButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {print, preview, setup, cancel, help}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);
}

std::array<bool, kSheetFields> TPrintCurrentRecord::chosen() const {
    std::array<bool, kSheetFields> out{};
    for (int i = 0; i < kSheetFields; ++i) out[i] = boxes_[i]->isChecked();
    return out;
}

void TPrintCurrentRecord::AllClick() {
    for (QCheckBox* box : boxes_) box->setChecked(all_->isChecked());
}

void TPrintCurrentRecord::PrintButtonClick() {
    PrintRecord(false);
}

void TPrintCurrentRecord::PreviewButtonClick() {
    PrintRecord(true);
}

void TPrintCurrentRecord::PrinterSetupButtonClick() {
    choosePrinter(engine_, this);
}

bool TPrintCurrentRecord::PrintRecord(bool preview, const QString& pdfPath) {
    RecordSheet sheet(addresses_, chosen());
    engine_.setPaperCode(print::kPaperLetter);
    engine_.setOrientation(QPageLayout::Portrait);
    return runReportJob(
        engine_, preview,
        [&sheet](print::PrintEngine& e, const std::function<bool()>& keepGoing) {
            sheet.print(e, keepGoing);
        },
        this, pdfPath);
}

}  // namespace pc::reports
