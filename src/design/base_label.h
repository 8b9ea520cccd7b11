#pragma once
// One line of text with a 3D shadow and highlight, rotation by quarter
// turns, an optional background and border: the common part of fixed text,
// data fields, counters and symbols. The layout (box size, text rectangles
// and origins) is computed lazily and kept until something changes it.
#include <QFont>
#include <QPoint>
#include <QRect>

#include "design/color_value.h"
#include "design/graphic_object.h"
#include "design/stored_font.h"

namespace pc::design {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
enum class TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
enum class LabelBorderStyle { bsNone, bsSingle };

class TGBaseLabel : public TGGraphicControl {
  public:
    TGBaseLabel();

    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    int depthHighlight() const { return depthHighlight_; }
    void setDepthHighlight(int depth);
    int depthShadow() const { return depthShadow_; }
    void setDepthShadow(int depth);
    THighlightDirection directionHighlight() const { return directionHighlight_; }
    void setDirectionHighlight(THighlightDirection direction);
    TShadowDirection directionShadow() const { return directionShadow_; }
    void setDirectionShadow(TShadowDirection direction);
    quint32 colorHighlight() const { return colorHighlight_; }
    void setColorHighlight(quint32 color);
    quint32 colorShadow() const { return colorShadow_; }
    void setColorShadow(quint32 color);
    // Quarter turns only (0, 90, 180, 270); anything else is ignored. A
    // turn forces left alignment and swaps a box that does not match it.
    int angle() const { return angle_; }
    void setAngle(int angle);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& font);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 color);
    LabelBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(LabelBorderStyle style);

    // Grows the box (never shrinks it) to hold the caption with room to
    // spare; upright text only.
    void fitToText();

    void boundsChanged() override;
    void applyFont(const FontSpec& font) override;
    void setZoom(float z) override;
    void paint(QPainter& painter) override;
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // The computed layout, in the object's pixels at its zoom.
    struct Layout {
        QPoint shadowOffset, highlightOffset;
        int marginX = 0, marginY = 0;
        int lineHeight = 0;  // internal + external leading + cell height
        int textWidth = 0;   // the caption and one blank
        QRect shadowRect, highlightRect, mainRect;
        QPoint shadowOrigin, highlightOrigin, mainOrigin;
        QFont font;    // what the text is drawn with
        QString text;  // the caption as drawn (symbol fonts mapped)
        int ascent = 0;
        int cellHeight = 0;
    };
    // Settles a stale layout (which may change the box) and returns it.
    const Layout& layout();
    bool layoutStale() const { return stale_; }

  protected:
    // The caption as the layout uses it; the counter rebuilds its own.
    virtual void prepareCaption() {}
    // Marks the layout stale and repaints.
    void changed();
    // Sets the caption without the setter's repaint (merges, counters).
    void storeCaption(const QString& caption);
    // The layout is resizing the box (self-sizing must not react).
    bool layingOut() const { return inLayout_; }

  private:
    void computeLayout();
    void resizeKeepingLayout(int width, int height);

    TAlignment alignment_ = TAlignment::taLeftJustify;
    int depthHighlight_ = 0;
    int depthShadow_ = 0;
    THighlightDirection directionHighlight_ = THighlightDirection::hdUpLeft;
    TShadowDirection directionShadow_ = TShadowDirection::sdDownRight;
    quint32 colorHighlight_ = clAqua;
    quint32 colorShadow_ = clGray;
    int angle_ = 0;
    QString caption_ = QStringLiteral("Text");
    FontSpec font_;
    bool transparent_ = true;
    quint32 backColor_ = clWhite;
    LabelBorderStyle borderStyle_ = LabelBorderStyle::bsNone;

    Layout layout_;
    bool stale_ = true;
    bool inLayout_ = false;  // the layout is resizing the box
};

}  // namespace pc::design
