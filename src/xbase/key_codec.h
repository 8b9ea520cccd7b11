#pragma once
// How values become index key bytes. Character keys are the bytes themselves,
// padded with blanks; logical keys are 'T' or 'F'; numeric and date keys are
// an IEEE double, big-endian, with the sign bit flipped (all bits for
// negatives) so that unsigned byte comparison sorts them numerically.
#include <cstdint>
#include <cstring>

namespace pc::xbase {

enum class KeyType : uint8_t { Character, Numeric, Date, Logical };

constexpr uint16_t kNumericKeyLength = 8;

inline void encodeNumericKey(double value, uint8_t out[8]) {
    if (value == 0) value = 0;  // -0.0 sorts with 0
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    if (bits >> 63)
        bits = ~bits;
    else
        bits |= uint64_t(1) << 63;
    for (int i = 7; i >= 0; --i) {
        out[i] = static_cast<uint8_t>(bits & 0xFF);
        bits >>= 8;
    }
}

inline double decodeNumericKey(const uint8_t in[8]) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | in[i];
    if (bits >> 63)
        bits &= ~(uint64_t(1) << 63);
    else
        bits = ~bits;
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

// The byte that fills the end of a key and that leaf compression drops.
inline uint8_t keyFillByte(KeyType t) {
    return (t == KeyType::Numeric || t == KeyType::Date) ? 0x00 : 0x20;
}

}  // namespace pc::xbase
