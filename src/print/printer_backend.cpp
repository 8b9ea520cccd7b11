#include "print/printer_backend.h"

namespace pc::print {
namespace {

const PrinterBackend* g_backend = nullptr;

}  // namespace

const PrinterBackend* printerBackend() {
    return g_backend;
}
void setPrinterBackend(const PrinterBackend* backend) {
    g_backend = backend;
}

}  // namespace pc::print
