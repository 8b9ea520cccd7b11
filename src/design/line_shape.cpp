#include "design/line_shape.h"

#include <QPainter>

#include "design/color_value.h"
#include "design/label_shapes.h"
#include "design/object_host.h"
#include "design/property_writer.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

constexpr const char* kStyleNames[] = {"stHorizontal", "stVertical", "stAngleSlopingUp",
                                       "stAngleSlopingDown"};

}  // namespace

const char* identifier(TGLineShape::LineStyle style) {
    return kStyleNames[static_cast<int>(style)];
}

TGLineShape::TGLineShape() {
    setBounds(0, 0, 10, 10);
}

void TGLineShape::setLineStyle(LineStyle style) {
    lineStyle_ = style;
    repaint();
}

void TGLineShape::setPen(const PenSpec& pen) {
    pen_ = pen;
    repaint();
}

void TGLineShape::paint(QPainter& painter) {
    const int w = zoomedPenWidth(pen_.width, zoom());
    const int drawn = std::max(1, w);
    const int h = w / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(pen_.color), drawn, toQt(pen_.style), Qt::FlatCap));
    painter.setCompositionMode(toQt(pen_.mode));
    // The stroke covers rows (or columns) 0 to w - 1, from h up to the far
    // end exclusive, so a thick line stays inside the object.
    const qreal across = drawn / 2.0;
    switch (lineStyle_) {
        case LineStyle::stHorizontal:
            painter.drawLine(QPointF(h, across), QPointF(width() + h - w + 1, across));
            break;
        case LineStyle::stVertical:
            painter.drawLine(QPointF(across, h), QPointF(across, h + height() - w + 1));
            break;
        case LineStyle::stAngleSlopingUp:
            painter.drawLine(QPointF(width(), 0), QPointF(0, height()));
            break;
        case LineStyle::stAngleSlopingDown:
            painter.drawLine(QPointF(0, 0), QPointF(width(), height()));
            break;
    }
    painter.restore();
}

void TGLineShape::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    using print::Inches;
    // A line's width prints as that many hundredths of an inch.
    page.setPen(toQColor(pen_.color), toQt(pen_.style), pen_.width);
    const Inches x1 = left + Inches::fromPixels(this->left());
    const Inches x2 = left + Inches::fromPixels(this->left() + width());
    const Inches y1 = top + Inches::fromPixels(this->top() + pen_.width / 2);
    const Inches y2 = top + Inches::fromPixels(this->top() + height() + pen_.width / 2);
    switch (lineStyle_) {
        case LineStyle::stHorizontal:
            page.line(x1, y1, x2, y1);
            break;
        case LineStyle::stVertical:
            page.line(x1, y1, x1, y2);
            break;
        case LineStyle::stAngleSlopingUp:
            page.line(x1, y2, x2, y1);
            break;
        case LineStyle::stAngleSlopingDown:
            page.line(x1, y1, x2, y2);
            break;
    }
}

void TGLineShape::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    out.enumeration("LineStyle", identifier(lineStyle_), "stHorizontal");
    out.pen("Pen", pen_);
}

bool TGLineShape::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "LineStyle") {
        read::enumeration(value,
                          {"stHorizontal", "stVertical", "stAngleSlopingUp", "stAngleSlopingDown"},
                          lineStyle_);
        return true;
    }
    if (name.startsWith("Pen.")) return read::penProperty("Pen", name, value, pen_);
    return TGGraphicControl::readProperty(name, value);
}

void TGLineShape::commandStyle(LineStyle style) {
    setLineStyle(style);
    notifyChanged();
}

void TGLineShape::commandColor(quint32 color) {
    pen_.color = color;
    repaint();
    notifyChanged();
}

void TGLineShape::commandLineThickness(int points) {
    pen_.width = points;
    repaint();
    notifyChanged();
}

void TGLineShape::commandStretchToEdges() {
    if (!host()) return;
    const QSize surface = host()->surfaceSize();
    if (lineStyle_ == LineStyle::stHorizontal)
        setBounds(0, top(), surface.width(), height());
    else if (lineStyle_ == LineStyle::stVertical)
        setBounds(left(), 0, width(), surface.height());
    else
        return;
    repaint();
    notifyChanged();
}

}  // namespace pc::design
