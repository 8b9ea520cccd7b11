#pragma once
// How a window prints or previews the engine's job: the status window while
// it prints, or a preview run. The job's loop gets a keep-going check that
// lets the windows repaint at most every 50 ms and turns false once the
// user stops or cancels.
#include <functional>

#include "print/print_status_window.h"

namespace pc::print {

struct PrintJobWindows {
    PrintStatusTexts texts;
    QString previewCaption;  // "Preview Labels"
    QString pdfPath;         // for the "PDF file" printer
    QWidget* parent = nullptr;
    QString statusCaption;  // when not the status window's own
};

// Runs `job` as the engine's print callback (its other callbacks stay as
// the caller set them). A preview returns Completed once its window closes.
PrintStatusWindow::Result runPrintJob(PrintEngine& engine, bool preview,
                                      const PrintJobWindows& windows, const PrintJob& job);

}  // namespace pc::print
