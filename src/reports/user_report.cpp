#include "reports/user_report.h"

#include <cmath>

#include "data/t_table.h"
#include "design/report_panel.h"
#include "print/page_canvas.h"
#include "print/print_engine.h"
#include "print/text_section.h"
#include "reports/report_record_text.h"

namespace pc::reports {
namespace {

using pc::print::Inches;

// Band objects sit this far right of the margin (the bands' frames reach
// out to it).
constexpr double kBandInset = 0.125;

bool sameSize(const ReportSettings& s, double shortSide, double longSide, bool& landscape) {
    const int w = static_cast<int>(std::trunc(s.ppi * shortSide));
    const int h = static_cast<int>(std::trunc(s.ppi * longSide));
    if (s.pageWidth == w && s.pageHeight == h) {
        landscape = false;
        return true;
    }
    if (s.pageWidth == h && s.pageHeight == w) {
        landscape = true;
        return true;
    }
    return false;
}

Qt::Alignment memoAlignment(MemoAlignment a) {
    switch (a) {
        case MemoAlignment::Right:
            return Qt::AlignRight;
        case MemoAlignment::Centered:
            return Qt::AlignHCenter;
        case MemoAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

ReportPaper reportPaper(const ReportSettings& settings) {
    ReportPaper paper;
    if (sameSize(settings, 8.5, 11, paper.landscape))
        paper.code = 1;
    else if (sameSize(settings, 8.27, 11.68, paper.landscape))
        paper.code = 9;
    else
        paper.landscape = settings.pageWidth > settings.pageHeight;
    return paper;
}

UserReport::UserReport(pc::data::TTable& table, UserReportBands bands,
                       const ReportSettings& settings, bool onePerPage, QDateTime moment)
    : table_(table),
      bands_(bands),
      settings_(settings),
      onePerPage_(onePerPage),
      moment_(std::move(moment)) {}

void UserReport::frame(pc::print::PrintEngine& engine, ReportBand band, double top, double bottom) {
    const BandFrame& f = settings_.frame(band);
    pc::print::PageCanvas& canvas = engine.canvas();
    const double left = left_ - kBandInset, right = right_ + kBandInset;
    if (f.shadePercent > 0)
        canvas.fillRect({Inches(left + 0.01), Inches(top + 0.01), Inches(right), Inches(bottom)},
                        mixWithWhite(f.shadeColor, f.shadePercent));
    if (!(f.left || f.top || f.right || f.bottom)) return;
    // Widths are in screen pixels of the design; wide lines stay inside.
    const double width = std::max(1, f.lineWidth) / double(settings_.ppi);
    const double in = f.lineWidth >= 2 ? width / 2 : 0;
    QPen pen(Qt::black);
    pen.setWidthF(width * canvas.dpiX());
    canvas.painter().setPen(pen);
    const auto line = [&canvas](double x1, double y1, double x2, double y2) {
        canvas.line(Inches(x1), Inches(y1), Inches(x2), Inches(y2));
    };
    if (f.top) line(left, top + in, right, top + in);
    if (f.bottom) line(left, bottom - in, right, bottom - in);
    if (f.left) line(left + in, top, left + in, bottom);
    if (f.right) line(right - in, top, right - in, bottom);
}

void UserReport::headerFooter(pc::print::PrintEngine& engine) {
    const Inches x(settings_.inches(settings_.leftMargin) + kBandInset);
    if (settings_.useHeader) {
        const double h = settings_.inches(settings_.headerHeight);
        frame(engine, ReportBand::Header, top_ - h, top_);
        bands_.header.setPageNumber(engine.pageNumber());
        bands_.header.printObjects(engine.canvas(), Inches(top_ - h), x);
    }
    if (settings_.useFooter) {
        const double h = settings_.inches(settings_.footerHeight);
        frame(engine, ReportBand::Footer, bottom_, bottom_ + h);
        bands_.footer.setPageNumber(engine.pageNumber());
        bands_.footer.printObjects(engine.canvas(), Inches(bottom_), x);
    }
    y_ = top_;
}

bool UserReport::newPage(pc::print::PrintEngine& engine, pc::print::TextSection& text) {
    engine.newPage();
    if (engine.aborted()) return false;
    headerFooter(engine);
    text.setY(Inches(y_));
    return true;
}

void UserReport::printMemo(pc::print::PrintEngine& engine, pc::print::TextSection& text) {
    const ReportFont& f = settings_.memoFont;
    text.setFont(f.name, f.size, f.bold, f.italic);
    QFont boxFont(f.name);
    boxFont.setPointSize(f.size);
    boxFont.setBold(f.bold);
    boxFont.setItalic(f.italic);
    const int boxWidth = settings_.pageWidth - settings_.leftMargin - settings_.rightMargin;
    const QStringList lines = memoLines(fieldText(table_, "MEMO"), boxFont, boxWidth);
    qsizetype next = 0;
    while (next < lines.size()) {
        const double lh = text.lineHeight().value;
        int fit = lh > 0 ? static_cast<int>(std::trunc((bottom_ - y_) / lh + 1e-9)) : 0;
        if (fit < 1) {
            if (!newPage(engine, text)) return;
            text.setFont(f.name, f.size, f.bold, f.italic);
            fit = static_cast<int>(std::trunc((bottom_ - y_) / lh + 1e-9));
            if (fit < 1) return;  // a page with no room for one line
        }
        const int n = static_cast<int>(std::min<qsizetype>(fit, lines.size() - next));
        const double descent = text.descent().value;
        frame(engine, ReportBand::Memo, y_, y_ + n * lh + descent);
        text.setY(Inches(y_));
        const Qt::Alignment align = memoAlignment(settings_.memoAlignment);
        for (int i = 0; i < n; ++i) {
            const QString& line = lines[next++];
            if (align == Qt::AlignRight)
                text.printRight(line, Inches(right_));
            else if (align == Qt::AlignHCenter)
                text.printCenter(line, Inches((left_ + right_) / 2));
            else
                text.printLeft(line, Inches(left_));
            text.newLine();
        }
        y_ = text.y().value + descent;
        if (next < lines.size() && !newPage(engine, text)) return;
        if (next < lines.size()) text.setFont(f.name, f.size, f.bold, f.italic);
    }
}

void UserReport::print(pc::print::PrintEngine& engine, const std::function<bool()>& keepGoing) {
    const pc::print::InchSize page = engine.pageSize();
    const double header = settings_.useHeader ? settings_.inches(settings_.headerHeight) : 0;
    const double footer = settings_.useFooter ? settings_.inches(settings_.footerHeight) : 0;
    left_ = settings_.inches(settings_.leftMargin) + kBandInset;
    right_ = page.width.value - settings_.inches(settings_.rightMargin) - kBandInset;
    top_ = settings_.inches(settings_.topMargin) + header;
    bottom_ = page.height.value - settings_.inches(settings_.bottomMargin) - footer;
    pc::print::TextSection text(engine);
    text.setSection(Inches(left_), Inches(top_), Inches(right_), Inches(bottom_));
    for (pc::design::TReportPanel* band : {&bands_.header, &bands_.detail, &bands_.footer}) {
        band->setPrinting(true);
        band->setMoment(moment_);
    }
    headerFooter(engine);
    const double detail = settings_.inches(settings_.detailHeight);
    const Inches x(settings_.inches(settings_.leftMargin) + kBandInset);
    while (!table_.eof() && !engine.aborted()) {
        if (settings_.useDetail) {
            if (bottom_ - y_ < detail && y_ > top_ && !newPage(engine, text)) break;
            frame(engine, ReportBand::Detail, y_, y_ + detail);
            bands_.detail.refreshAllData();
            bands_.detail.printObjects(engine.canvas(), Inches(y_), x);
            y_ += detail;
        }
        if (settings_.useMemo) printMemo(engine, text);
        ++printed_;
        table_.next();
        if (keepGoing && !keepGoing()) break;
        if (onePerPage_ && !table_.eof() && !newPage(engine, text)) break;
    }
    for (pc::design::TReportPanel* band : {&bands_.header, &bands_.detail, &bands_.footer})
        band->setPrinting(false);
}

}  // namespace pc::reports
