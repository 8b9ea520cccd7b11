#pragma once
// Lengths on paper. Objects keep their geometry in pixels of the design
// surface at zoom 1; pages, stock and printing speak inches. Pixels turn
// into inches only through this type, at the design resolution.
#include <compare>

namespace pc::print {

// Pixels per inch of a design surface at zoom 1 (the resolution layouts
// are stored in). Fixed, so a layout means the same size on every screen.
inline constexpr int kLayoutPixelsPerInch = 96;

struct Inches {
    double value = 0.0;

    constexpr Inches() = default;
    constexpr explicit Inches(double v) : value(v) {}
    static constexpr Inches fromPixels(double pixels) {
        return Inches(pixels / kLayoutPixelsPerInch);
    }
    constexpr double pixels() const { return value * kLayoutPixelsPerInch; }

    constexpr Inches operator+(Inches o) const { return Inches(value + o.value); }
    constexpr Inches operator-(Inches o) const { return Inches(value - o.value); }
    constexpr Inches operator*(double k) const { return Inches(value * k); }
    constexpr Inches operator/(double k) const { return Inches(value / k); }
    constexpr Inches& operator+=(Inches o) {
        value += o.value;
        return *this;
    }
    constexpr Inches& operator-=(Inches o) {
        value -= o.value;
        return *this;
    }
    constexpr auto operator<=>(const Inches&) const = default;
};

constexpr Inches operator""_in(long double v) {
    return Inches(static_cast<double>(v));
}
constexpr Inches operator""_in(unsigned long long v) {
    return Inches(static_cast<double>(v));
}

// A rectangle on a page in inches.
struct InchRect {
    Inches left, top, right, bottom;
    constexpr Inches width() const { return right - left; }
    constexpr Inches height() const { return bottom - top; }
};

}  // namespace pc::print
