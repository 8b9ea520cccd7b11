#include <gtest/gtest.h>

#include <QTextBlock>

#include "richtext/page_setup.h"
#include "richtext/plain_text.h"
#include "rtf_test_support.h"

using namespace pc::richtext;
using namespace pc::richtext::testing;

TEST(RtfReader, CharacterFormatsFromTablesAndGroups) {
    auto doc = readText(
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "\\pard plain {\\f0\\fs36 big} {\\b bold}{\\i italic}{\\ul under}{\\strike gone}"
        "{\\cf1 red}{\\cb2 onblue}\\b both\\b0 none\\par}");
    EXPECT_EQ(plainTextLines(*doc), "plain big bolditalicundergoneredonbluebothnone\n");
    EXPECT_EQ(familyOf(formatOf(*doc, "plain")), "Arial");  // \deff1
    EXPECT_DOUBLE_EQ(formatOf(*doc, "plain").fontPointSize(), 12.0);
    EXPECT_EQ(familyOf(formatOf(*doc, "big")), "Times New Roman");
    EXPECT_DOUBLE_EQ(formatOf(*doc, "big").fontPointSize(), 18.0);
    EXPECT_EQ(formatOf(*doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_NE(formatOf(*doc, "italic").fontWeight(), QFont::Bold);  // group ended
    EXPECT_TRUE(formatOf(*doc, "italic").fontItalic());
    EXPECT_TRUE(formatOf(*doc, "under").fontUnderline());
    EXPECT_TRUE(formatOf(*doc, "gone").fontStrikeOut());
    EXPECT_EQ(formatOf(*doc, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(*doc, "onblue").background().color(), QColor(0, 0, 255));
    EXPECT_EQ(formatOf(*doc, "both").fontWeight(), QFont::Bold);
    EXPECT_NE(formatOf(*doc, "none").fontWeight(), QFont::Bold);
    EXPECT_EQ(doc->defaultFont().family(), "Arial");
}

TEST(RtfReader, ParagraphFormatsApplyToTheParagraphTheyEnd) {
    auto doc = readText(
        "{\\rtf1 \\pard\\qc\\li720\\ri360\\fi-360\\sb120\\sa240 centred\\par"
        "\\pard\\qr right\\par\\pard\\qj\\sl360\\slmult1 justified\\par"
        "\\pard\\sl-300\\slmult0 exact\\par\\pard\\sl300\\slmult0 least\\par"
        "\\pard\\tx1440\\tqr\\tx5760\\tqc\\tx3000 a\\tab b\\par\\pard plain}");
    ASSERT_EQ(doc->blockCount(), 7);
    QTextBlockFormat c = blockAt(*doc, 0).blockFormat();
    EXPECT_EQ(c.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(c.leftMargin(), 48.0);  // 720 twips = half an inch = 48 of 96
    EXPECT_DOUBLE_EQ(c.rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(c.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(c.topMargin(), 8.0);
    EXPECT_DOUBLE_EQ(c.bottomMargin(), 16.0);
    EXPECT_EQ(blockAt(*doc, 1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    QTextBlockFormat j = blockAt(*doc, 2).blockFormat();
    EXPECT_TRUE(j.alignment() & Qt::AlignJustify);
    EXPECT_EQ(j.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_DOUBLE_EQ(j.lineHeight(), 150.0);
    EXPECT_EQ(blockAt(*doc, 3).blockFormat().lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_DOUBLE_EQ(blockAt(*doc, 3).blockFormat().lineHeight(), 20.0);
    EXPECT_EQ(blockAt(*doc, 4).blockFormat().lineHeightType(), QTextBlockFormat::MinimumHeight);
    QList<QTextOption::Tab> tabs = blockAt(*doc, 5).blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 3);
    EXPECT_DOUBLE_EQ(tabs[0].position, 96.0);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab);
    EXPECT_EQ(tabs[2].type, QTextOption::CenterTab);
    EXPECT_EQ(blockAt(*doc, 5).text(), "a\tb");
    // \pard reset everything for the last paragraph, which has no \par.
    QTextBlockFormat last = blockAt(*doc, 6).blockFormat();
    EXPECT_EQ(last.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(last.leftMargin(), 0.0);
    EXPECT_EQ(blockAt(*doc, 6).text(), "plain");
}

TEST(RtfReader, PageSizeMarginsAndBreaks) {
    auto doc = readText(
        "{\\rtf1\\paperw11906\\paperh16838\\margl1134\\margr1000\\margt900\\margb800 "
        "one\\par\\page two\\page three\\par\\pard\\pagebb four\\par}");
    PageSetup page = pageSetup(*doc);
    EXPECT_EQ(page.paperWidth, 11906);
    EXPECT_EQ(page.paperHeight, 16838);
    EXPECT_EQ(page.marginLeft, 1134);
    EXPECT_EQ(page.marginRight, 1000);
    EXPECT_EQ(page.marginTop, 900);
    EXPECT_EQ(page.marginBottom, 800);
    ASSERT_EQ(plainTextLines(*doc), "one\ntwo\nthree\nfour\n");
    auto breaks = [&](int n) {
        return bool(blockAt(*doc, n).blockFormat().pageBreakPolicy() &
                    QTextFormat::PageBreak_AlwaysBefore);
    };
    EXPECT_FALSE(breaks(0));
    EXPECT_TRUE(breaks(1));
    EXPECT_TRUE(breaks(2));
    EXPECT_TRUE(breaks(3));

    auto plain = readText("{\\rtf1 no page settings}");
    EXPECT_EQ(pageSetup(*plain), PageSetup{});
}

TEST(RtfReader, UnicodeAndCodePages) {
    // \uc1 skips one fallback character; \uc0 none; \uc2 two, also hex ones.
    auto doc = readText(
        "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\u8364? {\\uc0\\u8212}{\\uc2\\u945\\'3f\\'3fx}"
        " \\emdash\\lquote q\\rquote \\u-10179?\\u-8704?}");
    EXPECT_EQ(plainTextLines(*doc), QString::fromUtf8("café € —αx —‘q’\xF0\x9F\x98\x80\n"));

    auto cyrillic = readText("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}");
    EXPECT_EQ(plainTextLines(*cyrillic), QString::fromUtf8("Привет\n"));

    // Double-byte code pages: the pairs of escapes make one character.
    auto japanese = readText("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}");
    EXPECT_EQ(plainTextLines(*japanese), QString::fromUtf8("日本\n"));

    // A font's charset overrides the document's code page for its text.
    auto greek = readText(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Arial Greek;}}"
        "\\'e9{\\f1\\'e1\\'e2}}");
    EXPECT_EQ(plainTextLines(*greek), QString::fromUtf8("éαβ\n"));
}

TEST(RtfReader, SkipsDestinationsItDoesNotShow) {
    auto doc = readText(
        "{\\rtf1{\\fonttbl{\\f0{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helv};}}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret}{\\author Someone}}"
        "{\\header header text\\par}{\\footer footer text\\par}"
        "{\\*\\unknowndest hidden}{\\*\\generator Writer;}"
        "before{\\pict\\pngblip 89504e47}{\\pict\\bin4 }}}}}after "
        "{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}} \\madeupword kept{\\v  hidden}\\v0\\par}");
    EXPECT_EQ(plainTextLines(*doc), "beforeafter 7 kept\n");
    EXPECT_EQ(familyOf(formatOf(*doc, "before")), "Arial");
}

TEST(RtfReader, TablesBecomeTabSeparatedRows) {
    auto doc = readText(
        "{\\rtf1\\trowd\\cellx2000\\cellx4000\\cellx6000"
        "\\pard\\intbl Name\\cell City\\cell\\cell\\row"
        "\\trowd\\cellx2000\\cellx4000\\pard\\intbl Ann\\cell\\cell Oslo\\cell\\row"
        "\\pard after\\par}");
    EXPECT_EQ(plainTextLines(*doc), "Name\tCity\nAnn\t\tOslo\nafter\n");
}

TEST(RtfReader, MergeTokensAndEscapesStayText) {
    auto doc = readText(
        "{\\rtf1 Dear [First Name] [Last Name],\\line \\{braces\\} \\\\ and\\~space\\par}");
    EXPECT_EQ(doc->begin().text(), QString("Dear [First Name] [Last Name],") + QChar(0x2028) +
                                       "{braces} \\ and" + QChar(0x00A0) + "space");
    EXPECT_EQ(plainTextLines(*doc), QString("Dear [First Name] [Last Name],\n{braces} \\ and") +
                                        QChar(0x00A0) + "space\n");
}

TEST(RtfReader, ClosingParagraphMarkAddsNoEmptyLine) {
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 a\\par}")), "a\n");
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 a\\par\\par}")), "a\n\n");
    EXPECT_EQ(plainTextLines(*readText("{\\rtf1 a\\par b}")), "a\nb\n");
    // The kept block has the format of the last real paragraph.
    auto doc = readText("{\\rtf1\\pard\\qc a\\par}");
    EXPECT_EQ(doc->blockCount(), 1);
    EXPECT_EQ(doc->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}
