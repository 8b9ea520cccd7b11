#pragma once
// The check the print commands make before they start: is there a printer,
// and is one of them the default?
#include <QString>
#include <QStringList>

#include "print/print_engine.h"

namespace pc::data {
class Session;
}

namespace pc::print {

// The printers of the printer backend followed by the "PDF file" printer.
QStringList availablePrinters();
// The backend's default printer, or the "PDF file" printer when it has none.
QString defaultPrinter();

// Informs and returns false when `printers` is empty or `defaultName` is
// empty; true otherwise.
bool checkPrinters(const QStringList& printers, const QString& defaultName);
// The same over the real printer list.
bool checkPrinters();
// What a print window's command checks first: the printers, then that a
// database is open ("You need to have a database file open first").
bool readyToPrint(const data::Session& session);

}  // namespace pc::print
