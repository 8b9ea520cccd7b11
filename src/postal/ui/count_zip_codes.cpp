#include "postal/ui/count_zip_codes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "data/t_apollo.h"
#include "data/t_table.h"
#include "postal/ui/zip_report.h"
#include "postal/zip_code_count.h"
#include "print/preview_window.h"
#include "print/print_status_window.h"
#include "print/printer_check.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::postal {

TCountZipCodes::TCountZipCodes(data::TTable& table, data::TApollo& engine, QWidget* parent)
    : QDialog(parent), table_(table), engine_(engine) {
    setWindowTitle(QStringLiteral("Count Zip Codes"));
    setObjectName(QStringLiteral("TCountZipCodes"));
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(QStringLiteral("Counting Zip Codes"), this);
    heading_->setWordWrap(true);
    layout->addWidget(heading_);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ReportList"));
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumSize(320, 300);
    layout->addWidget(list_, 1);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLabel"));
    layout->addWidget(status_);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    connect(cancel_, &QPushButton::clicked, this, &TCountZipCodes::CancelButtonClick);
    layout->addWidget(cancel_, 0, Qt::AlignRight);

    buttonPanel_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(buttonPanel_);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const char* text, const char* name, void (TCountZipCodes::*slot)()) {
        auto* b = new QPushButton(QString::fromLatin1(text), buttonPanel_);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    add("Print", "PrintButton", &TCountZipCodes::PrintButtonClick);
    add("Preview", "Previewbutton", &TCountZipCodes::PreviewbuttonClick);
    add("Printer Setup", "PrinterSetup", &TCountZipCodes::PrinterSetupClick);
    add("Ok", "Returnbutton", &TCountZipCodes::ReturnbuttonClick)->setDefault(true);
    auto* help = new QPushButton(QStringLiteral("Help"), buttonPanel_);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(help, &QPushButton::clicked, this, [] { widgets::showHelp(widgets::help::kZipCount); });
    buttons->addWidget(help);
    layout->addWidget(buttonPanel_);
    showButtons(false);
}

void TCountZipCodes::showButtons(bool shown) {
    buttonPanel_->setVisible(shown);
    cancel_->setVisible(!shown);
    status_->setVisible(!shown);
}

void TCountZipCodes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!counted_) DoTheSort();
    });
}

void TCountZipCodes::reject() {
    if (counting_) {
        CancelButtonClick();
        return;
    }
    QDialog::reject();
}

void TCountZipCodes::SetStatusLabel(const QString& text) {
    status_->setText(text);
    status_->repaint();
}

void TCountZipCodes::CancelButtonClick() {
    if (counting_ &&
        text::messages().ask(QStringLiteral("Cancel Count?"), QStringLiteral("CANCEL")))
        stopRequested_ = true;
}

void TCountZipCodes::DoTheSort() {
    showButtons(false);
    SetStatusLabel(QString());
    counting_ = true;
    counted_ = false;
    stopRequested_ = false;
    lines_.clear();
    list_->clear();
    const int record = engine_.recNo();
    SetStatusLabel(QStringLiteral("Reading database records..."));
    ZipCodeCount counts;
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    bool completed = false;
    try {
        // The natural order for the pass is set and restored inside.
        completed = countZipCodes(table_, engine_, counts, [&](int recno) {
            if (recno % 100 == 0)
                SetStatusLabel(QStringLiteral("Reading record ") + QString::number(recno));
            if (sinceEvents.elapsed() >= 50) {
                QCoreApplication::processEvents();
                sinceEvents.restart();
            }
            return !stopRequested_;
        });
        if (completed) {
            SetStatusLabel(QStringLiteral("Sorting Zip Codes..."));
            lines_ = counts.reportLines(QLocale().groupSeparator());
        }
    } catch (const std::exception& e) {
        completed = false;
        text::messages().inform(QString::fromUtf8(e.what()));
    }
    if (record > 0 && record <= engine_.recCount()) engine_.go(record);
    counting_ = false;
    showButtons(true);
    if (!completed) {
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    counted_ = true;
    list_->addItems(lines_);
    QApplication::beep();
    heading_->setText(QStringLiteral("Finished counting. Press Print or Preview for the report"));
}

void TCountZipCodes::PrintButtonClick() {
    if (!counted_) DoTheSort();
    if (!counted_) return;
    QString pdf;
    if (printEngine_.pdfPrinter()) {
        pdf = QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF file"), QString(),
                                           QStringLiteral("PDF files (*.pdf)"));
        if (pdf.isEmpty()) return;
    }
    DoThePrintJob(false, pdf);
}

void TCountZipCodes::PreviewbuttonClick() {
    if (!counted_) DoTheSort();
    if (counted_) DoThePrintJob(true);
}

void TCountZipCodes::PrinterSetupClick() {
    const QStringList printers = printEngine_.printers();
    if (printers.isEmpty()) {
        text::messages().inform(QStringLiteral("There are no printers installed"));
        return;
    }
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(this, QStringLiteral("Printer Setup"), QStringLiteral("Printer:"),
                              printers, printEngine_.printerIndex(), false, &ok);
    if (ok) printEngine_.selectPrinter(chosen);
}

bool TCountZipCodes::DoThePrintJob(bool preview, const QString& pdfPath) {
    if (!print::checkPrinters()) return false;
    printEngine_.setTitle(QStringLiteral("Postcraft"));
    printEngine_.setPaperCode(1);
    printEngine_.setOrientation(QPageLayout::Portrait);
    print::PrintStatusTexts texts{
        QStringLiteral("Printing Page %p\r%0\r%1"), QStringLiteral("Cancel Printing?"),
        preview ? QStringLiteral("\rPreview Canceled!") : QStringLiteral("\rPrint Canceled!"),
        QStringLiteral("\rPrint Completed!"), QStringLiteral("\rPreview Stopped at page %p!")};
    print::PrintStatusWindow status(
        printEngine_, preview ? print::PrintOutput::Recording : print::PrintOutput::Printer, texts,
        pdfPath, this);
    status.setWindowTitle(preview ? QStringLiteral("Preview Status")
                                  : QStringLiteral("Print Status"));
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    printEngine_.print = [&](print::PrintEngine& e) {
        printZipReport(e, lines_, [&] {
            if (sinceEvents.elapsed() >= 50) {
                QCoreApplication::processEvents();
                sinceEvents.restart();
            }
            return !status.stopRequested();
        });
    };
    widgets::centreWindow(&status, this);
    status.exec();
    printEngine_.print = nullptr;
    const bool done = status.result() == print::PrintStatusWindow::Result::Completed;
    if (preview && status.result() != print::PrintStatusWindow::Result::Canceled &&
        status.result() != print::PrintStatusWindow::Result::Failed) {
        print::PreviewWindow window(printEngine_.recording(),
                                    QStringLiteral("Preview Zipcode Count"), this);
        window.exec();
    }
    return done;
}

}  // namespace pc::postal
