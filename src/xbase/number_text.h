#pragma once
// Numbers as xBase stores them in N and F fields: ASCII, right-aligned with
// leading blanks. One fast parser shared by the field codec and expressions.
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>

namespace pc::xbase {

// Parses "  -123.45" style text (blanks around, optional sign, digits, one
// point, optional exponent). nullopt for all blanks or anything else.
inline std::optional<double> parseNumberText(const char* s, size_t n) {
    size_t i = 0;
    while (i < n && (s[i] == ' ' || s[i] == '\0')) ++i;
    while (n > i && (s[n - 1] == ' ' || s[n - 1] == '\0')) --n;
    if (i == n) return std::nullopt;
    bool neg = false;
    if (s[i] == '-' || s[i] == '+') neg = s[i++] == '-';
    // Fast path: up to 15 significant digits and a point, no exponent.
    uint64_t mant = 0;
    int digits = 0, frac = -1;
    size_t j = i;
    for (; j < n; ++j) {
        char c = s[j];
        if (c >= '0' && c <= '9') {
            if (++digits > 15) break;
            mant = mant * 10 + uint64_t(c - '0');
            if (frac >= 0) ++frac;
        } else if (c == '.' && frac < 0) {
            frac = 0;
        } else {
            break;
        }
    }
    if (j == n && digits > 0) {
        static const double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        double v = double(mant);
        if (frac > 0) v /= kPow10[frac];
        return neg ? -v : v;
    }
    // Decimal text only: strtod alone would also take "0x10", "inf" or "nan".
    size_t k = i, mantDigits = 0;
    while (k < n && s[k] >= '0' && s[k] <= '9') ++k, ++mantDigits;
    if (k < n && s[k] == '.') ++k;
    while (k < n && s[k] >= '0' && s[k] <= '9') ++k, ++mantDigits;
    if (mantDigits == 0) return std::nullopt;
    if (k < n && (s[k] == 'e' || s[k] == 'E')) {
        ++k;
        if (k < n && (s[k] == '+' || s[k] == '-')) ++k;
        size_t expStart = k;
        while (k < n && s[k] >= '0' && s[k] <= '9') ++k;
        if (k == expStart) return std::nullopt;
    }
    if (k != n) return std::nullopt;
    std::string copy(s + i, n - i);
    char* end = nullptr;
    double v = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str() || *end != '\0') return std::nullopt;
    return neg ? -v : v;
}

}  // namespace pc::xbase
