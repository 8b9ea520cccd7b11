#pragma once
// The preview of a recorded job: pages at a zoom (or fitted to the width or
// the whole page), page navigation, and printing or saving the same pages
// as a PDF file. It shows either pages recorded beforehand or a recording
// still under way, asking for pages as the reader moves towards them.
#include <QDialog>
#include <algorithm>
#include <functional>

#include "print/print_engine.h"

class QLabel;
class QScrollArea;

namespace pc::print {

class PreviewPage;

class PreviewWindow : public QDialog {
    Q_OBJECT
  public:
    PreviewWindow(RecordedPages pages, const QString& caption, QWidget* parent = nullptr);
    // Shows `growing` while its job records it: `want(index)` asks the job
    // for pages up to that index (-1: all of them); pagesRecorded() and
    // recordingEnded() tell the window what came.
    PreviewWindow(const RecordedPages& growing, std::function<void(int index)> want,
                  const QString& caption, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    void pagesRecorded();
    void recordingEnded();
    bool recordingComplete() const { return complete_; }

    int pageIndex() const { return page_; }
    // The pages ready to show: while the job records, its last page is
    // still being drawn.
    int pageCount() const {
        const int recorded = static_cast<int>(pages_->pages.size());
        return complete_ ? recorded : std::max(0, recorded - 1);
    }
    double zoom() const { return zoom_; }
    void showPage(int index);
    void setZoom(double zoom);
    void fitWidth();
    void fitPage();
    // Sends the recorded pages to a printer of the engine's list (the "PDF
    // file" printer writes `pdfPath`); false with the engine's error.
    bool printTo(const QString& printer, const QString& pdfPath, QString* error = nullptr) const;
    bool saveAsPdf(const QString& path, QString* error = nullptr) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build(const QString& caption);
    void PrintButtonClick();
    void SaveButtonClick();
    // Runs `action` at once when every page is there, else once the
    // recording has ended.
    void whenComplete(std::function<void()> action);
    void updateControls();
    bool replay(PrintEngine& engine, PrintOutput output, const QString& path, QString* error) const;

    RecordedPages owned_;
    const RecordedPages* pages_ = &owned_;
    std::function<void(int)> want_;
    bool complete_ = true;
    int wanted_ = -1;  // a page asked for and not yet recorded (kAllPages: the last)
    std::function<void()> pending_;
    int page_ = 0;
    double zoom_ = 1.0;
    bool placed_ = false;
    QScrollArea* scroll_ = nullptr;
    PreviewPage* view_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};

}  // namespace pc::print
