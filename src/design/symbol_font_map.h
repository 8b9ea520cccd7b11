#pragma once
// The classic symbol font layouts keep by name has no equivalent on Linux:
// its character codes are shown as the matching Unicode symbols, drawn with
// a symbol font that has them. The stored font name stays as designed.
#include <QString>

namespace pc::design {

// Whether text in this stored font is drawn through the symbol table.
bool isSymbolMappedFont(const QString& name);
// The installed family that draws the mapped symbols.
QString symbolFontFamily();
// The Unicode symbol of a character code 32..255 ("?" outside).
char32_t symbolForCode(int code);
// Each character of a stored caption as its symbol.
QString mapSymbolText(const QString& text);

}  // namespace pc::design
