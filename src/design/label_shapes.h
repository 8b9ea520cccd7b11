#pragma once
// Rectangles, rounded rectangles and ellipses.
#include "design/graphic_object.h"
#include "design/pen_brush.h"

namespace pc::design {

class TGLabelShapes : public TGGraphicControl {
  public:
    enum class Shape { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

    TGLabelShapes();
    const char* className() const override { return "TGLabelShapes"; }

    // Stored after the common ones: Transparent, Brush, Pen, RoundPerc, Shape.
    bool transparent() const { return transparent_; }
    // A transparent shape has a clear brush; an opaque one a solid brush.
    void setTransparent(bool transparent);
    const BrushSpec& brush() const { return brush_; }
    void setBrush(const BrushSpec& brush);
    const PenSpec& pen() const { return pen_; }
    void setPen(const PenSpec& pen);
    int roundPerc() const { return roundPerc_; }
    void setRoundPerc(int percent);
    Shape shape() const { return shape_; }
    void setShape(Shape shape);
    bool rounded() const { return shape_ == Shape::stRoundRect || shape_ == Shape::stRoundSquare; }

    void paint(QPainter& painter) override;
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // Menu commands: each changes the design and notifies the host.
    void commandBackgroundColor(quint32 color);  // also turns Transparent off
    void commandLineColor(quint32 color);
    void commandLineThickness(int points);
    void commandTransparent();  // toggles
    void commandRounding(int percent);

  private:
    bool transparent_ = false;
    BrushSpec brush_;
    PenSpec pen_;
    int roundPerc_ = 25;
    Shape shape_ = Shape::stRectangle;
};

const char* identifier(TGLabelShapes::Shape shape);

// A stored pen width drawn at a zoom: rounded half to even, at least 1
// when the stored width is positive.
int zoomedPenWidth(int width, float zoom);

}  // namespace pc::design
