#include "design/base_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/property_writer.h"
#include "design/symbol_font_map.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

const char* const kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kHighlightDirections[] = {"hdNone",    "hdright",  "hdLeft",
                                            "hdUpRight", "hdUpLeft", "hdUp"};
const char* const kShadowDirections[] = {"sdNone",      "sdRight",    "sdLeft",
                                         "sdDownRight", "sdDownLeft", "sdDown"};
const char* const kBorderStyles[] = {"bsNone", "bsSingle"};

// Depths beyond this are a hostile file, not a design.
constexpr int kMaxDepth = 100;

QPoint shadowOffsetOf(TShadowDirection direction, int d) {
    switch (direction) {
        case TShadowDirection::sdNone:
            return {0, 0};
        case TShadowDirection::sdRight:
            return {d, 0};
        case TShadowDirection::sdLeft:
            return {-d, 0};
        case TShadowDirection::sdDownRight:
            return {d, d};
        case TShadowDirection::sdDownLeft:
            return {-d, d};
        case TShadowDirection::sdDown:
            return {0, d};
    }
    return {0, 0};
}

QPoint highlightOffsetOf(THighlightDirection direction, int d) {
    switch (direction) {
        case THighlightDirection::hdNone:
            return {0, 0};
        case THighlightDirection::hdright:
            return {d, 0};
        case THighlightDirection::hdLeft:
            return {-d, 0};
        case THighlightDirection::hdUpRight:
            return {d, -d};
        case THighlightDirection::hdUpLeft:
            return {-d, -d};
        case THighlightDirection::hdUp:
            return {0, -d};
    }
    return {0, 0};
}

// An offset turned with the text.
QPoint turned(QPoint p, int angle) {
    switch (angle) {
        case 90:
            return {p.y(), -p.x()};
        case 180:
            return {-p.x(), -p.y()};
        case 270:
            return {-p.y(), p.x()};
        default:
            return p;
    }
}

// Rectangles keep the design's edges: right and bottom lie just outside.
QRect edges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
int rightEdge(const QRect& r) {
    return r.right() + 1;
}
int bottomEdge(const QRect& r) {
    return r.bottom() + 1;
}

// Where text starts in its rectangle: the corner its top-left turns to.
QPoint originOf(const QRect& r, int angle) {
    switch (angle) {
        case 90:
            return {r.left(), bottomEdge(r)};
        case 180:
            return {rightEdge(r), bottomEdge(r)};
        case 270:
            return {rightEdge(r), r.top()};
        default:
            return r.topLeft();
    }
}

}  // namespace

TGBaseLabel::TGBaseLabel() {
    setBounds(0, 0, 142, 33);
}

void TGBaseLabel::changed() {
    stale_ = true;
    repaint();
}

void TGBaseLabel::setAlignment(TAlignment alignment) {
    // Turned text is always left-justified.
    if (angle_ != 0) alignment = TAlignment::taLeftJustify;
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    changed();
}

void TGBaseLabel::setDepthHighlight(int depth) {
    depth = std::clamp(depth, 0, kMaxDepth);
    if (depthHighlight_ == depth) return;
    depthHighlight_ = depth;
    changed();
}

void TGBaseLabel::setDepthShadow(int depth) {
    depth = std::clamp(depth, 0, kMaxDepth);
    if (depthShadow_ == depth) return;
    depthShadow_ = depth;
    changed();
}

void TGBaseLabel::setDirectionHighlight(THighlightDirection direction) {
    if (directionHighlight_ == direction) return;
    directionHighlight_ = direction;
    changed();
}

void TGBaseLabel::setDirectionShadow(TShadowDirection direction) {
    if (directionShadow_ == direction) return;
    directionShadow_ = direction;
    changed();
}

void TGBaseLabel::setColorHighlight(quint32 color) {
    if (colorHighlight_ == color) return;
    colorHighlight_ = color;
    repaint();
}

void TGBaseLabel::setColorShadow(quint32 color) {
    if (colorShadow_ == color) return;
    colorShadow_ = color;
    repaint();
}

void TGBaseLabel::setAngle(int angle) {
    if (angle != 0 && angle != 90 && angle != 180 && angle != 270) return;
    if (angle_ == angle) return;
    angle_ = angle;
    if (angle != 0) alignment_ = TAlignment::taLeftJustify;
    // A stored box already matches its angle, so reading never swaps.
    const bool upright = angle == 0 || angle == 180;
    const bool mismatched = upright ? height() > width() : width() > height();
    if (mismatched && !loading()) resizeKeepingLayout(height(), width());
    changed();
}

void TGBaseLabel::setCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    changed();
}

void TGBaseLabel::storeCaption(const QString& caption) {
    caption_ = caption;
    stale_ = true;
}

void TGBaseLabel::setFont(const FontSpec& font) {
    if (font_ == font) return;
    font_ = font;
    changed();
}

void TGBaseLabel::setTransparent(bool transparent) {
    if (transparent_ == transparent) return;
    transparent_ = transparent;
    repaint();
}

