#include "design/multi_line_label.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "design/memo_label.h"
#include "design/text_wrap.h"
#include "design_test_host.h"
#include "print/page_canvas.h"

namespace pc::design {
namespace {

using testing::MapMergeSource;
using testing::TestHost;

TEST(TextWrap, ParagraphsSplitAtEveryKindOfLineBreak) {
    EXPECT_EQ(splitParagraphs("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitParagraphs("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(splitParagraphs("").isEmpty());
}

TEST(TextWrap, BreaksAtWordsAndInsideWordsTooWideForTheBox) {
    const QFont font = FontSpec().toQFont();
    const QFontMetrics metrics(font);
    const int width = std::max(metrics.horizontalAdvance("alpha beta"),
                               metrics.horizontalAdvance("gamma delta")) +
                      2;
    const QStringList lines = wrapLines({"alpha beta gamma delta", "", "x"}, font, width);
    EXPECT_EQ(lines, QStringList({"alpha beta", "gamma delta", "", "x"}));
    for (const QString& line : wrapLines({"abcdefghijklmnopqrstuvwxyz"}, font, width))
        EXPECT_LE(metrics.horizontalAdvance(line), width);
    EXPECT_GT(wrapLines({"abcdefghijklmnopqrstuvwxyz"}, font, width).size(), 1);
}

TEST(MultiLineLabel, InitialValuesAndSaveRules) {
    TGMultiLineLabel label;
    EXPECT_EQ(label.bounds(), QRect(0, 0, 190, 33));
    EXPECT_EQ(label.font().name, "Arial");
    EXPECT_EQ(label.font().pointSize(), 10);
    // Items only when it holds lines; WordWrap and Alignment only when not
    // their defaults; AutoSize always.
    auto names = testing::writtenNames(label);
    EXPECT_FALSE(names.contains("Items.Strings"));
    EXPECT_FALSE(names.contains("WordWrap"));
    EXPECT_FALSE(names.contains("Alignment"));
    EXPECT_TRUE(names.contains("AutoSize"));

    label.setItems({"one", "two"});
    label.setWordWrap(true);
    label.setAlignment(TGMultiLineBaseLabel::Alignment::taCenter);
    names = testing::writtenNames(label);
    const qsizetype items = names.indexOf("Items.Strings");
    ASSERT_GE(items, 0);
    EXPECT_LT(items, names.indexOf("AutoSize"));
    EXPECT_LT(names.indexOf("AutoSize"), names.indexOf("Alignment"));
    EXPECT_LT(names.indexOf("Alignment"), names.indexOf("Font.Color"));
    EXPECT_LT(names.indexOf("Font.Style"), names.indexOf("WordWrap"));

    TGMultiLineLabel copy;
    for (const StreamProperty& p : testing::written(label))
        EXPECT_TRUE(copy.readProperty(p.name, p.value)) << p.name.constData();
    EXPECT_EQ(copy.items(), label.items());
    EXPECT_TRUE(copy.wordWrap());
    EXPECT_EQ(copy.alignment(), TGMultiLineBaseLabel::Alignment::taCenter);
}

TEST(MultiLineLabel, WrapFollowsWidthAndAutoFitSizesToTheLines) {
    TGMultiLineLabel label;
    label.setItems({"the quick brown fox jumps over the lazy dog"});
    EXPECT_EQ(label.lines().size(), 1);
    label.setWordWrap(true);
    label.setBounds(10, 20, 80, 20);
    const qsizetype narrow = label.lines().size();
    EXPECT_GT(narrow, 2);
    label.setBounds(10, 20, 400, 20);
    EXPECT_EQ(label.lines().size(), 1);

    label.setBounds(10, 20, 80, 20);
    label.autoFit();
    EXPECT_EQ(label.top(), 20);
    EXPECT_EQ(label.left(), 10);
    EXPECT_EQ(label.height(), label.lineHeight() * narrow);
    EXPECT_EQ(label.width(), 80);  // wrapped lines fit; never shrinks

    label.setWordWrap(false);
    label.autoFit();
    const QFontMetrics metrics(label.font().toQFont());
    EXPECT_EQ(label.width(), metrics.horizontalAdvance(label.items().first()));
    EXPECT_EQ(label.height(), label.lineHeight());
}

TEST(MultiLineLabel, AutoFitOfAnEmptyObjectKeepsOneLine) {
    TGMultiLineLabel label;
    label.autoFit();
    EXPECT_EQ(label.height(), label.lineHeight());
    EXPECT_GT(label.width(), 0);
}

TEST(MultiLineLabel, PlaceholdersForEmptyAndSingleBlankLine) {
    TGMultiLineLabel label;
    EXPECT_EQ(label.displayLines(), QStringList({"<blank>"}));
    label.setItems({"  "});
    EXPECT_EQ(label.displayLines(), QStringList({"  ", "<blank>"}));
    label.setItems({"", ""});
    EXPECT_EQ(label.displayLines(), QStringList({"", ""}));
    TGDMultiLineLabel memo;
    EXPECT_EQ(memo.displayLines(), QStringList({"<blank memo>"}));
}

TEST(MultiLineLabel, PaintAlignsLinesAndStaysInsideTheObject) {
    TGMultiLineLabel label;
    label.setBounds(0, 0, 200, 40);
    label.setItems({"Wide line of text", "x"});
    auto inkColumns = [&label] {
        QImage image(260, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(30, 10);
        label.paint(painter);
        painter.end();
        int first = image.width(), last = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return std::pair(first - 30, last - 30);
    };
    const auto leftInk = inkColumns();
    EXPECT_GE(leftInk.first, 0);
    EXPECT_LT(leftInk.first, 3);
    label.setAlignment(TGMultiLineBaseLabel::Alignment::taRightJustify);
    const auto rightInk = inkColumns();
    EXPECT_GT(rightInk.second, 190);
    EXPECT_LT(rightInk.second, 200);
}

TEST(MemoLabel, MergesByDisplayLabelWithWordWrapAndPlaceholders) {
    MapMergeSource source;
    source.memos["MEMO"] = "first line\r\nsecond line that is rather long for the box\r\n";
    TestHost host;
    host.source = &source;
    TGDMultiLineLabel memo;
    memo.setHost(&host);
    memo.setDataFieldName("Memo");
    memo.setDataFieldDescript("MEMO");

    memo.refreshData();
    EXPECT_EQ(memo.items(),
              QStringList({"first line", "second line that is rather long for the box"}));
    memo.setWordWrap(true);
    memo.setBounds(0, 0, 90, 30);
    memo.refreshData();
    EXPECT_GT(memo.items().size(), 2);
    EXPECT_EQ(memo.lines(), memo.items());

    host.showValues = false;
    memo.refreshData();
    EXPECT_EQ(memo.items(), QStringList({"[MEMO]"}));

    source.memos["MEMO"] = "";
    host.showValues = true;
    memo.refreshData();
    EXPECT_EQ(memo.displayLines(), QStringList({"<blank memo>"}));

    memo.setDataFieldDescript("Notes");  // no field has this display label
    memo.refreshData();
    EXPECT_EQ(memo.items(), QStringList({"<undefined memo>"}));
    host.isPrinting = true;
    memo.refreshData();
    EXPECT_TRUE(memo.items().isEmpty());

    memo.clearData();
    EXPECT_TRUE(memo.items().isEmpty());
    EXPECT_FALSE(testing::writtenNames(memo).contains("Items.Strings"));
}

TEST(MultiLineLabel, CommandsNotifyTheHost) {
    TestHost host;
    TGMultiLineLabel label;
    label.setHost(&host);
    label.commandText({"a", "b", "c"});
    EXPECT_EQ(label.height(), 3 * label.lineHeight());
    label.commandWordWrap();
    label.commandAlignment(TGMultiLineBaseLabel::Alignment::taCenter);
    FontSpec big;
    big.setPointSize(20);
    label.commandFont(big);
    EXPECT_EQ(label.font().pointSize(), 20);
    EXPECT_EQ(host.changes, 4);
}

}  // namespace
}  // namespace pc::design

namespace pc::design {
namespace {

TEST(MultiLineLabel, PrintsExactlyAsItPaintsOnTheScreen) {
    using print::operator""_in;
    TGMultiLineLabel label;
    label.setBounds(96, 48, 192, 60);
    label.setItems({"Printed as laid out", "second line"});
    label.setAlignment(TGMultiLineBaseLabel::Alignment::taCenter);

    QImage screen(192, 60, QImage::Format_RGB32);
    screen.fill(Qt::white);
    {
        QPainter painter(&screen);
        painter.setRenderHint(QPainter::TextAntialiasing);
        label.paint(painter);
    }
    // At 96 dots per inch the page is the screen, offset by the position.
    const QImage page = print::renderPageImage(
        {3_in, 2_in}, 96, [&](print::PageCanvas& c) { label.printTo(c, 0_in, 0_in); });
    int inkScreen = 0, inkPage = 0, differing = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 192; ++x) {
            const bool a = qGray(screen.pixel(x, y)) < 128;
            const bool b = qGray(page.pixel(96 + x, 48 + y)) < 128;
            inkScreen += a;
            inkPage += b;
            differing += a != b;
        }
    EXPECT_GT(inkScreen, 100);
    EXPECT_LT(differing, inkScreen / 10);
}

}  // namespace
}  // namespace pc::design
