#pragma once
// ASCII case and blank handling for names, keywords and stored field text.
// Case here is ASCII only on purpose: field, tag and alias names and
// keywords are ASCII, and the result must not depend on the C locale.
// The code-page aware UPPER() of expressions and keys is in codepage.h.
#include <string>
#include <string_view>

namespace pc::xbase {

constexpr char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 32) : c;
}

inline std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = upperAscii(c);
    return out;
}

constexpr bool equalsNoCaseAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i])) return false;
    return true;
}

constexpr bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Fields pad with blanks; damaged or foreign files pad with NULs.
constexpr bool isPadding(char c) {
    return c == ' ' || c == '\0';
}

constexpr std::string_view trimPaddingRight(std::string_view s) {
    while (!s.empty() && isPadding(s.back())) s.remove_suffix(1);
    return s;
}

constexpr std::string_view trimPadding(std::string_view s) {
    s = trimPaddingRight(s);
    while (!s.empty() && isPadding(s.front())) s.remove_prefix(1);
    return s;
}

// Typed or file text (command lines, CSV cells): white space, not padding.
constexpr std::string_view trimWhiteSpace(std::string_view s) {
    constexpr std::string_view ws = " \t\r\n";
    size_t b = s.find_first_not_of(ws);
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(ws) - b + 1);
}

}  // namespace pc::xbase
