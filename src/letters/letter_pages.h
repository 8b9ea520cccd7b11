#pragma once
// A merged letter laid out in pages of its own page size and margins, and
// one page drawn onto any painter. Pages are found by the text position
// where they start, as the preview and the print loop walk them.
#include <QRectF>

#include "richtext/page_setup.h"

class QPainter;
class QTextDocument;

namespace pc::letters {

// Where the text goes on a printer page, in device pixels (integer
// division as the printer driver reports them). `offX`/`offY` are the
// printer's unprintable left and top edges when its page origin lies there.
struct PrinterBounds {
    int dpiX = 0, dpiY = 0;
    int pageWidth = 0, pageHeight = 0;
    int left = 0, top = 0;
    int textWidth = 0, textHeight = 0;
};
PrinterBounds printerBounds(const richtext::PageSetup& page, int dpiX, int dpiY, int offX = 0,
                            int offY = 0);

// The page a letter prints on: a paper size that cannot be (under half an
// inch, over four feet) becomes US Letter, and margins that leave less
// than half an inch of text become one inch (or none on a small paper).
richtext::PageSetup usablePage(const richtext::PageSetup& page);

class LetterPages {
  public:
    // Lays the document out for the text area of its page (page_setup.h).
    // The document must outlive this and not change while it is used.
    explicit LetterPages(QTextDocument& document);

    const richtext::PageSetup& page() const { return page_; }
    int pageCount() const;
    // The page that holds the text position (0-based).
    int pageOf(int position) const;
    // The first text position of a page.
    int pageStart(int pageIndex) const;
    // Draws the page that starts at `position` into `textArea` (device
    // units of the painter) scaled by `scale` device units per document
    // unit (1/96 inch). Returns where the next page starts; 0 when none.
    int drawPage(QPainter& painter, int position, const QRectF& textArea, double scale) const;

  private:
    QTextDocument& document_;
    richtext::PageSetup page_;
    double pageHeight_ = 0;  // of the text area, document units
};

}  // namespace pc::letters
