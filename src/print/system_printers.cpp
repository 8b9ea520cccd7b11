#include "print/system_printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace pc::print {
namespace {

std::unique_ptr<QPrinter> printerFor(const QString& name, const QPageLayout& layout) {
    auto printer =
        std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    printer->setFullPage(true);
    printer->setPageLayout(layout);
    return printer;
}

class SystemPrinters final : public PrinterBackend {
  public:
    QStringList printers() const override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultPrinter() const override { return QPrinterInfo::defaultPrinterName(); }

    QRectF fullPage(const QString& name, const QPageLayout& layout) const override {
        return printerFor(name, layout)->pageLayout().fullRect(QPageLayout::Inch);
    }

    QMarginsF unprintableMargins(const QString& name, const QPageLayout& layout) const override {
        QPageLayout actual = printerFor(name, layout)->pageLayout();
        actual.setUnits(QPageLayout::Inch);
        return actual.minimumMargins();
    }

    Job open(const QString& name, const QPageLayout& layout, int copies,
             const QString& title) const override {
        auto printer = printerFor(name, layout);
        if (!printer->isValid()) return {};
        printer->setDocName(title);
        printer->setCopyCount(copies);
        const double dpi = printer->resolution();
        return {std::move(printer), dpi};
    }

    void abort(QPagedPaintDevice& device) const override { static_cast<QPrinter&>(device).abort(); }
};

}  // namespace

const PrinterBackend& systemPrinters() {
    static const SystemPrinters backend;
    return backend;
}

}  // namespace pc::print
