#include "design/stored_font.h"

#include <cmath>

#include "print/inches.h"

namespace pc::design {
namespace {

// a x b / c rounded to the nearest, halves away from zero.
int mulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

}  // namespace

int FontSpec::pointSize() const {
    return height < 0 ? mulDiv(-height, 72, print::kLayoutPixelsPerInch)
                      : mulDiv(height, 72, print::kLayoutPixelsPerInch);
}

void FontSpec::setPointSize(int points) {
    height = -mulDiv(points, print::kLayoutPixelsPerInch, 72);
}

QFont FontSpec::toQFont(float zoom) const {
    int size = pointSize();
    if (zoom != 1.0f) size = static_cast<int>(std::trunc(size * zoom));
    QFont font(name);
    font.setPixelSize(std::max(1, mulDiv(size, print::kLayoutPixelsPerInch, 72)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    if (pitch == FontPitch::fpFixed) font.setFixedPitch(true);
    return font;
}

FontSpec FontSpec::fromQFont(const QFont& font, quint32 color) {
    FontSpec spec;
    spec.name = font.family();
    spec.setPointSize(font.pointSize() > 0 ? font.pointSize() : 10);
    spec.color = color;
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    return spec;
}

}  // namespace pc::design
