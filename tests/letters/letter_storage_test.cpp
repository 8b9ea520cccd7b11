// Templates in LETTER.DBF: the stored text with its blank rule, loading
// back, and New, Modify, Clone and Delete with their questions.
#include "letters/letter_storage.h"

#include <QTextDocument>

#include "letters/letter_operations.h"
#include "letters_test_support.h"
#include "richtext/page_setup.h"

namespace pc::test {
namespace {

using pc::letters::storedRtfText;

TEST(LetterStoredTextTest, ABlankIsAddedOnlyAtAMultipleOfFour) {
    // 398 characters and CR LF: 400 in the buffer.
    const QByteArray line398(398, 'x');
    const QString stored400 = storedRtfText(line398 + "\n");
    EXPECT_EQ(stored400.size(), 401);
    EXPECT_TRUE(stored400.endsWith(" \r\n"));
    const QString stored401 = storedRtfText(QByteArray(399, 'x'));
    EXPECT_EQ(stored401.size(), 401);
    EXPECT_FALSE(stored401.endsWith(" \r\n"));
    // Two lines: 1+2 and 5+2 characters make 10; with LF endings the same.
    EXPECT_EQ(storedRtfText("a\nbbbbb\n"), "a\r\nbbbbb\r\n");
    EXPECT_EQ(storedRtfText("a\r\nbbbbbbb\r\n"), "a\r\nbbbbbbb \r\n");
    EXPECT_EQ(storedRtfText(""), "");
}

class LetterOperationsTest : public LetterTableTest {
  protected:
    pc::letters::LetterDesigner designer(const QString& description, const QString& text,
                                         bool saves = true) {
        return [=, this](QString& d, QTextDocument& doc, bool isNew) {
            shownDescription = d;
            shownText = doc.toPlainText();
            wasNew = isNew;
            d = description;
            if (!text.isNull()) doc.setPlainText(text);
            return saves;
        };
    }
    QString shownDescription, shownText;
    bool wasNew = false;
};

TEST_F(LetterOperationsTest, NewStoresOnlyWhenSavedAndLoadsBack) {
    EXPECT_FALSE(pc::letters::newLetter(letters, designer("Nope", "x", false)));
    EXPECT_TRUE(descriptions().isEmpty());
    ASSERT_TRUE(pc::letters::newLetter(letters, designer("Welcome", "Dear [First],")));
    EXPECT_EQ(shownDescription, "{untitled}");
    EXPECT_TRUE(wasNew);
    letters.first();
    EXPECT_EQ(pc::letters::letterDescription(letters), "Welcome");
    const QString rtf = pc::letters::letterRtf(letters);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_NE(rtf.size() % 4, 0) << "the stored text is never a multiple of 4 long";
    QTextDocument doc;
    ASSERT_TRUE(pc::letters::LoadRichText(letters, doc));
    EXPECT_EQ(doc.toPlainText(), "Dear [First],");
    const auto page = pc::richtext::pageSetup(doc);
    EXPECT_EQ(page.paperWidth, 12240);
    EXPECT_EQ(page.marginLeft, 1440) << "a new letter has one-inch margins";
}

TEST_F(LetterOperationsTest, ModifyShowsTheTemplateAndCancelKeepsIt) {
    addLetter("Reminder", "Pay up, [Full Name]");
    letters.first();
    EXPECT_FALSE(pc::letters::modifyLetter(letters, designer("Changed", "gone", false)));
    EXPECT_EQ(shownDescription, "Reminder");
    EXPECT_EQ(shownText, "Pay up, [Full Name]");
    EXPECT_FALSE(wasNew);
    EXPECT_EQ(descriptions(), QStringList{"Reminder"});
    letters.first();
    ASSERT_TRUE(pc::letters::modifyLetter(letters, designer(QString(60, 'D'), "Thanks")));
    letters.first();
    EXPECT_EQ(pc::letters::letterDescription(letters), QString(50, 'D'));
    QTextDocument doc;
    pc::letters::LoadRichText(letters, doc);
    EXPECT_EQ(doc.toPlainText(), "Thanks");
}

TEST_F(LetterOperationsTest, CloneAsksAndCutsTheNewDescriptionToFifty) {
    const QString fifty = QString(45, 'a') + "bcdef";
    addLetter(fifty, "Body [First]");
    letters.first();
    messages->answer(false);
    EXPECT_FALSE(pc::letters::cloneLetter(letters));
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "Clone \"" + fifty + "\"?");
    EXPECT_EQ(messages->shown()[0].caption, "CLONE");
    letters.first();
    ASSERT_TRUE(pc::letters::cloneLetter(letters));
    EXPECT_EQ(descriptions(), QStringList({fifty, "Clone of " + fifty.left(41)}));
    letters.last();
    QTextDocument doc;
    pc::letters::LoadRichText(letters, doc);
    EXPECT_EQ(doc.toPlainText(), "Body [First]");
}

TEST_F(LetterOperationsTest, DeleteAsksAndEmptyTableRefusesTheRest) {
    EXPECT_FALSE(pc::letters::deleteLetter(letters));
    EXPECT_FALSE(pc::letters::cloneLetter(letters));
    EXPECT_FALSE(pc::letters::modifyLetter(letters, designer("x", "y")));
    EXPECT_TRUE(messages->shown().empty()) << "nothing is asked without a letter";
    addLetter("Old", "text");
    letters.first();
    messages->answer(false);
    EXPECT_FALSE(pc::letters::deleteLetter(letters));
    EXPECT_EQ(messages->shown().back().text, "Delete \"Old\"?");
    EXPECT_EQ(messages->shown().back().caption, "DELETE");
    ASSERT_TRUE(pc::letters::deleteLetter(letters));
    EXPECT_TRUE(descriptions().isEmpty());
}

}  // namespace
}  // namespace pc::test
