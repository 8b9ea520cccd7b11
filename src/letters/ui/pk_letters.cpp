#include "letters/ui/pk_letters.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/data_error.h"
#include "data/session.h"
#include "data/t_table.h"
#include "letters/letter_operations.h"
#include "letters/letter_print_run.h"
#include "letters/letter_storage.h"
#include "letters/ui/letter_design.h"
#include "letters/ui/rtf_preview_form.h"
#include "print/print_job_runner.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::letters {

TPKLetters::TPKLetters(data::Session& session, data::TTable& letters, bool filterSet,
                       QWidget* parent)
    : QDialog(parent), session_(session), letters_(letters), letterEngine_(&letters) {
    setWindowTitle(QStringLiteral("Print Letters"));
    setObjectName(QStringLiteral("TPKLetters"));
    buildControls(filterSet);
    reloadList();
}

TPKLetters::~TPKLetters() = default;

void TPKLetters::buildControls(bool filterSet) {
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("LetterList"));
    list_->setHeaderLabels({QStringLiteral("Letter Description")});
    list_->setRootIsDecorated(false);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { rowChanged(); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { ModifyButtonClick(); });

    new_ = new QPushButton(QStringLiteral("New"), this);
    modify_ = new QPushButton(QStringLiteral("Modify"), this);
    clone_ = new QPushButton(QStringLiteral("Clone"), this);
    delete_ = new QPushButton(QStringLiteral("Delete"), this);
    auto* letterButtons = new QHBoxLayout;
    for (QPushButton* b : {new_, modify_, clone_, delete_}) {
        b->setObjectName(b->text() + QStringLiteral("Button"));
        letterButtons->addWidget(b);
    }
    connect(new_, &QPushButton::clicked, this, &TPKLetters::NewButtonClick);
    connect(modify_, &QPushButton::clicked, this, &TPKLetters::ModifyButtonClick);
    connect(clone_, &QPushButton::clicked, this, &TPKLetters::CloneButtonClick);
    connect(delete_, &QPushButton::clicked, this, &TPKLetters::DeleteButtonClick);

    what_ = new widgets::WhatToPrintGroup(filterSet, WhatToPrint::MatchingFilter, this);

    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("Copies"));
    copies_->setRange(1, 999);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(new QLabel(QStringLiteral("# copies of each letter"), this));
    copiesRow->addWidget(copies_);

    printer_ = new QLabel(this);
    printer_->setObjectName(QStringLiteral("PrinterLabel"));
    auto* setup = new QPushButton(QStringLiteral("Printer Setup"), this);
    setup->setObjectName(QStringLiteral("PrinterSetupButton"));
    connect(setup, &QPushButton::clicked, this, &TPKLetters::PrinterSetupClick);
    showPrinter();

    preview_ = new QPushButton(QStringLiteral("Preview"), this);
    print_ = new QPushButton(QStringLiteral("Print"), this);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(help, &QPushButton::clicked, this, [] { widgets::showHelp(widgets::help::kLetters); });
    preview_->setObjectName(QStringLiteral("PreviewButton"));
    print_->setObjectName(QStringLiteral("PrintButton"));
    ok->setObjectName(QStringLiteral("OkButton"));
    connect(preview_, &QPushButton::clicked, this, &TPKLetters::PreviewButtonClick);
    connect(print_, &QPushButton::clicked, this, &TPKLetters::PrintButtonClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addLayout(letterButtons);
    auto* right = new QVBoxLayout;
    right->addWidget(what_);
    right->addLayout(copiesRow);
    right->addWidget(printer_);
    right->addWidget(setup);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {preview_, print_, ok, help}) bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(640, 420);
}

void TPKLetters::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    SetLetterButtons();
}

void TPKLetters::showPrinter() {
    printer_->setText(QStringLiteral("Printer: ") + engine_.printerName());
}

void TPKLetters::setCopies(int copies) {
    copies_->setValue(copies);
}

void TPKLetters::reloadList(int recno) {
    list_->clear();
    QTreeWidgetItem* select = nullptr;
    bool found = false;
    for (letters_.first(); !letters_.eof(); letters_.next()) {
        auto* item = new QTreeWidgetItem(list_, {letterDescription(letters_)});
        item->setData(0, Qt::UserRole, letters_.recNo());
        if (found) continue;
        if (!select) select = item;
        if (letters_.recNo() == recno) {
            select = item;
            found = true;
        }
    }
    letters_.first();
    if (select) list_->setCurrentItem(select);
    SetLetterButtons();
}

