#include "postal/fim.h"

#include <array>

namespace pc::postal {
namespace {

constexpr std::array<const char*, 5> kPatterns = {"110010011", "101101101", "110101011",
                                                  "111010111", "101000101"};

const char* patternOf(TFIMBarCodeType type) {
    const auto i = static_cast<std::size_t>(type);
    return i < kPatterns.size() ? kPatterns[i] : nullptr;
}

}  // namespace

std::vector<int> FimBarColumns(TFIMBarCodeType type) {
    std::vector<int> columns;
    if (const char* pattern = patternOf(type))
        for (int position = 0; pattern[position]; ++position)
            if (pattern[position] == '1') columns.push_back(2 * position + 1);
    return columns;
}

QString FimPattern(TFIMBarCodeType type) {
    const char* pattern = patternOf(type);
    return pattern ? QString::fromLatin1(pattern) : QString();
}

}  // namespace pc::postal
