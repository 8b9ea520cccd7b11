#pragma once
// Objects of several lines of text: the common base (lines, alignment,
// font, word wrap, fitting, the paint routine) and fixed multi-line text.
#include <QStringList>

#include "design/graphic_object.h"
#include "design/stored_font.h"

namespace pc::design {

class TGMultiLineBaseLabel : public TGGraphicControl {
  public:
    enum class Alignment { taLeftJustify, taRightJustify, taCenter };

    TGMultiLineBaseLabel();

    // Stored, in order: Items, AutoSize, Alignment, Font, WordWrap.
    const QStringList& items() const { return items_; }
    void setItems(const QStringList& items);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& font);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wordWrap);

    // Items laid into the object's width at its font and zoom.
    const QStringList& wrappedLines() const;
    // The lines as merged and printed: wrapped with WordWrap, else Items.
    const QStringList& lines() const;
    // What paint draws: the lines, with the empty-object placeholder.
    QStringList displayLines() const;
    // "<blank>", or "<blank memo>" for the memo object.
    virtual QString blankPlaceholder() const;

    // Rebuilds the wrapped lines now (they are otherwise rebuilt lazily
    // after a change of text, font, width or zoom).
    void rewrap();
    // Height to the lines, width grown to the widest; position kept.
    void autoFit();
    // The height of one line at the current zoom.
    int lineHeight() const;

    void boundsChanged() override;
    void applyFont(const FontSpec& font) override;
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    void paint(QPainter& painter) override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // Menu commands: each changes the design and notifies the host.
    void commandFont(const FontSpec& font);
    void commandAlignment(Alignment alignment);

  protected:
    // After a merge changed Items: unless printing, repaint.
    void merged();

  private:
    void invalidateWrap() { wrapStale_ = true; }

    QStringList items_;
    bool autoSize_ = false;
    Alignment alignment_ = Alignment::taLeftJustify;
    FontSpec font_;
    bool wordWrap_ = false;

    mutable QStringList wrapped_;
    mutable bool wrapStale_ = true;
    int wrapWidth_ = -1;
    float wrapZoom_ = 0.0f;
};

const char* identifier(TGMultiLineBaseLabel::Alignment alignment);

class TGMultiLineLabel : public TGMultiLineBaseLabel {
  public:
    const char* className() const override { return "TGMultiLineLabel"; }

    // "Text": the edited lines, then AutoFit.
    void commandText(const QStringList& lines);
    void commandWordWrap();
};

}  // namespace pc::design
