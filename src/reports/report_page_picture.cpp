#include "reports/report_page_picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "reports/report_page_layout.h"

namespace pc::reports {
namespace {

struct Paper {
    double shortSide, longSide;
    const char* name;
};
constexpr Paper kLetter{8.5, 11, "Letter"};
constexpr Paper kA4{8.27, 11.68, "A4"};

const Paper& paperOf(PaperChoice choice) {
    return choice == PaperChoice::A4 ? kA4 : kLetter;
}

int inchPixels(double inches, int ppi) {
    return static_cast<int>(std::trunc(inches * ppi));
}

// Screen pixels of the settings to picture pixels.
int toPicture(int pixels, int ppi) {
    return ppi > 0 ? static_cast<int>(std::lround(double(pixels) * kPicturePixelsPerInch / ppi))
                   : 0;
}

// A band without height still shows as a box of the designer's default.
int shownHeight(const ReportSettings& s, ReportBand band) {
    const int h = band == ReportBand::Header   ? s.headerHeight
                  : band == ReportBand::Detail ? s.detailHeight
                  : band == ReportBand::Memo   ? kMemoBoxHeight
                                               : s.footerHeight;
    return toPicture(h > 0 ? h : kMemoBoxHeight, s.ppi);
}

}  // namespace

std::optional<PageChoice> pageChoiceOf(const ReportSettings& s) {
    for (PaperChoice paper : {PaperChoice::Letter, PaperChoice::A4}) {
        const Paper& p = paperOf(paper);
        const int w = inchPixels(p.shortSide, s.ppi), h = inchPixels(p.longSide, s.ppi);
        if (s.pageWidth == w && s.pageHeight == h)
            return PageChoice{paper, PageOrientation::Portrait};
        if (s.pageWidth == h && s.pageHeight == w)
            return PageChoice{paper, PageOrientation::Landscape};
    }
    return std::nullopt;
}

void applyPageChoice(ReportSettings& s, PageChoice choice) {
    const Paper& p = paperOf(choice.paper);
    const int shortSide = inchPixels(p.shortSide, s.ppi), longSide = inchPixels(p.longSide, s.ppi);
    const bool portrait = choice.orientation == PageOrientation::Portrait;
    s.pageWidth = portrait ? shortSide : longSide;
    s.pageHeight = portrait ? longSide : shortSide;
}

QString pageChoiceText(PageChoice choice) {
    return QLatin1String(paperOf(choice.paper).name) +
           (choice.orientation == PageOrientation::Portrait ? QStringLiteral(" Size, Portrait")
                                                            : QStringLiteral(" Size, Landscape"));
}

std::array<QRect, kReportBands> pagePictureBands(const ReportSettings& s) {
    const int left = toPicture(s.leftMargin, s.ppi), top = toPicture(s.topMargin, s.ppi);
    const int right = toPicture(s.pageWidth - s.rightMargin, s.ppi);
    const int bottom = toPicture(s.pageHeight - s.bottomMargin, s.ppi);
    const int width = std::max(0, right - left);
    std::array<QRect, kReportBands> bands;
    int y = top;
    for (ReportBand b : {ReportBand::Header, ReportBand::Detail, ReportBand::Memo}) {
        const int h = shownHeight(s, b);
        bands[static_cast<size_t>(b)] = QRect(left, y, width, h);
        y += h;
    }
    const int footer = shownHeight(s, ReportBand::Footer);
    bands[static_cast<size_t>(ReportBand::Footer)] = QRect(left, bottom - footer, width, footer);
    return bands;
}

QImage pagePicture(const ReportSettings& s) {
    const QSize size(std::clamp(toPicture(s.pageWidth, s.ppi), 1, 2000),
                     std::clamp(toPicture(s.pageHeight, s.ppi), 1, 2000));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    const int left = toPicture(s.leftMargin, s.ppi), top = toPicture(s.topMargin, s.ppi);
    p.drawRect(
        QRect(QPoint(left, top), QPoint(toPicture(s.pageWidth - s.rightMargin, s.ppi) - 1,
                                        toPicture(s.pageHeight - s.bottomMargin, s.ppi) - 1)));
    const auto bands = pagePictureBands(s);
    for (int i = 0; i < kReportBands; ++i) {
        const QRect r = bands[static_cast<size_t>(i)];
        const BandFrame& f = s.frames[static_cast<size_t>(i)];
        p.fillRect(r, mixWithWhite(f.shadeColor, f.shadePercent));
        // Bands without lines still show where they are.
        p.setPen(QColor(192, 192, 192));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const int w = std::clamp(f.lineWidth, 1, 3);
        const QColor ink(0, 0, 0);
        if (f.top) p.fillRect(QRect(r.left(), r.top(), r.width(), w), ink);
        if (f.bottom) p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), ink);
        if (f.left) p.fillRect(QRect(r.left(), r.top(), w, r.height()), ink);
        if (f.right) p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), ink);
    }
    p.setPen(Qt::black);
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

}  // namespace pc::reports
