#include "richtext/rtf_tokenizer.h"

#include <cctype>
#include <limits>

namespace pc::richtext {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Control words longer than this are not RTF; the rest of the letters is
// read as text so a run of letters cannot grow a name without bound.
constexpr size_t kMaxWordLength = 32;
constexpr size_t kMaxParameterDigits = 10;

}  // namespace

RtfToken RtfTokenizer::next() {
    RtfToken t;
    if (pos_ >= in_.size()) return t;
    char c = in_[pos_];
    if (c == '{') {
        ++pos_;
        t.kind = RtfToken::GroupStart;
        return t;
    }
    if (c == '}') {
        ++pos_;
        t.kind = RtfToken::GroupEnd;
        return t;
    }
    if (c == '\\') return controlWord();
    size_t start = pos_;
    while (pos_ < in_.size() && in_[pos_] != '{' && in_[pos_] != '}' && in_[pos_] != '\\') ++pos_;
    t.kind = RtfToken::Text;
    t.name = in_.substr(start, pos_ - start);
    return t;
}

RtfToken RtfTokenizer::controlWord() {
    RtfToken t;
    ++pos_;  // the backslash
    if (pos_ >= in_.size()) {
        t.kind = RtfToken::Text;  // a lone backslash at the end
        t.name = in_.substr(in_.size() - 1);
        return t;
    }
    char c = in_[pos_];
    if (!isLetter(c)) {
        ++pos_;
        if (c == '\'') {
            int hi = pos_ < in_.size() ? hexValue(in_[pos_]) : -1;
            int lo = pos_ + 1 < in_.size() ? hexValue(in_[pos_ + 1]) : -1;
            if (hi >= 0 && lo >= 0) {
                pos_ += 2;
                t.kind = RtfToken::HexByte;
                t.byte = uint8_t(hi * 16 + lo);
                return t;
            }
        }
        t.kind = RtfToken::Symbol;
        t.symbol = c;
        return t;
    }
    size_t start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_]) && pos_ - start < kMaxWordLength) ++pos_;
    t.kind = RtfToken::Word;
    t.name = in_.substr(start, pos_ - start);
    if (pos_ < in_.size() && (isDigit(in_[pos_]) || (in_[pos_] == '-' && pos_ + 1 < in_.size() &&
                                                     isDigit(in_[pos_ + 1])))) {
        bool negative = in_[pos_] == '-';
        if (negative) ++pos_;
        int64_t value = 0;
        size_t digits = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            if (digits++ < kMaxParameterDigits) value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative) value = -value;
        if (value > std::numeric_limits<int32_t>::max())
            value = std::numeric_limits<int32_t>::max();
        if (value < std::numeric_limits<int32_t>::min())
            value = std::numeric_limits<int32_t>::min();
        t.hasParameter = true;
        t.parameter = int32_t(value);
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting space belongs to the word
    return t;
}

RtfToken RtfTokenizer::binary(int32_t count) {
    RtfToken t;
    t.kind = RtfToken::Binary;
    size_t n = count > 0 ? size_t(count) : 0;
    if (n > in_.size() - pos_) n = in_.size() - pos_;
    t.name = in_.substr(pos_, n);
    pos_ += n;
    return t;
}

}  // namespace pc::richtext
