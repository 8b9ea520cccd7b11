#include "design/label_shapes.h"

#include <QPainter>
#include <cmath>

#include "design/color_value.h"
#include "design/property_writer.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

constexpr const char* kShapeNames[] = {"stRectangle",   "stSquare",  "stRoundRect",
                                       "stRoundSquare", "stEllipse", "stCircle"};

}  // namespace

const char* identifier(TGLabelShapes::Shape shape) {
    return kShapeNames[static_cast<int>(shape)];
}

int zoomedPenWidth(int width, float zoom) {
    const int w = roundHalfEven(static_cast<double>(width) * zoom);
    return width > 0 ? std::max(1, w) : std::max(0, w);
}

TGLabelShapes::TGLabelShapes() {
    setBounds(0, 0, 25, 25);
}

void TGLabelShapes::setTransparent(bool transparent) {
    transparent_ = transparent;
    brush_.style = transparent ? BrushStyle::bsClear : BrushStyle::bsSolid;
    repaint();
}

void TGLabelShapes::setBrush(const BrushSpec& brush) {
    brush_ = brush;
    repaint();
}

void TGLabelShapes::setPen(const PenSpec& pen) {
    pen_ = pen;
    repaint();
}

void TGLabelShapes::setRoundPerc(int percent) {
    roundPerc_ = percent;
    repaint();
}

void TGLabelShapes::setShape(Shape shape) {
    shape_ = shape;
    repaint();
}

void TGLabelShapes::paint(QPainter& painter) {
    const int w = zoomedPenWidth(pen_.width, zoom());
    const int h = w / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Width 0 draws the thinnest line, as a zero-width pen does on screen.
    painter.setPen(
        QPen(toQColor(pen_.color), std::max(1, w), toQt(pen_.style), Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(QBrush(toQColor(brush_.color), toQt(brush_.style)));
    painter.setCompositionMode(toQt(pen_.mode));
    // The figure's box, right and bottom exclusive: (h, h) to
    // (Width + h - w + 1, Height + h - w + 1), so a thick outline stays
    // inside. An odd-width stroke is centred on its edge pixels.
    const int drawn = std::max(1, w);
    const qreal offset = (drawn % 2) ? 0.5 : 0.0;
    const QRectF box(h + offset, h + offset, width() - drawn, height() - drawn);
    switch (shape_) {
        case Shape::stRectangle:
        case Shape::stSquare:
            painter.drawRect(box);
            break;
        case Shape::stRoundRect:
        case Shape::stRoundSquare: {
            const int diameter =
                static_cast<int>(std::trunc(roundPerc_ * 0.01 * std::max(width(), height())));
            painter.drawRoundedRect(box, diameter / 2.0, diameter / 2.0);
            break;
        }
        case Shape::stEllipse:
        case Shape::stCircle:
            painter.drawEllipse(box);
            break;
    }
    painter.restore();
}

void TGLabelShapes::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    const int hundredths =
        static_cast<int>(std::trunc(pen_.width * 100.0 / print::kLayoutPixelsPerInch));
    page.setPen(toQColor(pen_.color), toQt(pen_.style), hundredths, toQt(pen_.mode));
    page.setBrush(toQColor(brush_.color), toQt(brush_.style));
    const print::InchRect r = inchRect(top, left);
    switch (shape_) {
        case Shape::stRectangle:
        case Shape::stSquare:
            page.rectangle(r);
            break;
        case Shape::stRoundRect:
        case Shape::stRoundSquare:
            page.roundRect(r, std::max(r.width(), r.height()) * (roundPerc_ / 100.0));
            break;
        case Shape::stEllipse:
        case Shape::stCircle:
            page.ellipse(r);
            break;
    }
    page.painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TGLabelShapes::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    out.boolean("Transparent", transparent_);
    out.brush("Brush", brush_);
    out.pen("Pen", pen_);
    out.integer("RoundPerc", roundPerc_, 25);
    out.enumeration("Shape", identifier(shape_), "stRectangle");
}

bool TGLabelShapes::readProperty(const QByteArray& name, const StreamValue& value) {
    if (name == "Transparent") {
        if (const auto b = read::boolean(value)) transparent_ = *b;
    } else if (name.startsWith("Brush.")) {
        return read::brushProperty("Brush", name, value, brush_);
    } else if (name.startsWith("Pen.")) {
        return read::penProperty("Pen", name, value, pen_);
    } else if (name == "RoundPerc") {
        if (const auto n = read::integer(value); n && *n >= 0 && *n <= 100)
            roundPerc_ = static_cast<int>(*n);
    } else if (name == "Shape") {
        read::enumeration(
            value,
            {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"},
            shape_);
    } else {
        return TGGraphicControl::readProperty(name, value);
    }
    return true;
}

void TGLabelShapes::commandBackgroundColor(quint32 color) {
    brush_.color = color;
    setTransparent(false);
    notifyChanged();
}

void TGLabelShapes::commandLineColor(quint32 color) {
    pen_.color = color;
    repaint();
    notifyChanged();
}

void TGLabelShapes::commandLineThickness(int points) {
    pen_.width = points;
    repaint();
    notifyChanged();
}

void TGLabelShapes::commandTransparent() {
    setTransparent(brush_.style != BrushStyle::bsClear);
    notifyChanged();
}

void TGLabelShapes::commandRounding(int percent) {
    setRoundPerc(percent);
    notifyChanged();
}

}  // namespace pc::design
