#include "print/page_canvas.h"

#include <QImage>
#include <QPicture>
#include <cmath>

namespace pc::print {

PageCanvas::PageCanvas(QPainter& painter, double dpiX, double dpiY)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY) {}

QPointF PageCanvas::toDevice(Inches x, Inches y) const {
    return {x.value * dpiX_, y.value * dpiY_};
}

QRectF PageCanvas::toDevice(const InchRect& r) const {
    return QRectF(toDevice(r.left, r.top), toDevice(r.right, r.bottom));
}

void PageCanvas::setFont(const QFont& font, const QColor& color) {
    // Point sizes follow the painter's device; pixel sizes would not.
    painter_.setFont(QFont(font, painter_.device()));
    QPen pen = painter_.pen();
    pen.setColor(color);
    painter_.setPen(pen);
}

void PageCanvas::setPen(const QColor& color, Qt::PenStyle style, int widthHundredths,
                        QPainter::CompositionMode mode) {
    QPen pen(color);
    pen.setStyle(style);
    pen.setWidthF(std::max(0, widthHundredths) / 100.0 * dpiX_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setCompositionMode(mode);
}

void PageCanvas::setDevicePixelPen(const QColor& color) {
    QPen pen(color);
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PageCanvas::setBrush(const QColor& color, Qt::BrushStyle style) {
    painter_.setBrush(QBrush(color, style));
}

void PageCanvas::rectangle(const InchRect& r) {
    painter_.drawRect(toDevice(r));
}

void PageCanvas::roundRect(const InchRect& r, Inches cornerDiameter) {
    painter_.drawRoundedRect(toDevice(r), cornerDiameter.value * dpiX_ / 2,
                             cornerDiameter.value * dpiY_ / 2);
}

void PageCanvas::ellipse(const InchRect& r) {
    painter_.drawEllipse(toDevice(r));
}

void PageCanvas::line(Inches x1, Inches y1, Inches x2, Inches y2) {
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PageCanvas::fillRect(const InchRect& r) {
    painter_.fillRect(toDevice(r), painter_.brush());
}

void PageCanvas::fillRect(const InchRect& r, const QColor& color) {
    painter_.fillRect(toDevice(r), color);
}

void PageCanvas::fillRects(const std::vector<InchRect>& rects) {
    std::vector<QRectF> device;
    device.reserve(rects.size());
    for (const InchRect& r : rects) device.push_back(toDevice(r));
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.drawRects(device.data(), static_cast<int>(device.size()));
    painter_.restore();
}

void PageCanvas::text(const InchRect& r, const QString& text, int flags) {
    painter_.save();
    const QRectF box = toDevice(r);
    painter_.setClipRect(box, Qt::IntersectClip);
    painter_.drawText(box, flags, text);
    painter_.restore();
}

Inches PageCanvas::lineHeight() const {
    return Inches(painter_.fontMetrics().lineSpacing() / dpiY_);
}

Inches PageCanvas::textWidth(const QString& text) const {
    return Inches(painter_.fontMetrics().horizontalAdvance(text) / dpiX_);
}

void PageCanvas::drawPicture(const QPicture& picture, const QSizeF& picturePixels,
                             const InchRect& r) {
    if (picturePixels.isEmpty()) return;
    const QRectF box = toDevice(r);
    // A picture replays scaled by the device's resolution over 96 already.
    const double replayX = picturePixels.width() * dpiX_ / kLayoutPixelsPerInch;
    const double replayY = picturePixels.height() * dpiY_ / kLayoutPixelsPerInch;
    painter_.save();
    painter_.translate(box.topLeft());
    painter_.scale(box.width() / replayX, box.height() / replayY);
    painter_.drawPicture(0, 0, picture);
    painter_.restore();
}

void PageCanvas::drawImage(const QImage& image, const InchRect& r) {
    painter_.drawImage(toDevice(r), image);
}

QImage renderPageImage(InchSize page, double dpi, const DrawPage& draw) {
    const QSize size(static_cast<int>(std::lround(page.width.value * dpi)),
                     static_cast<int>(std::lround(page.height.value * dpi)));
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PageCanvas canvas(painter, dpi, dpi);
    draw(canvas);
    painter.end();
    return image;
}

}  // namespace pc::print
