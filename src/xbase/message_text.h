#pragma once
// Quoting user text in messages: an expression or value may be huge, and a
// message that echoes all of it buries the reason.
#include <cstddef>
#include <string>
#include <string_view>

namespace pc::xbase {

inline constexpr size_t kMaxQuotedChars = 200;

// The text cut to its first 200 characters (UTF-8 aware), with "..." and
// the full length appended when cut.
inline std::string clipForMessage(std::string_view text, size_t maxChars = kMaxQuotedChars) {
    size_t chars = 0, i = 0;
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == maxChars) break;
        ++chars;
    }
    if (i == text.size()) return std::string(text);
    return std::string(text.substr(0, i)) + "... (" + std::to_string(text.size()) + " bytes)";
}

}  // namespace pc::xbase
