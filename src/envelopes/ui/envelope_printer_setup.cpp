#include "envelopes/ui/envelope_printer_setup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include "envelopes/envelope_printer.h"
#include "envelopes/envelope_sizes.h"
#include "print/paper.h"
#include "print/print_engine.h"

namespace pc::envelopes {
EnvelopePrinterSetup::EnvelopePrinterSetup(print::PrintEngine& engine, QWidget* parent)
    : QDialog(parent), engine_(engine) {
    setWindowTitle(QStringLiteral("Printer Setup"));
    setObjectName(QStringLiteral("EnvelopePrinterSetup"));
    printer_ = new QComboBox(this);
    printer_->setObjectName(QStringLiteral("PrinterList"));
    printer_->addItems(engine.printers());
    printer_->setCurrentIndex(engine.printerIndex());
    paper_ = new QComboBox(this);
    paper_->setObjectName(QStringLiteral("PaperList"));
    for (const NamedPaper& p : namedPapers()) {
        paper_->addItem(p.name, p.code);
        if (p.code == engine.paperCode()) paper_->setCurrentIndex(paper_->count() - 1);
    }
    portrait_ = new QRadioButton(QStringLiteral("Portrait"), this);
    landscape_ = new QRadioButton(QStringLiteral("Landscape"), this);
    (engine.orientation() == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Printer:"), printer_);
    form->addRow(QStringLiteral("Paper:"), paper_);
    form->addRow(QStringLiteral("Orientation:"), orientation);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &EnvelopePrinterSetup::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
}

void EnvelopePrinterSetup::accept() {
    engine_.selectPrinter(printer_->currentIndex());
    engine_.setPaperCode(paper_->currentData().toInt());
    engine_.setOrientation(landscape_->isChecked() ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
    QDialog::accept();
}

}  // namespace pc::envelopes
