#include "postal/ui/zip_report.h"

#include <QFont>
#include <algorithm>

#include "print/print_engine.h"

namespace pc::postal {
namespace {

constexpr double kMarginX = 0.5, kMarginY = 1.0;
constexpr double kColumnWidth = 1.875, kCellWidth = 0.625;
constexpr int kColumns = 4;
const QColor kShade(242, 242, 242);  // 5 percent black

using print::Inches;
using print::InchRect;

InchRect box(Inches x, Inches y, Inches w, Inches h) {
    return {x, y, x + w, y + h};
}

QFont reportFont(bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    font.setBold(bold);
    return font;
}

struct Frame {
    Inches left, top, right, bottom;
};

// Heading, frame, column lines and page number of one page.
Frame drawPage(print::PrintEngine& engine) {
    print::PageCanvas& c = engine.canvas();
    const print::InchSize page = engine.pageSize();
    Frame f{Inches(kMarginX), Inches(kMarginY), page.width - Inches(kMarginX),
            page.height - Inches(kMarginY)};
    c.setPen(Qt::black, Qt::SolidLine, 1);
    c.clearBrush();
    c.rectangle({f.left, f.top, f.right, f.bottom});
    for (int i = 1; i < kColumns; ++i) {
        Inches x = f.left + Inches(kColumnWidth * i);
        c.line(x, f.top, x, f.bottom);
    }
    c.setFont(reportFont(true));
    const Inches line = c.lineHeight();
    c.text(box(f.left, f.top - Inches(0.25) - line, f.right - f.left, line),
           QStringLiteral("Zip Code Count Report"));
    c.setFont(reportFont(false));
    c.text(box(f.left, f.bottom, f.right - f.left, line),
           QStringLiteral("Page ") + QString::number(engine.pageNumber()));
    return f;
}

}  // namespace

void printZipReport(print::PrintEngine& engine, const QStringList& lines,
                    const std::function<bool()>& keepGoing) {
    Frame f = drawPage(engine);
    print::PageCanvas& c = engine.canvas();
    const Inches rowHeight = c.lineHeight();
    const int rows = std::max(1, static_cast<int>((f.bottom - f.top).value / rowHeight.value));
    int column = 0, row = 0;
    for (const QString& line : lines) {
        if (row == rows) {
            row = 0;
            if (++column == kColumns) {
                column = 0;
                engine.newPage();
                f = drawPage(engine);
            }
        }
        print::PageCanvas& canvas = engine.canvas();
        const Inches x = f.left + Inches(kColumnWidth * column);
        const Inches y = f.top + rowHeight * static_cast<double>(row);
        const Inches cell(kCellWidth);
        if (row % 2 == 0) canvas.fillRect(box(x, y, cell * 3, rowHeight), kShade);
        canvas.setFont(reportFont(false));
        canvas.text(box(x, y, cell, rowHeight), line.left(5), Qt::AlignLeft | Qt::AlignTop);
        canvas.text(box(x + cell, y, cell, rowHeight), line.mid(5, 12).trimmed(),
                    Qt::AlignRight | Qt::AlignTop);
        ++row;
        if ((keepGoing && !keepGoing()) || engine.aborted()) return;
    }
}

}  // namespace pc::postal
