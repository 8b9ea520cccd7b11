#pragma once
// What the letter preview shows: its zoom with the stepping rules, the
// page's panel and text box at that zoom, and the page being shown with
// the stack of where earlier pages start.
#include <QRect>
#include <QSize>
#include <vector>

#include "richtext/page_setup.h"

namespace pc::letters {

// Zoom in percent at which the page's width (or whole page) fills the
// window: trunc(100 × window / (page twips × ppi / 1440)).
int pageWidthZoom(int windowWidth, const richtext::PageSetup& page, int ppi);
int wholePageZoom(int windowHeight, const richtext::PageSetup& page, int ppi);
// ×1.25 while below 150, ×0.75 while above 50 (fractions dropped).
int zoomedIn(int zoom);
int zoomedOut(int zoom);

// The page panel in screen pixels and the text box inset by the margins.
QSize pagePanelSize(const richtext::PageSetup& page, int ppi, int zoom);
QRect pageTextBox(const richtext::PageSetup& page, int ppi, int zoom);

class PreviewPagePosition {
  public:
    int pageNumber() const { return page_; }
    int start() const { return start_; }
    // Recorded by painting: where the page after the shown one starts
    // (0 or less when none).
    void setNext(int next) { next_ = next; }
    bool hasNext() const { return next_ > 0; }
    // False (nothing changes) on the last page and on page 1.
    bool nextPage();
    bool previousPage();
    // Page 1 of a new merge.
    void reset();

  private:
    int page_ = 1;
    int start_ = 0;
    int next_ = 0;
    std::vector<int> stack_;
};

}  // namespace pc::letters
