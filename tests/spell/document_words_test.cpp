#include "spell/document_words.h"

#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "spell/spell_check_run.h"
#include "spell/spell_checker.h"
#include "spell_test_support.h"

using namespace pc::spell;
using namespace pc::spell::testing;

namespace {

QStringList allWords(const QTextDocument& doc) {
    QStringList out;
    int at = 0;
    while (auto w = nextWord(doc, at)) {
        // Each span must point at its own text in the document.
        QTextCursor c(const_cast<QTextDocument*>(&doc));
        c.setPosition(w->position);
        c.setPosition(w->end(), QTextCursor::KeepAnchor);
        EXPECT_EQ(c.selectedText(), w->text);
        out << w->text;
        at = w->end();
    }
    return out;
}

}  // namespace

TEST(DocumentWords, SkipsMergeFieldsNumbersAndPunctuation) {
    QTextDocument doc;
    doc.setPlainText(
        QString::fromUtf8("Dear [First Name] [Last Name],\n"
                          "your 2nd order of 12 items (don't worry) ships—today's café!\n"
                          "[Address] [unclosed bracket\n\nend"));
    EXPECT_EQ(allWords(doc),
              (QStringList{"Dear", "your", "order", "of", "items", "don't", "worry", "ships",
                           "today's", QString::fromUtf8("café"), "unclosed", "bracket", "end"}));
    EXPECT_FALSE(nextWord(doc, doc.characterCount()).has_value());
}

TEST(SpellCheckRun, ReplacesSkipsAndAddsInDocumentOrder) {
    SmallDictionary d;
    SpellChecker checker;
    ASSERT_TRUE(checker.open(d.main(), d.user()));
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText("Dear [Frist Name], helo ", QTextCharFormat());
    c.insertText("wrold", bold);
    c.insertText(" Postcraft helo\nhelo");

    SpellCheckRun run(doc, checker);
    auto w = run.next();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->text, "helo");  // the merge field is not checked
    run.replace("hello");
    w = run.next();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->text, "wrold");
    run.replace("world");
    ASSERT_EQ(run.next()->text, "Postcraft");
    ASSERT_TRUE(run.add());
    ASSERT_EQ(run.next()->text, "helo");
    run.skip();
    ASSERT_EQ(run.next()->text, "helo");  // the next line's word
    run.skip();
    EXPECT_FALSE(run.next().has_value());
    EXPECT_EQ(doc.toPlainText(), "Dear [Frist Name], hello world Postcraft helo\nhelo");

    // The replacement keeps the replaced word's character format.
    QTextCursor at(&doc);
    at.setPosition(int(doc.toPlainText().indexOf("world")) + 2);
    EXPECT_EQ(at.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(checker.userWords().contains("Postcraft"));
}
