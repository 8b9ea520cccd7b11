#include "print/printer_check.h"

#include "data/session.h"
#include "text/message_service.h"

namespace pc::print {

// The print engine's list: the printer backend's printers and "PDF file".
QStringList availablePrinters() {
    return PrintEngine().printers();
}

QString defaultPrinter() {
    return PrintEngine().printerName();
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
    const PrintEngine engine;
    return checkPrinters(engine.printers(), engine.printerName());
}

bool readyToPrint(const data::Session& session) {
    if (!checkPrinters()) return false;
    if (session.active()) return true;
    text::messages().inform(QStringLiteral("You need to have a database file open first"));
    return false;
}

}  // namespace pc::print
