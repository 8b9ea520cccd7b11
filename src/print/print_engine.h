#pragma once
// The one print engine: printers (the system's and the always-present
// "PDF file"), paper by code or custom size, orientation, copies, and jobs
// that draw pages on the inch canvas to a printer, a PDF file or a
// recording in memory for the preview. A job's page content comes from its
// print callback, which calls newPage() between pages; a status line with
// %p (page), %0 and %1 (two free lines) is kept up to date for the status
// windows. The same job runs headless from the command line.
#include <QPageLayout>
#include <QPicture>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "print/page_canvas.h"

class QPagedPaintDevice;

namespace pc::print {

class PrinterBackend;

// Always in the printer list, so a machine without printers can still
// print to a file and preview.
inline constexpr char16_t kPdfPrinterName[] = u"PDF file";

enum class PrintOutput { Printer, PdfFile, Recording };

// Pages recorded for the preview: each a picture in 96-per-inch units.
// A page stays where it is while later pages are added, so a preview may
// show the first pages while the job records the next.
struct RecordedPages {
    InchSize pageSize;
    std::deque<QPicture> pages;
};

class PrintEngine;

// A job's loop asks this between records whether to go on; it is also
// where windows repaint and command lines show progress.
using KeepGoing = std::function<bool()>;
using PrintJob = std::function<void(PrintEngine&, const KeepGoing&)>;

class PrintEngine {
  public:
    PrintEngine();
    ~PrintEngine();
    PrintEngine(const PrintEngine&) = delete;
    PrintEngine& operator=(const PrintEngine&) = delete;

    // Printers: those of the printer backend, then "PDF file". The current
    // one starts as the backend's default (or "PDF file").
    const QStringList& printers() const { return printers_; }
    int printerIndex() const { return printerIndex_; }
    bool selectPrinter(int index);
    bool selectPrinter(const QString& name);
    QString printerName() const;
    bool pdfPrinter() const;

    // Paper in portrait terms; false when the code is unknown. Custom paper
    // cannot always be confirmed by a printer (see pageSize()).
    bool setPaperCode(int code);
    void setCustomPaper(InchSize portrait);
    int paperCode() const { return paperCode_; }
    void setOrientation(QPageLayout::Orientation orientation) { orientation_ = orientation; }
    QPageLayout::Orientation orientation() const { return orientation_; }
    // The page as the job will draw on it (oriented), as the printer reports it.
    InchSize pageSize() const;
    // What the current printer cannot print at each edge, in inches.
    QMarginsF unprintableMargins() const;
    void setCopies(int copies) { copies_ = std::max(1, copies); }
    int copies() const { return copies_; }
    void setTitle(const QString& title) { title_ = title; }

    // Status line: the format with %p, %0, %1 filled in.
    void setStatusFormat(const QString& format);
    void setStatusLine(int index, const QString& text);  // index 0 or 1
    QString statusText() const;
    std::function<void(const QString&)> onStatus;  // after every change

    // The job. `beforePrint` runs once before the first page, `print` draws
    // every page, `onNewPage` runs as a page starts (with its number).
    std::function<void(PrintEngine&)> beforePrint;
    std::function<void(PrintEngine&)> print;
    std::function<void(PrintEngine&, int page)> onNewPage;

    // Runs the job. PdfFile writes `pdfPath` (the "PDF file" printer asks
    // for Printer output to go to a file). False when the output could not
    // be opened (lastError()) or the job was aborted.
    bool run(PrintOutput output, const QString& pdfPath = {});
    // During a job.
    PageCanvas& canvas();
    void newPage();
    int pageNumber() const { return page_; }
    void abort() { aborted_ = true; }
    bool aborted() const { return aborted_; }
    bool running() const { return canvas_ != nullptr; }

    const RecordedPages& recording() const { return recording_; }
    const QString& lastError() const { return error_; }

  private:
    QPageLayout pageLayout() const;
    bool runOnDevice(QPagedPaintDevice& device, double dpi);
    bool runRecording();
    void startPage();
    void announce();

    const PrinterBackend* backend_;
    QStringList printers_;
    int printerIndex_ = 0;
    int paperCode_ = 1;
    InchSize customPaper_{Inches(8.5), Inches(11)};
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    int copies_ = 1;
    QString title_ = QStringLiteral("Postcraft");

    QString statusFormat_ = QStringLiteral("Printing Page %p");
    QString statusLines_[2];

    RecordedPages recording_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PageCanvas> canvas_;
    std::function<bool()> pageBreak_;  // starts the next page on the device
    int page_ = 0;
    bool aborted_ = false;
    QString error_;
};

}  // namespace pc::print
