#include "maintenance/phonetic_key.h"

namespace pc::maintenance {
namespace {

// Digit of each letter A-Z; '0' for vowels and Y, '-' for H and W, which
// do not separate equal digits.
constexpr char kCodes[] = "0123012-02245501262301-202";

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

}  // namespace

std::string soundex(std::string_view name) {
    std::string code;
    char last = 0;
    for (char raw : name) {
        const char c = upper(raw);
        if (c < 'A' || c > 'Z') continue;
        const char digit = kCodes[c - 'A'];
        if (code.empty()) {
            code += c;
            last = digit;
            continue;
        }
        if (digit == '-') continue;
        if (digit != '0' && digit != last) code += digit;
        last = digit;
        if (code.size() == 4) break;
    }
    if (!code.empty()) code.resize(4, '0');
    return code;
}

}  // namespace pc::maintenance
