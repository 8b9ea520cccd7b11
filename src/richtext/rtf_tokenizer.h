#pragma once
// Splits RTF bytes into groups, control words, control symbols and text.
// Never reads past the end and never loops without consuming input.
#include <QByteArray>
#include <cstdint>
#include <string_view>

namespace pc::richtext {

struct RtfToken {
    enum Kind { End, GroupStart, GroupEnd, Word, Symbol, HexByte, Text, Binary };
    Kind kind = End;
    std::string_view name;  // Word: the letters; Text/Binary: the bytes
    bool hasParameter = false;
    int32_t parameter = 0;  // Word: clamped to the int32 range
    char symbol = 0;        // Symbol: the character after the backslash
    uint8_t byte = 0;       // HexByte: the value of \'hh
};

class RtfTokenizer {
  public:
    explicit RtfTokenizer(std::string_view input) : in_(input) {}
    RtfTokenizer(const RtfTokenizer&) = delete;
    RtfTokenizer& operator=(const RtfTokenizer&) = delete;

    RtfToken next();
    // After \binN: the next N bytes (fewer at the end of input) as one token.
    RtfToken binary(int32_t count);
    size_t position() const { return pos_; }

  private:
    RtfToken controlWord();
    std::string_view in_;
    size_t pos_ = 0;
};

}  // namespace pc::richtext
