#pragma once
// The preview of a recorded job: pages at a zoom (or fitted to the width or
// the whole page), page navigation, and printing or saving the same pages
// as a PDF file.
#include <QDialog>

#include "print/print_engine.h"

class QLabel;
class QScrollArea;

namespace pc::print {

class PreviewPage;

class PreviewWindow : public QDialog {
    Q_OBJECT
  public:
    PreviewWindow(RecordedPages pages, const QString& caption, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    int pageIndex() const { return page_; }
    int pageCount() const { return static_cast<int>(pages_.pages.size()); }
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
    void PrintButtonClick();
    void SaveButtonClick();
    void updateControls();
    bool replay(PrintEngine& engine, PrintOutput output, const QString& path, QString* error) const;

    RecordedPages pages_;
    int page_ = 0;
    double zoom_ = 1.0;
    bool placed_ = false;
    QScrollArea* scroll_ = nullptr;
    PreviewPage* view_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};

}  // namespace pc::print
