#pragma once
// The report designer's page layout pass: band width, the maximum layout
// height, and the heights of the bands (unticked bands 0; a ticked band of
// height 0 gets 20, less any excess over the maximum).
#include <array>

#include "reports/report_settings.h"

namespace pc::reports {

struct DesignerLayout {
    int bandWidth = 0;
    int maxHeight = 0;
    int header = 0, detail = 0, memo = 0, footer = 0;  // heights in pixels
};

inline constexpr int kMemoBoxHeight = 33;
inline constexpr int kNewBandHeight = 20;
inline constexpr int kLayoutSpare = 100;

// Settings' band heights are updated as laid out. `dragging` keeps a band
// at 0 while its sizer is being dragged.
DesignerLayout layOutDesigner(ReportSettings& settings, bool dragging = false);

// A band dragged to `height`: reduced by any excess of all bands + 100
// over the maximum height.
int limitBandHeight(const ReportSettings& settings, ReportBand band, int height);

}  // namespace pc::reports
