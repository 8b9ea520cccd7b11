#include "design/symbol_label.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "design/property_writer.h"

namespace pc::design {

TGSymbolLabel::TGSymbolLabel() {
    FontSpec symbolFont;
    symbolFont.name = QStringLiteral("WingDings");
    symbolFont.setPointSize(24);
    setFont(symbolFont);
    setCaption(QStringLiteral("["));
}

int TGSymbolLabel::symbolCode() const {
    const QByteArray bytes = toStreamText(caption().left(1));
    return bytes.isEmpty() ? 32 : static_cast<unsigned char>(bytes.at(0));
}

void TGSymbolLabel::setSymbolCode(int code) {
    const char byte = static_cast<char>(std::clamp(code, 32, 255));
    setCaption(fromStreamText(QByteArray(1, byte)));
    fitToSymbol();
}

void TGSymbolLabel::boundsChanged() {
    TGBaseLabel::boundsChanged();
    if (!loading() && !layingOut()) fitToSymbol();
}

void TGSymbolLabel::applyFont(const FontSpec& font) {
    TGBaseLabel::applyFont(font);
    fitToSymbol();
}

void TGSymbolLabel::fitToSymbol() {
    if (loading() || layingOut() || sizing_) return;
    sizing_ = true;
    const Layout& l = layout();
    const QFontMetrics metrics(l.font);
    const int maxX = std::max({l.shadowOrigin.x(), l.highlightOrigin.x(), l.mainOrigin.x()});
    const int maxY = std::max({l.shadowOrigin.y(), l.highlightOrigin.y(), l.mainOrigin.y()});
    const int w = static_cast<int>(std::trunc(1.1 * metrics.horizontalAdvance(l.text))) + maxX;
    const int h = static_cast<int>(std::trunc(1.1 * metrics.height())) + maxY;
    if (w != width() || h != height()) setBounds(left(), top(), w, h);
    sizing_ = false;
}

int symbolSelectorColumns(int pointSize) {
    struct Step {
        int upTo, columns;
    };
    constexpr Step kSteps[] = {{10, 14}, {20, 10}, {30, 8}, {40, 6}, {50, 4}, {60, 3}, {72, 2}};
    if (pointSize < 6) return 1;
    for (const Step& s : kSteps)
        if (pointSize <= s.upTo) return s.columns;
    return 1;
}

}  // namespace pc::design
