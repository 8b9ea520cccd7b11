#include "print/print_engine.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "print/paper.h"
#include "print/printer_backend.h"

namespace pc::print {

PrintEngine::PrintEngine() : backend_(printerBackend()) {
    if (backend_) printers_ = backend_->printers();
    const QString pdf = QString::fromUtf16(kPdfPrinterName);
    printers_.removeAll(pdf);
    printers_ << pdf;
    const QString system = backend_ ? backend_->defaultPrinter() : QString();
    if (!selectPrinter(system)) selectPrinter(pdf);
}

PrintEngine::~PrintEngine() = default;

bool PrintEngine::selectPrinter(int index) {
    if (index < 0 || index >= printers_.size()) return false;
    printerIndex_ = index;
    return true;
}

bool PrintEngine::selectPrinter(const QString& name) {
    return selectPrinter(static_cast<int>(printers_.indexOf(name)));
}

QString PrintEngine::printerName() const {
    return printers_.value(printerIndex_);
}

bool PrintEngine::pdfPrinter() const {
    return printerName() == QString::fromUtf16(kPdfPrinterName);
}

bool PrintEngine::setPaperCode(int code) {
    if (!paperSizeForCode(code)) return false;
    paperCode_ = code;
    return true;
}

void PrintEngine::setCustomPaper(InchSize portrait) {
    paperCode_ = kPaperCustom;
    customPaper_ = portrait;
}

QPageLayout PrintEngine::pageLayout() const {
    const QPageSize size =
        paperCode_ == kPaperCustom ? customPageSize(customPaper_) : pageSizeForCode(paperCode_);
    return QPageLayout(size, orientation_, QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

InchSize PrintEngine::pageSize() const {
    const QRectF full = pdfPrinter() || !backend_ ? pageLayout().fullRect(QPageLayout::Inch)
                                                  : backend_->fullPage(printerName(), pageLayout());
    return {Inches(full.width()), Inches(full.height())};
}

QMarginsF PrintEngine::unprintableMargins() const {
    if (pdfPrinter() || !backend_) return {};
    return backend_->unprintableMargins(printerName(), pageLayout());
}

void PrintEngine::setStatusFormat(const QString& format) {
    statusFormat_ = format;
    announce();
}

void PrintEngine::setStatusLine(int index, const QString& text) {
    if (index < 0 || index > 1) return;
    statusLines_[index] = text;
    announce();
}

QString PrintEngine::statusText() const {
    QString text;
    for (qsizetype i = 0; i < statusFormat_.size(); ++i) {
        const QChar c = statusFormat_[i];
        if (c == QLatin1Char('%') && i + 1 < statusFormat_.size()) {
            const QChar n = statusFormat_[i + 1];
            if (n == QLatin1Char('p')) {
                text += QString::number(page_);
                ++i;
                continue;
            }
            if (n == QLatin1Char('0') || n == QLatin1Char('1')) {
                text += statusLines_[n == QLatin1Char('0') ? 0 : 1];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

void PrintEngine::announce() {
    if (onStatus) onStatus(statusText());
}

PageCanvas& PrintEngine::canvas() {
    return *canvas_;
}

void PrintEngine::startPage() {
    ++page_;
    if (onNewPage) onNewPage(*this, page_);
    announce();
}

void PrintEngine::newPage() {
    if (!running() || aborted_) return;
    if (pageBreak_ && !pageBreak_()) {
        aborted_ = true;
        return;
    }
    startPage();
}

bool PrintEngine::run(PrintOutput output, const QString& pdfPath) {
    error_.clear();
    aborted_ = false;
    page_ = 0;
    recording_ = {};
    if (output == PrintOutput::Recording) return runRecording();
    if (output == PrintOutput::PdfFile || pdfPrinter()) {
        if (pdfPath.isEmpty()) {
            error_ = QStringLiteral("No file was named for the PDF output");
            return false;
        }
        // Written beside and renamed in: a kill or a full disk keeps the old file.
        QSaveFile file(pdfPath);
        if (!file.open(QIODevice::WriteOnly)) {
            error_ = file.errorString();
            return false;
        }
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Postcraft"));
        writer.setTitle(title_);
        writer.setResolution(1200);
        writer.setPageLayout(pageLayout());
        const bool ok = runOnDevice(writer, writer.resolution());
        if (!ok) {
            file.cancelWriting();
            return false;
        }
        if (!file.commit()) {
            error_ = file.errorString();
            return false;
        }
        return true;
    }
    PrinterBackend::Job job;
    if (backend_) job = backend_->open(printerName(), pageLayout(), copies_, title_);
    if (!job.device) {
        error_ = QStringLiteral("The printer \"%1\" could not be opened").arg(printerName());
        return false;
    }
    const bool ok = runOnDevice(*job.device, job.dpi);
    if (aborted_) backend_->abort(*job.device);
    return ok;
}

bool PrintEngine::runOnDevice(QPagedPaintDevice& device, double dpi) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device)) {
        error_ = QStringLiteral("The printer \"%1\" could not be opened").arg(printerName());
        painter_.reset();
        return false;
    }
    painter_->setRenderHint(QPainter::Antialiasing);
    canvas_ = std::make_unique<PageCanvas>(*painter_, dpi, dpi);
    pageBreak_ = [&device] { return device.newPage(); };
    if (beforePrint) beforePrint(*this);
    startPage();
    if (print && !aborted_) print(*this);
    canvas_.reset();
    pageBreak_ = nullptr;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended && !aborted_) error_ = QStringLiteral("The pages could not be written");
    return ended && !aborted_;
}

bool PrintEngine::runRecording() {
    const InchSize size = pageSize();
    recording_.pageSize = size;
    // One painter and one canvas for the whole job, as on a printer, so
    // callers may keep the canvas across newPage().
    painter_ = std::make_unique<QPainter>();
    const auto begin = [this, size] {
        recording_.pages.emplace_back();
        painter_->begin(&recording_.pages.back());
        painter_->setClipRect(QRectF(0, 0, size.width.value * kLayoutPixelsPerInch,
                                     size.height.value * kLayoutPixelsPerInch));
    };
    begin();
    canvas_ = std::make_unique<PageCanvas>(*painter_, kLayoutPixelsPerInch, kLayoutPixelsPerInch);
    // A picture's bounds ignore text, and replaying clips to them: text
    // outside every line and shape would vanish from the preview.
    const auto finish = [this, size] {
        painter_->end();
        recording_.pages.back().setBoundingRect(
            QRect(0, 0, qRound(size.width.value * kLayoutPixelsPerInch),
                  qRound(size.height.value * kLayoutPixelsPerInch)));
    };
    pageBreak_ = [begin, finish] {
        finish();
        begin();
        return true;
    };
    if (beforePrint) beforePrint(*this);
    startPage();
    if (print && !aborted_) print(*this);
    canvas_.reset();
    pageBreak_ = nullptr;
    finish();
    painter_.reset();
    return !aborted_;
}

}  // namespace pc::print