void TPKLetters::rowChanged() {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item) return;
    letterEngine_.go(item->data(0, Qt::UserRole).toInt());
    letters_.resync();
}

void TPKLetters::SetLetterButtons() {
    const bool any = letters_.active() && !letters_.eof() && list_->topLevelItemCount() > 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{modify_, clone_, print_, preview_, delete_, list_})
        w->setEnabled(any);
}

bool TPKLetters::designLetter(QString& description, QTextDocument& document, bool isNew) {
    TLetterDesign designer(description, document, isNew, &session_.table(), this);
    if (designer.exec() != QDialog::Accepted) return false;
    description = designer.description();
    richtext::readRtf(richtext::writeRtf(*designer.editor()->document()), document);
    return true;
}

void TPKLetters::NewButtonClick() {
    const auto design = [this](QString& d, QTextDocument& doc, bool isNew) {
        return designLetter(d, doc, isNew);
    };
    if (newLetter(letters_, design)) reloadList(letters_.recNo());
    SetLetterButtons();
}

void TPKLetters::ModifyButtonClick() {
    if (letters_.eof()) return;
    const int recno = letters_.recNo();
    const auto design = [this](QString& d, QTextDocument& doc, bool isNew) {
        return designLetter(d, doc, isNew);
    };
    if (modifyLetter(letters_, design)) reloadList(recno);
    SetLetterButtons();
}

void TPKLetters::CloneButtonClick() {
    if (letters_.eof()) return;
    if (cloneLetter(letters_)) reloadList(letters_.recNo());
}

void TPKLetters::DeleteButtonClick() {
    if (letters_.eof()) return;
    if (deleteLetter(letters_)) reloadList();
    SetLetterButtons();
}

void TPKLetters::PreviewButtonClick() {
    if (letters_.eof()) return;
    QTextDocument templateDocument;
    LoadRichText(letters_, templateDocument);
    TRTFPreviewForm preview(templateDocument, session_.table(), this, today_);
    preview.exec();
}

void TPKLetters::PrinterSetupClick() {
    QPrinter printer;
    if (!engine_.pdfPrinter()) printer.setPrinterName(engine_.printerName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (printer.outputFormat() == QPrinter::PdfFormat ||
        !engine_.selectPrinter(printer.printerName()))
        engine_.selectPrinter(QString::fromUtf16(print::kPdfPrinterName));
    showPrinter();
}

void TPKLetters::PrintButtonClick() {
    if (letters_.eof()) return;
    QPrinter printer;
    if (!engine_.pdfPrinter()) printer.setPrinterName(engine_.printerName());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QString pdf;
    if (printer.outputFormat() == QPrinter::PdfFormat ||
        !engine_.selectPrinter(printer.printerName())) {
        engine_.selectPrinter(QString::fromUtf16(print::kPdfPrinterName));
        pdf = printer.outputFileName();
        if (pdf.isEmpty()) return;
    }
    showPrinter();
    PrintLetters(pdf);
}

bool TPKLetters::PrintLetters(const QString& pdfPath) {
    if (letters_.eof()) return false;
    QTextDocument templateDocument;
    LoadRichText(letters_, templateDocument);
    LetterPrintChoices choices;
    choices.records = whatToPrint();
    choices.startFromCurrent = what_->startFromCurrent();
    choices.copies = copies_->value();
    choices.today = today_;
    bool printed = false;
    try {
        LetterPrintRun run(session_.table(), session_.engine(), templateDocument, choices, engine_);
        engine_.setTitle(letterDescription(letters_));
        const print::PrintStatusTexts texts{QStringLiteral("%0"),
                                            QStringLiteral("Cancel print job?"),
                                            QStringLiteral("Letter Print Canceled!"),
                                            QStringLiteral("Letter Print Completed!"), QString()};
        const auto result = print::runPrintJob(
            engine_, false,
            {texts, QString(), pdfPath, this, QStringLiteral("Print Status Screen")},
            [&run](print::PrintEngine& e, const print::KeepGoing& keepGoing) {
                run.print(e, keepGoing);
            });
        printed = result == print::PrintStatusWindow::Result::Completed;
    } catch (const data::DataError& e) {
        text::messages().inform(QString::fromUtf8(e.what()));
    }
    return printed;
}

}  // namespace pc::letters
