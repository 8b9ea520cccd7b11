#pragma once
// The system's printers through Qt/CUPS, for the print engine.
#include "print/printer_backend.h"

namespace pc::print {

const PrinterBackend& systemPrinters();

}  // namespace pc::print
