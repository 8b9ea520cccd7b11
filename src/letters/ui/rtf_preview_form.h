#pragma once
// "Preview Letters": the template merged with the current address record,
// a page at a time at a zoom, with page and record navigation (each record
// move merges again).
#include <QDate>
#include <QDialog>
#include <memory>

#include "letters/letter_preview_state.h"

class QPainter;
class QScrollArea;
class QTextDocument;
class QToolButton;

namespace pc::data {
class TTable;
}

namespace pc::letters {

class LetterPages;

class TRTFPreviewForm : public QDialog {
    Q_OBJECT
  public:
    // `templateDocument` is copied; `addresses` must stay open while shown.
    TRTFPreviewForm(const QTextDocument& templateDocument, data::TTable& addresses,
                    QWidget* parent = nullptr, QDate today = QDate::currentDate());
    ~TRTFPreviewForm() override;

    int zoom() const { return zoom_; }
    int pageNumber() const { return position_.pageNumber(); }
    const QTextDocument* mergedLetter() const { return letter_.get(); }
    QWidget* pagePanel() const { return panel_; }

    void ZoomInClick();
    void ZoomOutClick();
    void PageWidthClick();
    void WholePageClick();
    void NextPageClick();
    void PreviousPageClick();
    void FirstRecordClick();
    void PriorRecordClick();
    void NextRecordClick();
    void LastRecordClick();
    // Paints the shown page onto the panel (the panel's paint event).
    void paintPage(QPainter& painter);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormActivate();
    void merge();
    void setZoom(int zoom);
    void showCaption();
    int ppi() const;

    std::unique_ptr<QTextDocument> template_;
    std::unique_ptr<QTextDocument> letter_;
    std::unique_ptr<LetterPages> pages_;
    data::TTable& addresses_;
    QDate today_;
    PreviewPagePosition position_;
    int zoom_ = 100;
    bool activated_ = false;
    QScrollArea* scroll_ = nullptr;
    QWidget* panel_ = nullptr;
};

}  // namespace pc::letters