void TGBaseLabel::setBackColor(quint32 color) {
    if (backColor_ == color) return;
    backColor_ = color;
    repaint();
}

void TGBaseLabel::setBorderStyle(LabelBorderStyle style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    repaint();
}

void TGBaseLabel::boundsChanged() {
    if (inLayout_) return;
    if (width() < 1 || height() < 1) {
        inLayout_ = true;
        setBounds(left(), top(), std::max(1, width()), std::max(1, height()));
        inLayout_ = false;
    }
    stale_ = true;
}

void TGBaseLabel::resizeKeepingLayout(int width, int height) {
    const bool was = inLayout_;
    inLayout_ = true;
    setBounds(left(), top(), std::max(1, width), std::max(1, height));
    inLayout_ = was;
}

void TGBaseLabel::applyFont(const FontSpec& font) {
    setFont(font);
}

void TGBaseLabel::setZoom(float z) {
    TGGraphicControl::setZoom(z);
    changed();
}

const TGBaseLabel::Layout& TGBaseLabel::layout() {
    prepareCaption();
    if (stale_) computeLayout();
    return layout_;
}

void TGBaseLabel::computeLayout() {
    Layout& l = layout_;
    l.shadowOffset = shadowOffsetOf(directionShadow_, depthShadow_);
    l.highlightOffset = highlightOffsetOf(directionHighlight_, depthHighlight_);
    const QPoint s = l.shadowOffset;
    const QPoint h = l.highlightOffset;

    l.font = font_.toQFont(zoom());
    l.text = caption_;
    if (isSymbolMappedFont(font_.name)) {
        l.font.setFamily(symbolFontFamily());
        l.text = mapSymbolText(caption_);
    }
    const QFontMetrics metrics(l.font);
    const int internalLeading = std::max(0, metrics.height() - l.font.pixelSize());
    l.ascent = metrics.ascent();
    l.cellHeight = metrics.height();
    l.lineHeight = internalLeading + metrics.leading() + metrics.height();
    l.textWidth = metrics.horizontalAdvance(l.text + QLatin1Char(' '));
    const int L = l.lineHeight;
    const int T = l.textWidth;

    l.marginX = std::max({0, -s.x(), -h.x()});
    l.marginY = std::max({0, -s.y(), -h.y()});
    const int mx = l.marginX;
    const int my = l.marginY;

    // The box grows to the text across the line and never stays taller
    // than 1.2 lines; along the line it may be wider than the text.
    const int F = L + s.y() - h.y();
    int w = width();
    int ht = height();
    if (angle_ == 90 || angle_ == 270) {
        if (T * 1.2 < ht) ht = static_cast<int>(T * 1.2);
        if (ht < 5) ht = T;
        if (F * 1.2 < w) w = static_cast<int>(F * 1.2);
        if (w < F) w = F;
    } else {
        if (angle_ == 180 && 2 * T < w) w = 2 * T;
        if (w <= 5) w = T;
        if (F * 1.2 < ht) ht = static_cast<int>(F * 1.2);
        if (ht < F) ht = F;
    }
    if (w != width() || ht != height()) resizeKeepingLayout(w, ht);
    w = width();
    ht = height();

    QRect main;
    if (angle_ == 90 || angle_ == 270) {
        main = edges(my, mx, L + my, ht - my);
        if (angle_ == 90) main.translate(0, ht + main.top() + h.x() - bottomEdge(main) - 1);
    } else {
        main = edges(mx, my, w, L + my);
        if (angle_ == 180) main.translate(w + main.left() - rightEdge(main) - s.y() - 1, 0);
    }
    l.mainRect = main;
    l.shadowRect = main.translated(turned(s, angle_));
    l.highlightRect = main.translated(turned(h, angle_));
    l.mainOrigin = originOf(l.mainRect, angle_);
    l.shadowOrigin = originOf(l.shadowRect, angle_);
    l.highlightOrigin = originOf(l.highlightRect, angle_);

    if (angle_ == 0) {
        int x = main.left();
        if (alignment_ == TAlignment::taRightJustify)
            x = rightEdge(main) - T;
        else if (alignment_ == TAlignment::taCenter)
            x = (rightEdge(main) - main.left()) / 2 - T / 2;
        l.mainOrigin.setX(x);
        l.highlightOrigin.setX(x + h.x());
        l.shadowOrigin.setX(x + s.x());
    }
    stale_ = false;
}

void TGBaseLabel::fitToText() {
    if (angle_ != 0) return;
    const Layout& l = layout();
    const int x0 = std::max({l.shadowRect.left(), l.highlightRect.left(), l.mainRect.left()});
    const int y0 = std::max({l.shadowRect.top(), l.highlightRect.top(), l.mainRect.top()});
    const QFontMetrics metrics(l.font);
    const int needWidth = x0 + metrics.horizontalAdvance(l.text + QStringLiteral("     "));
    const int needHeight = y0 + metrics.height();
    if (width() < needWidth || height() < needHeight)
        setBounds(left(), top(), std::max(width(), needWidth), std::max(height(), needHeight));
}

