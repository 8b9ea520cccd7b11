#pragma once
// One character of a symbol font, sized to fit it.
#include "design/base_label.h"

namespace pc::design {

class TGSymbolLabel : public TGBaseLabel {
  public:
    TGSymbolLabel();
    const char* className() const override { return "TGSymbolLabel"; }

    // The character code (32..255) the caption holds.
    int symbolCode() const;
    void setSymbolCode(int code);

    // Outside loading the box follows the character's size.
    void boundsChanged() override;
    void applyFont(const FontSpec& font) override;

  private:
    void fitToSymbol();
    bool sizing_ = false;  // fitting runs once, not again from its own resize
};

// Columns of the symbol selector's character list for a font size in
// points: fewer as the characters grow.
int symbolSelectorColumns(int pointSize);

}  // namespace pc::design
