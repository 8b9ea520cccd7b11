#pragma once
// A preview run: the job records its pages while the status window shows
// "Preparing Preview Page %p"; once the first page is ready the preview
// window takes over and the job records only a few pages beyond the one
// the reader looks at, going on as the reader moves forward. A long run
// thus opens at once. Closing the preview ends the job.
#include <QPointer>
#include <memory>

#include "print/preview_window.h"
#include "print/print_status_window.h"

class QEventLoop;

namespace pc::print {

class PreviewRun {
  public:
    // Pages recorded beyond the one shown before the job waits.
    static constexpr int kPagesAhead = 2;

    // The engine's print callback must be set; it should end its loop when
    // keepGoing() turns false.
    PreviewRun(PrintEngine& engine, PrintStatusTexts texts, QString caption, QWidget* parent);
    ~PreviewRun();
    PreviewRun(const PreviewRun&) = delete;
    PreviewRun& operator=(const PreviewRun&) = delete;

    // Runs the job and the preview; returns once the preview is closed, or
    // when the run ended before a page could be shown (Stop, an error).
    PrintStatusWindow::Result exec();
    bool keepGoing() const { return !closed_ && !status_->stopRequested(); }

    PrintStatusWindow& statusWindow() { return *status_; }
    // The preview once it is open (for tests and screenshots).
    PreviewWindow* previewWindow() { return preview_; }

  private:
    void pageStarted(int page);
    void openPreview();
    void want(int index);

    PrintEngine& engine_;
    QString caption_;
    QWidget* parent_;
    std::unique_ptr<PrintStatusWindow> status_;
    QPointer<PreviewWindow> preview_;
    QEventLoop* waiting_ = nullptr;
    int wanted_ = 0;  // the furthest page index the reader asked for
    bool closed_ = false;
};

}  // namespace pc::print