void TGBaseLabel::paint(QPainter& painter) {
    const Layout& l = layout();
    painter.save();
    if (!transparent_) painter.fillRect(QRect(0, 0, width(), height()), toQColor(backColor_));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(l.font);
    const auto drawAt = [&](const QRect& clip, QPoint origin, quint32 color) {
        painter.save();
        painter.setClipRect(clip, Qt::IntersectClip);
        painter.setPen(toQColor(color));
        painter.translate(origin);
        if (angle_ != 0) painter.rotate(-angle_);
        painter.drawText(QPoint(0, l.ascent), l.text);
        painter.restore();
    };
    // A shadow or highlight without offset lies wholly under the main text;
    // drawing it would only tint the text's edges.
    const auto offset = [&l](const QRect& rect, QPoint origin) {
        return rect != l.mainRect || origin != l.mainOrigin;
    };
    if (offset(l.shadowRect, l.shadowOrigin)) drawAt(l.shadowRect, l.shadowOrigin, colorShadow_);
    if (offset(l.highlightRect, l.highlightOrigin))
        drawAt(l.highlightRect, l.highlightOrigin, colorHighlight_);
    drawAt(l.mainRect, l.mainOrigin, font_.color);
    if (borderStyle_ == LabelBorderStyle::bsSingle) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
    painter.restore();
}

void TGBaseLabel::printTo(print::PageCanvas& page, print::Inches top, print::Inches left) {
    // Paper matches the design at zoom 1, 3D effects and rotation included.
    layout();
    printByPainting(page, top, left);
}

void TGBaseLabel::writeProperties(PropertyWriter& out) const {
    TGGraphicControl::writeProperties(out);
    out.enumeration("Alignment", kAlignments[static_cast<int>(alignment_)], "taLeftJustify");
    out.integer("DepthHighlight", depthHighlight_, 0);
    out.integer("DepthShadow", depthShadow_, 0);
    out.enumeration("DirectionHighlight",
                    kHighlightDirections[static_cast<int>(directionHighlight_)], "hdUpLeft");
    out.enumeration("DirectionShadow", kShadowDirections[static_cast<int>(directionShadow_)],
                    "sdDownRight");
    out.color("colorHighlight", colorHighlight_, clAqua);
    out.color("colorShadow", colorShadow_, clGray);
    out.integer("Angle", angle_, 0);
    out.text("Caption", caption_);
    out.font("Font", font_);
    out.boolean("Transparent", transparent_);
    out.color("BackColor", backColor_);
    out.enumeration("BorderStyle", kBorderStyles[static_cast<int>(borderStyle_)]);
}

bool TGBaseLabel::readProperty(const QByteArray& name, const StreamValue& value) {
    if (TGGraphicControl::readProperty(name, value)) {
        stale_ = true;
        return true;
    }
    const auto number = read::integer(value);
    if (name == "Alignment") {
        if (const auto i =
                read::enumeration(value, {"taLeftJustify", "taRightJustify", "taCenter"}))
            setAlignment(static_cast<TAlignment>(*i));
    } else if (name == "DepthHighlight") {
        if (number) setDepthHighlight(static_cast<int>(std::clamp<qint64>(*number, 0, kMaxDepth)));
    } else if (name == "DepthShadow") {
        if (number) setDepthShadow(static_cast<int>(std::clamp<qint64>(*number, 0, kMaxDepth)));
    } else if (name == "DirectionHighlight") {
        if (const auto i = read::enumeration(
                value, {"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"}))
            setDirectionHighlight(static_cast<THighlightDirection>(*i));
    } else if (name == "DirectionShadow") {
        if (const auto i = read::enumeration(
                value, {"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"}))
            setDirectionShadow(static_cast<TShadowDirection>(*i));
    } else if (name == "colorHighlight") {
        if (number) setColorHighlight(static_cast<quint32>(*number));
    } else if (name == "colorShadow") {
        if (number) setColorShadow(static_cast<quint32>(*number));
    } else if (name == "Angle") {
        if (number) setAngle(static_cast<int>(std::clamp<qint64>(*number, -1, 360)));
    } else if (name == "Caption") {
        if (const auto t = read::text(value)) setCaption(*t);
    } else if (name.startsWith("Font.")) {
        FontSpec font = font_;
        if (!read::fontProperty("Font", name, value, font)) return false;
        setFont(font);
    } else if (name == "Transparent") {
        if (const auto b = read::boolean(value)) setTransparent(*b);
    } else if (name == "BackColor") {
        if (number) setBackColor(static_cast<quint32>(*number));
    } else if (name == "BorderStyle") {
        if (const auto i = read::enumeration(value, {"bsNone", "bsSingle"}))
            setBorderStyle(static_cast<LabelBorderStyle>(*i));
    } else {
        return false;
    }
    return true;
}

}  // namespace pc::design
