#pragma once
// Facing Identification Marks: nine possible bars 1/16 in apart in a field
// of 17 columns of 1/32 in; a bar fills one odd column.
#include <QString>
#include <cstdint>
#include <vector>

namespace pc::postal {

// Stored as one byte, in this order.
enum class TFIMBarCodeType : std::uint8_t {
    fimTypeA = 0,
    fimTypeB = 1,
    fimTypeC = 2,
    fimTypeD = 3,
    fimTypeE = 4
};

inline constexpr int kFimColumns = 17;
inline constexpr double kFimColumnWidth = 1.0 / 32.0;  // inches
inline constexpr double kFimBarHeight = 0.5625;        // inches
inline constexpr double kFimFieldSide = 0.625;         // inches, the square on the surface

// The columns (1 to 17) that hold a bar; none for a type outside A to E.
std::vector<int> FimBarColumns(TFIMBarCodeType type);
// The nine positions as '1' (bar) and '0'; empty for an unknown type.
QString FimPattern(TFIMBarCodeType type);

}  // namespace pc::postal
