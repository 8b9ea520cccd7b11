#include "print/preview_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::print {

// One page drawn at the window's zoom, on a grey desk with a shadow.
class PreviewPage : public QWidget {
  public:
    explicit PreviewPage(QWidget* parent) : QWidget(parent) {}
    void show(const QPicture* page, InchSize size, double zoom) {
        page_ = page;
        size_ = size;
        zoom_ = zoom;
        resize(pagePixels() + QSize(2 * kDesk, 2 * kDesk));
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        const QRect paper(QPoint(kDesk, kDesk), pagePixels());
        p.fillRect(paper.translated(4, 4), QColor(0x40, 0x40, 0x40));
        p.fillRect(paper, Qt::white);
        if (!page_) return;
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setClipRect(paper);
        // A widget's painter starts with the palette's pen and font; the
        // pages were recorded from a fresh painter's, and a picture holds
        // only the changes it saw.
        p.setPen(QPen());
        p.setBrush(QBrush());
        p.setFont(QFont());
        p.translate(paper.topLeft());
        // Recorded in 96ths of an inch; a picture replays scaled by the
        // device's resolution over 96, which the widget's own is.
        const double device = logicalDpiX() / double(kLayoutPixelsPerInch);
        p.scale(zoom_ / device, zoom_ / device);
        p.drawPicture(0, 0, *page_);
    }

  private:
    static constexpr int kDesk = 16;
    QSize pagePixels() const {
        return {int(std::lround(size_.width.value * kLayoutPixelsPerInch * zoom_)),
                int(std::lround(size_.height.value * kLayoutPixelsPerInch * zoom_))};
    }
    const QPicture* page_ = nullptr;
    InchSize size_{};
    double zoom_ = 1.0;
};

namespace {

QToolButton* toolButton(QWidget* parent, const QString& text, const QString& tip,
                        const QString& name) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setObjectName(name);
    b->setAutoRaise(true);
    return b;
}

constexpr double kMinZoom = 0.1, kMaxZoom = 4.0;
constexpr int kAllPages = std::numeric_limits<int>::max();

}  // namespace

PreviewWindow::PreviewWindow(RecordedPages pages, const QString& caption, QWidget* parent)
    : QDialog(parent), owned_(std::move(pages)) {
    build(caption);
}

PreviewWindow::PreviewWindow(const RecordedPages& growing, std::function<void(int)> want,
                             const QString& caption, QWidget* parent)
    : QDialog(parent), pages_(&growing), want_(std::move(want)), complete_(false) {
    build(caption);
}

