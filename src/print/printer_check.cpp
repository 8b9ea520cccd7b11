#include "print/printer_check.h"

#include <QPrinterInfo>

#include "text/message_service.h"

namespace pc::print {

QStringList availablePrinters() {
    QStringList printers = QPrinterInfo::availablePrinterNames();
    const QString pdf = QString::fromUtf16(kPdfPrinterName);
    if (!printers.contains(pdf)) printers << pdf;
    return printers;
}

QString defaultPrinter() {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? QString::fromUtf16(kPdfPrinterName) : name;
}

bool checkPrinters(const QStringList& printers, const QString& defaultName) {
    if (printers.isEmpty()) {
        text::messages().inform(QStringLiteral(
            "There are no installed printers.\r\nUnable to perform printer related operations"));
        return false;
    }
    if (defaultName.isEmpty()) {
        text::messages().inform(
            QStringLiteral("There is no default printer selected.\r\nUnable to perform printer "
                           "related operations"));
        return false;
    }
    return true;
}

bool checkPrinters() {
    return checkPrinters(availablePrinters(), defaultPrinter());
}

}  // namespace pc::print
