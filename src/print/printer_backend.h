#pragma once
// Where the print engine finds printers. The command-line tool has only the
// "PDF file" printer; the program adds the system's printers (Qt/CUPS)
// through system_printers.h.
#include <QMarginsF>
#include <QPageLayout>
#include <QStringList>
#include <memory>

class QPagedPaintDevice;

namespace pc::print {

class PrinterBackend {
  public:
    virtual ~PrinterBackend() = default;
    virtual QStringList printers() const = 0;    // without "PDF file"
    virtual QString defaultPrinter() const = 0;  // empty when none
    // The page as the printer takes it with that layout (it may round or
    // refuse sizes), and its unprintable margins, in inches.
    virtual QRectF fullPage(const QString& printer, const QPageLayout& layout) const = 0;
    virtual QMarginsF unprintableMargins(const QString& printer,
                                         const QPageLayout& layout) const = 0;
    // An open device for a job on that printer; null when it cannot be had.
    struct Job {
        std::unique_ptr<QPagedPaintDevice> device;
        double dpi = 0;
    };
    virtual Job open(const QString& printer, const QPageLayout& layout, int copies,
                     const QString& title) const = 0;
    virtual void abort(QPagedPaintDevice& device) const = 0;
};

// The backend new engines use; none (PDF only) until the program sets one.
const PrinterBackend* printerBackend();
void setPrinterBackend(const PrinterBackend* backend);

}  // namespace pc::print
