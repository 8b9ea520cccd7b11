// The layout dialog: the page picture, the page choices and their layout
// text, margins in truncated pixels, band frames, Defaults, and turning to
// a band's tab from the picture.
#include "reports/ui/report_properties.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "reports/report_page_picture.h"

namespace pc::reports {
namespace {

QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

TEST(ReportPagePicture, BandsShadedAndFramedInsideTheMargins) {
    ReportSettings s = newReportSettings(96);
    BandFrame& header = s.frame(ReportBand::Header);
    header.shadeColor = QColor(255, 0, 0);
    header.shadePercent = 60;
    header.top = true;
    header.lineWidth = 3;
    const QImage image = pagePicture(s);
    EXPECT_EQ(image.size(), QSize(170, 220));  // Letter at 20 per inch

    const QRect band = pagePictureBands(s)[0];
    EXPECT_EQ(band.topLeft(), QPoint(10, 10));  // half an inch in
    EXPECT_EQ(band.width(), 150);
    EXPECT_EQ(band.height(), 7);  // 33 pixels at 96 per inch
    // 60 % red: 0 + 40 × 255 / 100 = 102 for green and blue.
    EXPECT_EQ(image.pixel(80, 15), rgb(255, 102, 102));
    // The top line in its width of 3, no left line.
    for (int y : {10, 11, 12}) EXPECT_EQ(image.pixel(80, y), rgb(0, 0, 0)) << y;
    EXPECT_EQ(image.pixel(80, 13), rgb(255, 102, 102));
    EXPECT_NE(image.pixel(10, 15), rgb(0, 0, 0));
    // Outside the printable area the page stays white; the footer sits on
    // the bottom margin.
    EXPECT_EQ(image.pixel(5, 100), rgb(255, 255, 255));
    EXPECT_EQ(pagePictureBands(s)[3].bottom(), 209);
}

TEST(ReportPagePicture, PageChoicesAndTheirText) {
    ReportSettings s = newReportSettings(120);
    applyPageChoice(s, {PaperChoice::A4, PageOrientation::Landscape});
    EXPECT_EQ(s.pageWidth, 1401);  // trunc(120 × 11.68)
    EXPECT_EQ(s.pageHeight, 992);  // trunc(120 × 8.27)
    EXPECT_EQ(pageChoiceOf(s), (PageChoice{PaperChoice::A4, PageOrientation::Landscape}));
    EXPECT_EQ(pageChoiceText(*pageChoiceOf(s)), QStringLiteral("A4 Size, Landscape"));
    EXPECT_EQ(pageChoiceText({}), QStringLiteral("Letter Size, Portrait"));
    s.pageWidth += 1;
    EXPECT_FALSE(pageChoiceOf(s));
}

TEST(ReportProperties, PageTabSetsSizeMarginsAndText) {
    ReportSettings s = newReportSettings(96);
    TReportProperties dialog(s, QStringLiteral("Letter Size, Portrait"));
    EXPECT_TRUE(dialog.portrait->isChecked());
    EXPECT_TRUE(dialog.letter->isChecked());
    EXPECT_DOUBLE_EQ(dialog.margins[0]->value(), 0.5);
    dialog.landscape->click();
    EXPECT_FALSE(dialog.portrait->isChecked());
    EXPECT_EQ(dialog.layoutText(), QStringLiteral("Letter Size, Landscape"));
    EXPECT_EQ(dialog.settings().pageWidth, 1056);
    EXPECT_EQ(dialog.settings().pageHeight, 816);
    dialog.a4->click();
    EXPECT_EQ(dialog.layoutText(), QStringLiteral("A4 Size, Landscape"));
    EXPECT_EQ(dialog.settings().pageWidth, 1121);
    dialog.margins[1]->setValue(0.77);
    EXPECT_EQ(dialog.settings().topMargin, 73);  // trunc(96 × 0.77)

    // A page of another size: neither pair set, the size kept until both are.
    s.pageWidth = 900;
    TReportProperties odd(s, QString());
    for (QRadioButton* r : {odd.portrait, odd.landscape, odd.letter, odd.a4})
        EXPECT_FALSE(r->isChecked());
    odd.portrait->click();
    EXPECT_EQ(odd.settings().pageWidth, 900);
    odd.letter->click();
    EXPECT_EQ(odd.settings().pageWidth, 816);
    EXPECT_EQ(odd.layoutText(), QStringLiteral("Letter Size, Portrait"));
}

TEST(ReportProperties, BandTabsDefaultsAndThePictureTurningTabs) {
    ReportSettings s = newReportSettings(96);
    applyPageChoice(s, {PaperChoice::A4, PageOrientation::Landscape});
    s.leftMargin = 10;
    TReportProperties dialog(s, QStringLiteral("A4 Size, Landscape"));
    auto& detail = dialog.bandControls[1];
    detail.bottom->setChecked(true);
    detail.lineWidth->setValue(2);
    detail.shadePercent->setValue(40);
    const BandFrame& f = dialog.settings().frame(ReportBand::Detail);
    EXPECT_TRUE(f.bottom);
    EXPECT_EQ(f.lineWidth, 2);
    EXPECT_EQ(f.shadePercent, 40);

    const auto bands = pagePictureBands(dialog.settings());
    dialog.PictureClick(bands[3].center());
    EXPECT_EQ(dialog.tabs()->tabText(dialog.tabs()->currentIndex()), QStringLiteral("Footer"));
    dialog.PictureClick(bands[1].center());
    EXPECT_EQ(dialog.tabs()->tabText(dialog.tabs()->currentIndex()), QStringLiteral("Detail"));

    dialog.DefaultsButtonClick();
    EXPECT_EQ(dialog.layoutText(), QStringLiteral("Letter Size, Portrait"));
    EXPECT_EQ(dialog.settings().pageWidth, 816);
    EXPECT_EQ(dialog.settings().leftMargin, 48);
    for (const BandFrame& frame : dialog.settings().frames) EXPECT_EQ(frame, defaultFrame());
    EXPECT_FALSE(detail.bottom->isChecked());
    EXPECT_EQ(detail.lineWidth->value(), 1);
    EXPECT_EQ(detail.shadePercent->value(), 0);
}

}  // namespace
}  // namespace pc::reports
