#pragma once
// A page to draw on in inches: a painter on any device (printer, PDF
// writer, image, recorded picture) with the inch-to-device mapping. Every
// print path draws through it, so layouts print at their designed size
// whatever the device resolution.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSizeF>
#include <functional>
#include <vector>

#include "print/inches.h"

class QPicture;
class QImage;

namespace pc::print {

struct InchSize {
    Inches width, height;
};

class PageCanvas {
  public:
    // The painter must be active; `dpiX`/`dpiY` are the device's dots per
    // inch. The page's top-left is device point (0, 0).
    PageCanvas(QPainter& painter, double dpiX, double dpiY);
    PageCanvas(const PageCanvas&) = delete;
    PageCanvas& operator=(const PageCanvas&) = delete;

    QPainter& painter() { return painter_; }
    double dpiX() const { return dpiX_; }
    double dpiY() const { return dpiY_; }
    QPointF toDevice(Inches x, Inches y) const;
    QRectF toDevice(const InchRect& r) const;

    // Fonts are sized in points; the device's resolution applies.
    void setFont(const QFont& font, const QColor& color = Qt::black);
    // Pen width in hundredths of an inch; 0 draws the thinnest line the
    // device can. `mode` is how the pen combines with the page.
    void setPen(const QColor& color, Qt::PenStyle style, int widthHundredths,
                QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);
    // A pen exactly one device pixel wide (frames).
    void setDevicePixelPen(const QColor& color);
    void setBrush(const QColor& color, Qt::BrushStyle style = Qt::SolidPattern);
    void clearBrush() { setBrush(Qt::white, Qt::NoBrush); }

    void rectangle(const InchRect& r);
    // Corner diameter in inches, both ways.
    void roundRect(const InchRect& r, Inches cornerDiameter);
    void ellipse(const InchRect& r);
    void line(Inches x1, Inches y1, Inches x2, Inches y2);
    // Filled with the brush, no outline.
    void fillRect(const InchRect& r);
    void fillRect(const InchRect& r, const QColor& color);
    // Many rectangles filled with the brush as one shape (barcode bars):
    // far less for a PDF or a printer to take than one fill each.
    void fillRects(const std::vector<InchRect>& rects);
    // Text in the current font inside the rectangle (Qt::Align* and
    // Qt::TextWordWrap flags), clipped to it.
    void text(const InchRect& r, const QString& text, int flags = Qt::AlignLeft | Qt::AlignTop);
    Inches lineHeight() const;
    Inches textWidth(const QString& text) const;

    // A picture recorded at `picturePixels` (layout pixels, 96 per inch)
    // stretched into the rectangle.
    void drawPicture(const QPicture& picture, const QSizeF& picturePixels, const InchRect& r);
    void drawImage(const QImage& image, const InchRect& r);

  private:
    QPainter& painter_;
    double dpiX_, dpiY_;
};

using DrawPage = std::function<void(PageCanvas&)>;

// One page of the given size drawn into an image at `dpi` (white ground).
QImage renderPageImage(InchSize page, double dpi, const DrawPage& draw);

}  // namespace pc::print