void PreviewWindow::build(const QString& caption) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("PreviewWindow"));
    setSizeGripEnabled(true);
    resize(800, 900);

    auto* bar = new QHBoxLayout;
    auto* first = toolButton(this, QStringLiteral("|<"), tr("First page"), "FirstButton");
    auto* prior = toolButton(this, QStringLiteral("<"), tr("Previous page"), "PriorButton");
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("PageLabel"));
    auto* next = toolButton(this, QStringLiteral(">"), tr("Next page"), "NextButton");
    auto* last = toolButton(this, QStringLiteral(">|"), tr("Last page"), "LastButton");
    auto* out = toolButton(this, QStringLiteral("-"), tr("Zoom out"), "ZoomOutButton");
    zoomLabel_ = new QLabel(this);
    auto* in = toolButton(this, QStringLiteral("+"), tr("Zoom in"), "ZoomInButton");
    auto* width = new QPushButton(tr("Fit &Width"), this);
    auto* whole = new QPushButton(tr("Fit &Page"), this);
    auto* print = new QPushButton(tr("&Print..."), this);
    print->setObjectName(QStringLiteral("PrintButton"));
    auto* save = new QPushButton(tr("&Save as PDF..."), this);
    save->setObjectName(QStringLiteral("SaveButton"));
    auto* close = new QPushButton(tr("&Close"), this);
    for (QWidget* w : std::initializer_list<QWidget*>{first, prior, pageLabel_, next, last, out,
                                                      zoomLabel_, in, width, whole})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(save);
    bar->addWidget(close);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new PreviewPage(scroll_);
    scroll_->setWidget(view_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);

    connect(first, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(prior, &QToolButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next, &QToolButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last, &QToolButton::clicked, this, [this] { showPage(kAllPages); });
    connect(out, &QToolButton::clicked, this, [this] { setZoom(zoom_ / 1.25); });
    connect(in, &QToolButton::clicked, this, [this] { setZoom(zoom_ * 1.25); });
    connect(width, &QPushButton::clicked, this, &PreviewWindow::fitWidth);
    connect(whole, &QPushButton::clicked, this, &PreviewWindow::fitPage);
    connect(print, &QPushButton::clicked, this, &PreviewWindow::PrintButtonClick);
    connect(save, &QPushButton::clicked, this, &PreviewWindow::SaveButtonClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    updateControls();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showPage(int index) {
    index = std::max(index, 0);
    if (index >= pageCount() && !complete_) {
        // Not recorded yet: shown when it comes.
        wanted_ = index;
        updateControls();
        if (want_) want_(index == kAllPages ? -1 : index);
        return;
    }
    wanted_ = -1;
    if (pageCount() == 0) return updateControls();
    page_ = std::min(index, pageCount() - 1);
    updateControls();
}

void PreviewWindow::pagesRecorded() {
    if (wanted_ >= 0 && wanted_ < pageCount()) return showPage(wanted_);
    updateControls();
}

void PreviewWindow::recordingEnded() {
    complete_ = true;
    if (wanted_ >= 0) showPage(wanted_);
    updateControls();
    if (auto action = std::exchange(pending_, nullptr)) action();
}

void PreviewWindow::whenComplete(std::function<void()> action) {
    if (complete_) return action();
    pending_ = std::move(action);
    wanted_ = kAllPages;
    updateControls();
    if (want_) want_(-1);
}

void PreviewWindow::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateControls();
}

void PreviewWindow::fitWidth() {
    const double page = pages_->pageSize.width.value * kLayoutPixelsPerInch;
    if (page > 0) setZoom((scroll_->viewport()->width() - 40) / page);
}

void PreviewWindow::fitPage() {
    const double w = pages_->pageSize.width.value * kLayoutPixelsPerInch;
    const double h = pages_->pageSize.height.value * kLayoutPixelsPerInch;
    if (w > 0 && h > 0)
        setZoom(std::min((scroll_->viewport()->width() - 40) / w,
                         (scroll_->viewport()->height() - 40) / h));
}

void PreviewWindow::updateControls() {
    QString pages;
    if (wanted_ >= 0)
        pages = tr("Preparing page %1...")
                    .arg(wanted_ == kAllPages ? tr("the last") : QString::number(wanted_ + 1));
    else if (pageCount() == 0)
        pages = complete_ ? tr("No pages") : tr("Preparing page 1...");
    else if (complete_)
        pages = tr("Page %1 of %2").arg(page_ + 1).arg(pageCount());
    else
        pages = tr("Page %1 of %2+").arg(page_ + 1).arg(pageCount());
    pageLabel_->setText(pages);
    zoomLabel_->setText(QString::number(std::lround(zoom_ * 100)) + QLatin1Char('%'));
    view_->show(pageCount() ? &pages_->pages[static_cast<size_t>(page_)] : nullptr,
                pages_->pageSize, zoom_);
}

bool PreviewWindow::replay(PrintEngine& engine, PrintOutput output, const QString& path,
                           QString* error) const {
    engine.setCustomPaper(pages_->pageSize);
    const QSizeF pixels(pages_->pageSize.width.value * kLayoutPixelsPerInch,
                        pages_->pageSize.height.value * kLayoutPixelsPerInch);
    engine.print = [this, pixels](PrintEngine& e) {
        for (size_t i = 0; i < pages_->pages.size() && !e.aborted(); ++i) {
            if (i > 0) e.newPage();
            e.canvas().drawPicture(
                pages_->pages[i], pixels,
                {Inches(0), Inches(0), pages_->pageSize.width, pages_->pageSize.height});
        }
    };
    const bool ok = engine.run(output, path);
    if (!ok && error) *error = engine.lastError();
    return ok;
}

bool PreviewWindow::printTo(const QString& printer, const QString& pdfPath, QString* error) const {
    PrintEngine engine;
    if (!engine.selectPrinter(printer)) {
        if (error) *error = tr("The printer \"%1\" is not available").arg(printer);
        return false;
    }
    return replay(engine, PrintOutput::Printer, pdfPath, error);
}

bool PreviewWindow::saveAsPdf(const QString& path, QString* error) const {
    PrintEngine engine;
    return replay(engine, PrintOutput::PdfFile, path, error);
}

void PreviewWindow::PrintButtonClick() {
    PrintEngine engine;
    bool ok = false;
    const QString printer = QInputDialog::getItem(
        this, tr("Print"), tr("Printer:"), engine.printers(), engine.printerIndex(), false, &ok);
    if (!ok) return;
    QString pdf;
    if (printer == QString::fromUtf16(kPdfPrinterName)) {
        pdf = QFileDialog::getSaveFileName(this, tr("Print to PDF file"), QString(),
                                           tr("PDF files (*.pdf)"));
        if (pdf.isEmpty()) return;
    }
    whenComplete([this, printer, pdf] {
        QString error;
        if (!printTo(printer, pdf, &error) && !error.isEmpty()) text::messages().inform(error);
    });
}

void PreviewWindow::SaveButtonClick() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save as PDF"), QString(), tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    whenComplete([this, path] {
        QString error;
        if (!saveAsPdf(path, &error)) text::messages().inform(error);
    });
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_) return;
    placed_ = true;
    widgets::restorePlacement(this, parentWidget());
    fitPage();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    widgets::savePlacement(this);
    QDialog::closeEvent(event);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_PageDown:
            showPage(page_ + 1);
            return;
        case Qt::Key_PageUp:
            showPage(page_ - 1);
            return;
        case Qt::Key_Home:
            if (event->modifiers() & Qt::ControlModifier) return showPage(0);
            break;
        case Qt::Key_End:
            if (event->modifiers() & Qt::ControlModifier) return showPage(kAllPages);
            break;
        case Qt::Key_Plus:
            setZoom(zoom_ * 1.25);
            return;
        case Qt::Key_Minus:
            setZoom(zoom_ / 1.25);
            return;
        default:
            break;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace pc::print
