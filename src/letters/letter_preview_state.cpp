#include "letters/letter_preview_state.h"

#include <cmath>

namespace pc::letters {

using richtext::kTwipsPerInch;

namespace {

int fillZoom(int window, int twips, int ppi) {
    const int pagePixels = twips * ppi / kTwipsPerInch;
    return pagePixels > 0 ? int(100.0 * window / pagePixels) : 100;
}

int scaled(int twips, int ppi, int zoom) {
    return int(std::round(double(ppi) * twips / kTwipsPerInch * zoom / 100.0));
}

}  // namespace

int pageWidthZoom(int windowWidth, const richtext::PageSetup& page, int ppi) {
    return fillZoom(windowWidth, page.paperWidth, ppi);
}

int wholePageZoom(int windowHeight, const richtext::PageSetup& page, int ppi) {
    return fillZoom(windowHeight, page.paperHeight, ppi);
}

int zoomedIn(int zoom) {
    return zoom < 150 ? int(zoom * 1.25) : zoom;
}

int zoomedOut(int zoom) {
    return zoom > 50 ? int(zoom * 0.75) : zoom;
}

QSize pagePanelSize(const richtext::PageSetup& page, int ppi, int zoom) {
    const auto side = [&](int twips) {
        return int(double(twips) * ppi / kTwipsPerInch * zoom / 100.0);
    };
    return {side(page.paperWidth), side(page.paperHeight)};
}

QRect pageTextBox(const richtext::PageSetup& page, int ppi, int zoom) {
    const QSize panel = pagePanelSize(page, ppi, zoom);
    const int left = scaled(page.marginLeft, ppi, zoom), top = scaled(page.marginTop, ppi, zoom);
    const int right = scaled(page.marginRight, ppi, zoom),
              bottom = scaled(page.marginBottom, ppi, zoom);
    return QRect(left, top, std::max(1, panel.width() - left - right),
                 std::max(1, panel.height() - top - bottom));
}

bool PreviewPagePosition::nextPage() {
    if (next_ <= 0) return false;
    ++page_;
    stack_.push_back(start_);
    start_ = next_;
    next_ = 0;
    return true;
}

bool PreviewPagePosition::previousPage() {
    if (stack_.empty()) return false;
    --page_;
    start_ = stack_.back();
    stack_.pop_back();
    return true;
}

void PreviewPagePosition::reset() {
    page_ = 1;
    start_ = 0;
    next_ = 0;
    stack_.clear();
}

}  // namespace pc::letters
