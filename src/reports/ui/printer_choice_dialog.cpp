#include "reports/ui/printer_choice_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "print/print_engine.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::reports {

bool choosePrinter(pc::print::PrintEngine& engine, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    auto* printers = new QComboBox(&dialog);
    printers->setObjectName(QStringLiteral("Printer"));
    printers->addItems(engine.printers());
    printers->setCurrentIndex(engine.printerIndex());
    auto* copies = new QSpinBox(&dialog);
    copies->setObjectName(QStringLiteral("Copies"));
    copies->setRange(1, 99);
    copies->setValue(engine.copies());
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, &dialog);
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("HelpButton"));
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                     [] { widgets::showHelp(widgets::help::kReports); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Printer"), printers);
    form->addRow(QStringLiteral("Copies"), copies);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    engine.selectPrinter(printers->currentIndex());
    engine.setCopies(copies->value());
    return true;
}

}  // namespace pc::reports
