#include "reports/report_page_layout.h"

#include <algorithm>

namespace pc::reports {
namespace {

int maxLayoutHeight(const ReportSettings& s) {
    return s.pageHeight - s.topMargin - s.bottomMargin + (s.useMemo ? kMemoBoxHeight : 0) +
           kLayoutSpare;
}

int total(const ReportSettings& s) {
    return (s.useHeader ? s.headerHeight : 0) + (s.useDetail ? s.detailHeight : 0) +
           (s.useFooter ? s.footerHeight : 0) + (s.useMemo ? kMemoBoxHeight : 0) + kLayoutSpare;
}

}  // namespace

int limitBandHeight(const ReportSettings& settings, ReportBand band, int height) {
    ReportSettings s = settings;
    int* target = band == ReportBand::Header   ? &s.headerHeight
                  : band == ReportBand::Detail ? &s.detailHeight
                                               : &s.footerHeight;
    *target = std::max(0, height);
    const int excess = total(s) - maxLayoutHeight(s);
    return std::max(0, *target - std::max(0, excess));
}

DesignerLayout layOutDesigner(ReportSettings& s, bool dragging) {
    DesignerLayout layout;
    layout.bandWidth = s.pageWidth - s.leftMargin - s.rightMargin - s.ppi / 4;
    layout.maxHeight = maxLayoutHeight(s);
    const auto settle = [&](bool used, int& height, ReportBand band) {
        if (!used) return 0;
        if (height == 0 && !dragging) height = limitBandHeight(s, band, kNewBandHeight);
        return height;
    };
    layout.header = settle(s.useHeader, s.headerHeight, ReportBand::Header);
    layout.detail = settle(s.useDetail, s.detailHeight, ReportBand::Detail);
    layout.footer = settle(s.useFooter, s.footerHeight, ReportBand::Footer);
    layout.memo = s.useMemo ? kMemoBoxHeight : 0;
    return layout;
}

}  // namespace pc::reports
