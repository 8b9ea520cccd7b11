#pragma once
// A straight line: horizontal, vertical or corner to corner.
#include "design/graphic_object.h"
#include "design/pen_brush.h"

namespace pc::design {

class TGLineShape : public TGGraphicControl {
  public:
    enum class LineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };

    TGLineShape();
    const char* className() const override { return "TGLineShape"; }

    // Stored after the common ones: LineStyle, Pen.
    LineStyle lineStyle() const { return lineStyle_; }
    void setLineStyle(LineStyle style);
    const PenSpec& pen() const { return pen_; }
    void setPen(const PenSpec& pen);

    void paint(QPainter& painter) override;
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // Menu commands: each changes the design and notifies the host.
    void commandStyle(LineStyle style);
    void commandColor(quint32 color);
    void commandLineThickness(int points);
    // Horizontal lines span the surface's width, vertical ones its height;
    // sloped lines stay as they are.
    void commandStretchToEdges();

  private:
    LineStyle lineStyle_ = LineStyle::stHorizontal;
    PenSpec pen_;
};

const char* identifier(TGLineShape::LineStyle style);

}  // namespace pc::design
