#pragma once
// The page of a report as the layout dialog pictures it: at 20 pixels per
// inch, the printable area inset by the margins, and the four bands in it
// (header at the top, then detail and memo, footer at the bottom), each
// filled with its shade mixed with white and edged with its chosen lines.
#include <QImage>
#include <QRect>
#include <array>
#include <optional>

#include "reports/report_settings.h"

namespace pc::reports {

inline constexpr int kPicturePixelsPerInch = 20;

enum class PaperChoice { Letter, A4 };
enum class PageOrientation { Portrait, Landscape };
struct PageChoice {
    PaperChoice paper = PaperChoice::Letter;
    PageOrientation orientation = PageOrientation::Portrait;
    bool operator==(const PageChoice&) const = default;
};

// The page size and orientation whose pixels the settings hold; none for
// any other size.
std::optional<PageChoice> pageChoiceOf(const ReportSettings& settings);
// Width and height become trunc(PPI × inches), the short side the width
// in portrait.
void applyPageChoice(ReportSettings& settings, PageChoice choice);
// "Letter Size, Portrait" and the other three.
QString pageChoiceText(PageChoice choice);

// The band boxes in picture pixels (header, detail, memo, footer).
std::array<QRect, kReportBands> pagePictureBands(const ReportSettings& settings);
// The picture, page-sized at 20 pixels per inch.
QImage pagePicture(const ReportSettings& settings);

}  // namespace pc::reports
