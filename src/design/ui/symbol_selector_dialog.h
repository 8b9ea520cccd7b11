#pragma once
// "Symbol Selector": the characters 32 to 255 of the object's font, a font
// button and the chosen character shown large. On OK the object takes the
// font and the character.
#include <QDialog>

#include "design/stored_font.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace pc::design {
class TGSymbolLabel;
}

namespace pc::design::ui {

// What the font button reads: name, size in points, then the style words.
QString symbolFontButtonText(const FontSpec& font);

class TSymbolSelectorDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TSymbolSelectorDialog(TGSymbolLabel& symbol, QWidget* parent = nullptr);

    // The character code the list has selected (32..255).
    int selectedCode() const;
    void selectCode(int code);
    // Shows the characters in another font (what the font button does after
    // its dialog).
    void useFont(const FontSpec& font);
    const FontSpec& chosenFont() const { return font_; }
    void OkButtonClick();
    void FontButtonClick();

    QTableWidget* SymbolGrid;
    QPushButton* FontButton;
    QLabel* LargeSymbol;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillGrid();
    void showSelected();

    TGSymbolLabel& symbol_;
    FontSpec font_;
};

}  // namespace pc::design::ui
