#pragma once
// Paper by the platform's paper-size codes (letter 1, A4 9, A5 11, the
// envelope codes) or by a custom size in inches.
#include <QPageSize>
#include <optional>

#include "print/page_canvas.h"

namespace pc::print {

inline constexpr int kPaperCustom = 0;
inline constexpr int kPaperLetter = 1;
inline constexpr int kPaperA4 = 9;
inline constexpr int kPaperA5 = 11;

// Portrait size of a paper code; nothing for a code the program does not know.
std::optional<InchSize> paperSizeForCode(int code);
QPageSize pageSizeForCode(int code);  // invalid for unknown codes
QPageSize customPageSize(InchSize portrait);

}  // namespace pc::print
