// ReplaceTokens and DoMerge: every occurrence replaced, each in the format
// its token was written in, in the merge order.
#include "letters/letter_merge.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "qstring_printer.h"

namespace pc::test {
namespace {

using pc::letters::DoMerge;
using pc::letters::MergeValue;
using pc::letters::ReplaceTokens;

QTextCharFormat formatAt(const QTextDocument& doc, int position) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(position + 1);
    return c.charFormat();
}

TEST(LetterMergeTest, EveryOccurrenceIsReplacedAndUnknownNamesStay) {
    QTextDocument doc;
    doc.setPlainText("[First], [First] and [first]! [Nobody] [First");
    EXPECT_EQ(DoMerge(doc, "First", "Ann"), 3);
    EXPECT_EQ(doc.toPlainText(), "Ann, Ann and Ann! [Nobody] [First");
}

TEST(LetterMergeTest, AValueKeepsTheFormatOfItsToken) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(Qt::red);
    bold.setFontPointSize(18);
    c.insertText("Dear ", plain);
    c.insertText("[First]", bold);
    c.insertText(",", plain);
    DoMerge(doc, "First", "Annabel");
    EXPECT_EQ(doc.toPlainText(), "Dear Annabel,");
    for (int i = 5; i < 12; ++i) {
        const QTextCharFormat f = formatAt(doc, i);
        EXPECT_EQ(f.fontWeight(), QFont::Bold) << i;
        EXPECT_EQ(f.foreground().color(), QColor(Qt::red)) << i;
        EXPECT_EQ(f.fontPointSize(), 18) << i;
    }
    EXPECT_NE(formatAt(doc, 12).fontWeight(), QFont::Bold) << "the comma stays plain";
}

TEST(LetterMergeTest, LineBreaksInAValueBecomeParagraphsInTheTokensFormat) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    c.insertText("[Name and Address]", italic);
    c.insertText("Dear");
    DoMerge(doc, "Name and Address", "Ann Lee \r\n1 Main St\r\n");
    EXPECT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(doc.findBlockByNumber(0).text(), "Ann Lee ");
    EXPECT_EQ(doc.findBlockByNumber(1).text(), "1 Main St");
    EXPECT_EQ(doc.findBlockByNumber(2).text(), "Dear");
    EXPECT_TRUE(formatAt(doc, doc.findBlockByNumber(1).position()).fontItalic());
}

TEST(LetterMergeTest, ValuesHoldingLaterTokensAreMergedAgainButNotTheirOwn) {
    QTextDocument doc;
    doc.setPlainText("[Full Name]|[Comment 1]");
    ReplaceTokens(
        doc, {{"Full Name", "[First] [Full Name] "}, {"First", "Ann"}, {"Comment 1", "[First]"}});
    EXPECT_EQ(doc.toPlainText(), "Ann [Full Name] |[First]")
        << "Comment 1 comes after First, so its token stays";
}

}  // namespace
}  // namespace pc::test
