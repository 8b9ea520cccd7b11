#include "print/print_job_runner.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "print/preview_run.h"
#include "widgets/window_placement.h"

namespace pc::print {

PrintStatusWindow::Result runPrintJob(PrintEngine& engine, bool preview,
                                      const PrintJobWindows& windows, const PrintJob& job) {
    std::function<bool()> stopRequested;
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const KeepGoing keepGoing = [&] {
        if (sinceEvents.elapsed() >= 50) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
        return !stopRequested();
    };
    engine.print = [&](PrintEngine& e) { job(e, keepGoing); };
    struct ClearJob {
        PrintEngine& engine;
        ~ClearJob() { engine.print = nullptr; }
    } clear{engine};
    if (preview) {
        PreviewRun run(engine, windows.texts, windows.previewCaption, windows.parent);
        stopRequested = [&] { return !run.keepGoing(); };
        return run.exec();
    }
    PrintStatusWindow status(engine, PrintOutput::Printer, windows.texts, windows.pdfPath,
                             windows.parent);
    if (!windows.statusCaption.isEmpty()) status.setWindowTitle(windows.statusCaption);
    stopRequested = [&] { return status.stopRequested(); };
    widgets::centreWindow(&status, windows.parent);
    status.exec();
    return status.result();
}

}  // namespace pc::print
