#include "print/paper.h"

#include <array>

namespace pc::print {
namespace {

struct PaperEntry {
    int code;
    double width, height;  // inches, portrait
};

// Sheets and the envelope sizes the program uses (metric envelopes in
// millimetres over 25.4).
constexpr std::array<PaperEntry, 21> kPapers{{
    {1, 8.5, 11.0},                // letter
    {5, 8.5, 14.0},                // legal
    {9, 210 / 25.4, 297 / 25.4},   // A4
    {11, 148 / 25.4, 210 / 25.4},  // A5
    {19, 3.875, 8.875},            // envelope #9
    {20, 4.125, 9.5},              // envelope #10
    {21, 4.5, 10.375},             // envelope #11
    {22, 4.75, 11.0},              // envelope #12
    {23, 5.0, 11.5},               // envelope #14
    {27, 110 / 25.4, 220 / 25.4},  // DL
    {28, 162 / 25.4, 229 / 25.4},  // C5
    {29, 324 / 25.4, 458 / 25.4},  // C3
    {30, 229 / 25.4, 324 / 25.4},  // C4
    {31, 114 / 25.4, 162 / 25.4},  // C6
    {32, 114 / 25.4, 229 / 25.4},  // C65
    {33, 250 / 25.4, 353 / 25.4},  // B4
    {34, 176 / 25.4, 250 / 25.4},  // B5
    {35, 176 / 25.4, 125 / 25.4},  // B6 (taller than wide)
    {36, 110 / 25.4, 230 / 25.4},  // Italy
    {37, 3.875, 7.5},              // Monarch
    {38, 3.625, 6.5},              // 6 3/4 envelope
}};

}  // namespace

std::optional<InchSize> paperSizeForCode(int code) {
    for (const PaperEntry& p : kPapers)
        if (p.code == code) return InchSize{Inches(p.width), Inches(p.height)};
    return std::nullopt;
}

QPageSize pageSizeForCode(int code) {
    switch (code) {
        case kPaperLetter:
            return QPageSize(QPageSize::Letter);
        case kPaperA4:
            return QPageSize(QPageSize::A4);
        case kPaperA5:
            return QPageSize(QPageSize::A5);
        default:
            break;
    }
    const auto size = paperSizeForCode(code);
    if (!size) return {};
    return customPageSize(*size);
}

QPageSize customPageSize(InchSize portrait) {
    return QPageSize(QSizeF(portrait.width.value, portrait.height.value), QPageSize::Inch,
                     QString(), QPageSize::ExactMatch);
}

}  // namespace pc::print
