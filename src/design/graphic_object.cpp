#include "design/graphic_object.h"

#include <QPainter>
#include <cmath>

#include "design/object_host.h"
#include "design/property_writer.h"
#include "print/page_canvas.h"

namespace pc::design {

int roundHalfEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

void TGGraphicControl::setBounds(const QRect& bounds) {
    bounds_ = bounds;
    boundsChanged();
}

void TGGraphicControl::setZoom(float z) {
    const float current = zoom_ == 0.0f ? 1.0f : zoom_;
    if (z == current) return;
    const float ratio = z / current;
    bounds_ =
        QRect(roundHalfEven(bounds_.left() * ratio), roundHalfEven(bounds_.top() * ratio),
              roundHalfEven(bounds_.width() * ratio), roundHalfEven(bounds_.height() * ratio));
    zoom_ = z;
    boundsChanged();
}

bool TGGraphicControl::printing() const {
    return host_ && host_->printing();
}

void TGGraphicControl::printTo(print::PageCanvas&, print::Inches, print::Inches) {}

void TGGraphicControl::writeProperties(PropertyWriter& out) const {
    out.integer("Tag", tag_, 0);
    out.integer("Left", bounds_.left());
    out.integer("Top", bounds_.top());
    out.integer("Width", bounds_.width());
    out.integer("Height", bounds_.height());
    out.integer("Cursor", cursor_, 0);
    out.text("Hint", hint_);
    out.boolean("Locked", locked_);
    out.boolean("Unselectable", unselectable_);
}

bool TGGraphicControl::readProperty(const QByteArray& name, const StreamValue& value) {
    // Geometry is kept within what a surface can hold, so hostile values
    // cannot overflow later arithmetic.
    constexpr qint64 kLimit = 1'000'000;
    const auto number = read::integer(value);
    const bool sane = number && *number > -kLimit && *number < kLimit;
    if (name == "Tag") {
        if (number) tag_ = static_cast<int>(*number);
    } else if (name == "Left") {
        if (sane) bounds_.moveLeft(static_cast<int>(*number));
    } else if (name == "Top") {
        if (sane) bounds_.moveTop(static_cast<int>(*number));
    } else if (name == "Width") {
        if (sane) bounds_.setWidth(static_cast<int>(*number));
    } else if (name == "Height") {
        if (sane) bounds_.setHeight(static_cast<int>(*number));
    } else if (name == "Cursor") {
        if (number) cursor_ = static_cast<int>(*number);
    } else if (name == "Hint") {
        if (const auto t = read::text(value)) hint_ = *t;
    } else if (name == "Locked") {
        if (const auto b = read::boolean(value)) locked_ = *b;
    } else if (name == "Unselectable") {
        if (const auto b = read::boolean(value)) unselectable_ = *b;
    } else {
        return false;
    }
    return true;
}

void TGGraphicControl::notifyChanged() {
    if (host_) host_->objectChanged(*this);
}

void TGGraphicControl::repaint() {
    if (host_ && !host_->printing()) host_->objectNeedsRepaint(*this);
}

print::InchRect TGGraphicControl::inchRect(print::Inches top, print::Inches left) const {
    using print::Inches;
    return {left + Inches::fromPixels(bounds_.left()), top + Inches::fromPixels(bounds_.top()),
            left + Inches::fromPixels(bounds_.left() + bounds_.width()),
            top + Inches::fromPixels(bounds_.top() + bounds_.height())};
}

void TGGraphicControl::printByPainting(print::PageCanvas& page, print::Inches top,
                                       print::Inches left) {
    if (bounds_.width() <= 0 || bounds_.height() <= 0) return;
    QPainter& painter = page.painter();
    const QRectF box = page.toDevice(inchRect(top, left));
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / bounds_.width(), box.height() / bounds_.height());
    paint(painter);
    painter.restore();
}

}  // namespace pc::design
