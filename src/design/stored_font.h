#pragma once
// A stored font (name, height, colour, pitch, style) as layouts keep it.
// The size in points is derived from the height in layout pixels.
#include <QFont>
#include <QString>

namespace pc::design {

enum class FontPitch { fpDefault, fpVariable, fpFixed };

struct FontSpec {
    QString name = QStringLiteral("Arial");
    int height = -13;  // layout pixels; negative: the character height (10 pt)
    quint32 color = 0;
    FontPitch pitch = FontPitch::fpDefault;
    bool bold = false, italic = false, underline = false, strikeOut = false;

    int pointSize() const;
    void setPointSize(int points);
    // The font to draw with at a zoom: size trunc(size x zoom) when the zoom
    // is not 1, in layout pixels, so text lays out the same on every device.
    QFont toQFont(float zoom = 1.0f) const;
    static FontSpec fromQFont(const QFont& font, quint32 color);

    bool operator==(const FontSpec&) const = default;
};

}  // namespace pc::design
