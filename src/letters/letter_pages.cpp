#include "letters/letter_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace pc::letters {

using richtext::kTwipsPerDocumentUnit;
using richtext::kTwipsPerInch;

PrinterBounds printerBounds(const richtext::PageSetup& page, int dpiX, int dpiY, int offX,
                            int offY) {
    PrinterBounds b;
    b.dpiX = dpiX;
    b.dpiY = dpiY;
    b.pageWidth = dpiX * page.paperWidth / kTwipsPerInch;
    b.pageHeight = dpiY * page.paperHeight / kTwipsPerInch;
    b.left = dpiX * page.marginLeft / kTwipsPerInch - offX;
    b.top = dpiY * page.marginTop / kTwipsPerInch - offY;
    b.textWidth = b.pageWidth - dpiX * page.marginRight / kTwipsPerInch - b.left;
    b.textHeight = b.pageHeight - dpiY * page.marginBottom / kTwipsPerInch - b.top;
    return b;
}

namespace {

constexpr int kSmallest = kTwipsPerInch / 2;
constexpr int kLargest = kTwipsPerInch * 48;

void fitMargins(int paper, int& first, int& second) {
    first = std::max(0, first);
    second = std::max(0, second);
    if (paper - first - second >= kSmallest) return;
    first = second = paper - 2 * kTwipsPerInch >= kSmallest ? kTwipsPerInch : 0;
}

}  // namespace

richtext::PageSetup usablePage(const richtext::PageSetup& page) {
    richtext::PageSetup p = page;
    const richtext::PageSetup letter;
    if (p.paperWidth < kSmallest || p.paperWidth > kLargest) p.paperWidth = letter.paperWidth;
    if (p.paperHeight < kSmallest || p.paperHeight > kLargest) p.paperHeight = letter.paperHeight;
    fitMargins(p.paperWidth, p.marginLeft, p.marginRight);
    fitMargins(p.paperHeight, p.marginTop, p.marginBottom);
    return p;
}

LetterPages::LetterPages(QTextDocument& document)
    : document_(document), page_(usablePage(richtext::pageSetup(document))) {
    // A page too small for a line of text still lays out, a line a page.
    const double width = std::max(
        1.0, (page_.paperWidth - page_.marginLeft - page_.marginRight) / kTwipsPerDocumentUnit);
    pageHeight_ = std::max(
        1.0, (page_.paperHeight - page_.marginTop - page_.marginBottom) / kTwipsPerDocumentUnit);
    document_.setDocumentMargin(0);
    document_.setPageSize(QSizeF(width, pageHeight_));
}

int LetterPages::pageCount() const {
    return std::max(1, document_.pageCount());
}

int LetterPages::pageOf(int position) const {
    const QTextBlock block = document_.findBlock(std::max(0, position));
    if (!block.isValid()) return pageCount() - 1;
    double y = document_.documentLayout()->blockBoundingRect(block).top();
    if (const QTextLayout* layout = block.layout()) {
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        if (line.isValid()) y += line.y();
    }
    return std::clamp(int((y + 0.5) / pageHeight_), 0, pageCount() - 1);
}

int LetterPages::pageStart(int pageIndex) const {
    if (pageIndex <= 0) return 0;
    const double pageTop = pageIndex * pageHeight_ - 0.5;
    const QAbstractTextDocumentLayout* layout = document_.documentLayout();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        if (rect.bottom() <= pageTop) continue;
        const QTextLayout* lines = block.layout();
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            if (rect.top() + line.y() >= pageTop) return block.position() + line.textStart();
        }
    }
    return document_.characterCount() - 1;
}

int LetterPages::drawPage(QPainter& painter, int position, const QRectF& textArea,
                          double scale) const {
    const int index = pageOf(position);
    const double width = document_.pageSize().width();
    painter.save();
    painter.setClipRect(textArea, Qt::IntersectClip);
    painter.translate(textArea.topLeft());
    painter.scale(scale, scale);
    painter.translate(0, -index * pageHeight_);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, index * pageHeight_, width, pageHeight_);
    context.palette.setColor(QPalette::Text, Qt::black);
    document_.documentLayout()->draw(&painter, context);
    painter.restore();
    return index + 1 < pageCount() ? pageStart(index + 1) : 0;
}

}  // namespace pc::letters
