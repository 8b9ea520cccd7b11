#include "letters/ui/rtf_preview_form.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/t_table.h"
#include "letters/letter_pages.h"
#include "letters/letter_print_run.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::letters {
namespace {

// The page: white paper with the letter painted by the form.
class PagePanel : public QWidget {
  public:
    PagePanel(TRTFPreviewForm* form, QWidget* parent) : QWidget(parent), form_(form) {
        setObjectName(QStringLiteral("PagePanel"));
        setCursor(magnifier());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        form_->paintPage(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            form_->ZoomInClick();
        else
            form_->ZoomOutClick();
    }

  private:
    // A magnifying glass: the pointer over a page that zooms on a click.
    static QCursor magnifier() {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(255, 255, 255, 160));
        p.drawEllipse(QRectF(2, 2, 16, 16));
        p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(28, 28));
        p.end();
        return QCursor(pixmap, 10, 10);
    }
    TRTFPreviewForm* form_;
};

}  // namespace

TRTFPreviewForm::TRTFPreviewForm(const QTextDocument& templateDocument, data::TTable& addresses,
                                 QWidget* parent, QDate today)
    : QDialog(parent), template_(templateDocument.clone()), addresses_(addresses), today_(today) {
    richtext::setPageSetup(*template_, usablePage(richtext::pageSetup(templateDocument)));
    setWindowTitle(QStringLiteral("Preview Letters"));
    setObjectName(QStringLiteral("TRTFPreviewForm"));
    auto* bar = new QHBoxLayout;
    const auto button = [this, bar](const char* text, const char* name,
                                    void (TRTFPreviewForm::*click)()) {
        auto* b = new QToolButton(this);
        b->setText(QString::fromLatin1(text));
        b->setObjectName(QString::fromLatin1(name));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, click);
        bar->addWidget(b);
    };
    button("Zoom In", "ZoomInButton", &TRTFPreviewForm::ZoomInClick);
    button("Zoom Out", "ZoomOutButton", &TRTFPreviewForm::ZoomOutClick);
    button("Page Width", "PageWidthButton", &TRTFPreviewForm::PageWidthClick);
    button("Whole Page", "WholePageButton", &TRTFPreviewForm::WholePageClick);
    bar->addSpacing(12);
    button("< Page", "PreviousPageButton", &TRTFPreviewForm::PreviousPageClick);
    button("Page >", "NextPageButton", &TRTFPreviewForm::NextPageClick);
    bar->addSpacing(12);
    button("|< First", "FirstRecordButton", &TRTFPreviewForm::FirstRecordClick);
    button("< Prior", "PriorRecordButton", &TRTFPreviewForm::PriorRecordClick);
    button("Next >", "NextRecordButton", &TRTFPreviewForm::NextRecordClick);
    button("Last >|", "LastRecordButton", &TRTFPreviewForm::LastRecordClick);
    bar->addStretch();
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(close, &QToolButton::clicked, this, &QDialog::close);
    bar->addWidget(close);

    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    panel_ = new PagePanel(this, scroll_);
    scroll_->setWidget(panel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    resize(860, 720);
    widgets::restorePlacement(this, parent);
}

TRTFPreviewForm::~TRTFPreviewForm() = default;

int TRTFPreviewForm::ppi() const {
    return std::max(1, logicalDpiX());
}

void TRTFPreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    FormActivate();
}

void TRTFPreviewForm::FormActivate() {
    QCoreApplication::processEvents();
    merge();
    PageWidthClick();
}

void TRTFPreviewForm::merge() {
    pages_.reset();
    letter_ = letters::mergedLetter(*template_, addresses_, today_);
    pages_ = std::make_unique<LetterPages>(*letter_);
    position_.reset();
    showCaption();
    panel_->update();
}

void TRTFPreviewForm::showCaption() {
    setWindowTitle(QStringLiteral("Preview Letters Page ") +
                   QString::number(position_.pageNumber()));
}

void TRTFPreviewForm::setZoom(int zoom) {
    zoom_ = std::max(1, zoom);
    panel_->setFixedSize(pagePanelSize(richtext::pageSetup(*template_), ppi(), zoom_));
    panel_->update();
}

void TRTFPreviewForm::ZoomInClick() {
    setZoom(zoomedIn(zoom_));
}

void TRTFPreviewForm::ZoomOutClick() {
    setZoom(zoomedOut(zoom_));
}

// The room a page has in the view, leaving space for a vertical scroll bar.
void TRTFPreviewForm::PageWidthClick() {
    const int width = scroll_->width() - 2 * scroll_->frameWidth() -
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setZoom(pageWidthZoom(width, richtext::pageSetup(*template_), ppi()));
}

void TRTFPreviewForm::WholePageClick() {
    const int height = scroll_->height() - 2 * scroll_->frameWidth();
    setZoom(wholePageZoom(height, richtext::pageSetup(*template_), ppi()));
}

void TRTFPreviewForm::paintPage(QPainter& painter) {
    if (!pages_) return;
    try {
        const QRect box = pageTextBox(richtext::pageSetup(*template_), ppi(), zoom_);
        const double scale = double(ppi()) / 96.0 * zoom_ / 100.0;
        position_.setNext(pages_->drawPage(painter, position_.start(), box, scale));
    } catch (const std::exception&) {
        text::messages().inform(QStringLiteral("There was an error drawing the preview"));
    }
}

void TRTFPreviewForm::NextPageClick() {
    if (!pages_) return;
    // The panel may not have painted yet: ask the pages where the next starts.
    const int page = pages_->pageOf(position_.start());
    position_.setNext(page + 1 < pages_->pageCount() ? pages_->pageStart(page + 1) : 0);
    if (!position_.nextPage()) return;
    showCaption();
    panel_->update();
}

void TRTFPreviewForm::PreviousPageClick() {
    if (!position_.previousPage()) return;
    showCaption();
    panel_->update();
}

void TRTFPreviewForm::FirstRecordClick() {
    addresses_.first();
    merge();
}

void TRTFPreviewForm::PriorRecordClick() {
    addresses_.prior();
    merge();
}

void TRTFPreviewForm::NextRecordClick() {
    addresses_.next();
    // Past the last record stays on the last, as a navigator does.
    if (addresses_.eof()) addresses_.last();
    merge();
}

void TRTFPreviewForm::LastRecordClick() {
    addresses_.last();
    merge();
}

void TRTFPreviewForm::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = scroll_->verticalScrollBar();
    if (event->key() == Qt::Key_Down) {
        bar->setValue(std::min(bar->maximum(), bar->value() + bar->singleStep()));
        return;
    }
    if (event->key() == Qt::Key_Up) {
        bar->setValue(std::max(bar->minimum(), bar->value() - bar->singleStep()));
        return;
    }
    QDialog::keyPressEvent(event);
}

void TRTFPreviewForm::closeEvent(QCloseEvent* event) {
    widgets::savePlacement(this);
    QDialog::closeEvent(event);
}

}  // namespace pc::letters
