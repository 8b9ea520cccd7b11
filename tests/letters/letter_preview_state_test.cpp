// The preview's zoom steps, page geometry and page stack, and the dialog
// units, without a window.
#include "letters/letter_preview_state.h"

#include <gtest/gtest.h>

#include <QTextBlockFormat>

#include "letters/letter_units.h"
#include "letters/paragraph_settings.h"
#include "qstring_printer.h"

namespace pc::test {
namespace {

using namespace pc::letters;

const pc::richtext::PageSetup kLetter{12240, 15840, 1440, 1440, 1440, 1440};

TEST(LetterPreviewStateTest, ZoomStepsStopAtTheirLimits) {
    EXPECT_EQ(zoomedIn(100), 125);
    EXPECT_EQ(zoomedIn(125), 156);
    EXPECT_EQ(zoomedIn(156), 156);
    EXPECT_EQ(zoomedOut(100), 75);
    EXPECT_EQ(zoomedOut(75), 56);
    EXPECT_EQ(zoomedOut(56), 42);
    EXPECT_EQ(zoomedOut(42), 42);
    // 8.5 inches at 96 per inch is 816 pixels.
    EXPECT_EQ(pageWidthZoom(816, kLetter, 96), 100);
    EXPECT_EQ(pageWidthZoom(700, kLetter, 96), 85);
    EXPECT_EQ(wholePageZoom(528, kLetter, 96), 50);
    EXPECT_EQ(pagePanelSize(kLetter, 96, 50), QSize(408, 528));
    EXPECT_EQ(pageTextBox(kLetter, 96, 50), QRect(48, 48, 312, 432));
}

TEST(LetterPreviewStateTest, PagesStepForwardOnlyToAKnownNextAndBackByTheStack) {
    PreviewPagePosition p;
    EXPECT_FALSE(p.previousPage()) << "nothing before page 1";
    EXPECT_FALSE(p.nextPage()) << "no next page recorded";
    p.setNext(120);
    ASSERT_TRUE(p.nextPage());
    EXPECT_EQ(p.pageNumber(), 2);
    EXPECT_EQ(p.start(), 120);
    p.setNext(0);
    EXPECT_FALSE(p.nextPage()) << "the last page";
    p.setNext(250);
    ASSERT_TRUE(p.nextPage());
    ASSERT_TRUE(p.previousPage());
    EXPECT_EQ(p.start(), 120);
    ASSERT_TRUE(p.previousPage());
    EXPECT_EQ(p.start(), 0);
    EXPECT_EQ(p.pageNumber(), 1);
    p.setNext(5);
    p.nextPage();
    p.reset();
    EXPECT_EQ(p.pageNumber(), 1);
    EXPECT_FALSE(p.previousPage());
}

TEST(LetterUnitsTest, LengthsShowAndReadBackInEachUnit) {
    EXPECT_EQ(twipsToText(12240, LengthUnit::Inch), "8.50");
    EXPECT_EQ(twipsToText(12240, LengthUnit::Cm), "21.59");
    EXPECT_EQ(twipsToText(12240, LengthUnit::Twips), "12240");
    EXPECT_EQ(textToTwips("1", LengthUnit::Inch), 1440);
    EXPECT_EQ(textToTwips("2.54", LengthUnit::Cm), 1440);
    EXPECT_EQ(textToTwips("1000.4", LengthUnit::Twips), 1000);
    EXPECT_EQ(textToTwips("", LengthUnit::Inch), 0) << "an empty box is 0";
    EXPECT_EQ(textToTwips("abc", LengthUnit::Cm), 0);
    EXPECT_EQ(textToTwips("1e300", LengthUnit::Inch), 10000000) << "held to a sane size";
    EXPECT_EQ(twipsToPoints(250), "13");
    EXPECT_EQ(pointsToTwips("12"), 240);
}

TEST(LetterUnitsTest, ParagraphSettingsKeepTheFirstIndentFromTheMargin) {
    ParagraphSettings s{.firstIndent = 360,
                        .leftIndent = 720,
                        .rightIndent = 180,
                        .spaceBefore = 120,
                        .spaceAfter = 240,
                        .lineHeight = 300};
    QTextBlockFormat f;
    applyParagraphSettings(s, f);
    EXPECT_DOUBLE_EQ(f.textIndent(), -24.0) << "360 twips left of the left indent";
    EXPECT_EQ(paragraphSettings(f), s);
    s.lineHeight = 0;
    applyParagraphSettings(s, f);
    EXPECT_EQ(f.lineHeightType(), QTextBlockFormat::SingleHeight);
}

}  // namespace
}  // namespace pc::test
