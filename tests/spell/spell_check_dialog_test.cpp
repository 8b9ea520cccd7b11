#include "spell/spell_check_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>

#include "named_child.h"
#include "spell/spell_checker.h"
#include "spell_test_support.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

using namespace pc::spell;
using namespace pc::spell::testing;
using pc::test::named;

class SpellCheckDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(checker.open(dictionary.main(), dictionary.user()));
        doc.setPlainText("Dear [First Name], helo wrold Postcraft");
        ASSERT_TRUE(run.next());
    }
    SmallDictionary dictionary;
    SpellChecker checker;
    QTextDocument doc;
    SpellCheckRun run{doc, checker};
};

TEST_F(SpellCheckDialogTest, ShowsTheWordWithSuggestionsAndTheDesignedTexts) {
    SpellCheckDialog dialog(run, checker);
    EXPECT_EQ(dialog.windowTitle(), "Spell Check");
    QStringList labels;
    for (auto* l : dialog.findChildren<QLabel*>()) labels << l->text();
    for (const char* text : {"Possible spelling error", "Replace with", "Possible replacements"})
        EXPECT_TRUE(labels.contains(text)) << text;
    EXPECT_EQ(named<QPushButton>(dialog, "ReplaceButton")->text(), "Replace ");
    EXPECT_EQ(named<QPushButton>(dialog, "SkipButton")->text(), "&Skip Word");
    EXPECT_EQ(named<QPushButton>(dialog, "AddButton")->text(), "&Add Word");
    EXPECT_EQ(named<QPushButton>(dialog, "CancelButton")->text(), "Cancel");
    EXPECT_EQ(named<QPushButton>(dialog, "HelpButton")->text(), "Help");
    EXPECT_EQ(named<QLineEdit>(dialog, "NotFoundEdit")->text(), "helo");
    EXPECT_EQ(named<QLineEdit>(dialog, "ReplaceEdit")->text(), "hello");
    EXPECT_GT(named<QListWidget>(dialog, "SuggestionList")->count(), 0);
    QList<int> topics;
    pc::widgets::setHelpOpener([&topics](int context) { topics << context; });
    named<QPushButton>(dialog, "HelpButton")->click();
    pc::widgets::setHelpOpener({});
    EXPECT_EQ(topics, QList<int>{pc::widgets::help::kSpellCheck});
}

TEST_F(SpellCheckDialogTest, ReplaceSkipAndAddWalkTheDocumentToTheEnd) {
    SpellCheckDialog dialog(run, checker);
    named<QPushButton>(dialog, "ReplaceButton")->click();
    EXPECT_EQ(named<QLineEdit>(dialog, "NotFoundEdit")->text(), "wrold");
    named<QLineEdit>(dialog, "ReplaceEdit")->setText("globe");  // typed, not suggested
    named<QPushButton>(dialog, "ReplaceButton")->click();
    EXPECT_EQ(named<QLineEdit>(dialog, "NotFoundEdit")->text(), "Postcraft");
    named<QPushButton>(dialog, "AddButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(doc.toPlainText(), "Dear [First Name], hello globe Postcraft");
    SpellChecker later;
    ASSERT_TRUE(later.open(dictionary.main(), dictionary.user()));
    EXPECT_TRUE(later.isCorrect("Postcraft"));
}

TEST_F(SpellCheckDialogTest, CancelLeavesTheRestAlone) {
    SpellCheckDialog dialog(run, checker);
    named<QPushButton>(dialog, "SkipButton")->click();
    named<QPushButton>(dialog, "CancelButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(doc.toPlainText(), "Dear [First Name], helo wrold Postcraft");
}

TEST_F(SpellCheckDialogTest, AFailedAddIsReportedAndTheWordStays) {
    SpellChecker unwritable;
    ASSERT_TRUE(unwritable.open(dictionary.main(), dictionary.dir.filePath("no/postcru.dct")));
    SpellCheckRun other(doc, unwritable);
    ASSERT_TRUE(other.next());
    pc::text::ScopedRecordingMessages recorder;
    SpellCheckDialog dialog(other, unwritable);
    named<QPushButton>(dialog, "AddButton")->click();
    ASSERT_EQ(recorder->shown().size(), 1u);
    EXPECT_EQ(recorder->shown()[0].kind, "error");
    EXPECT_EQ(named<QLineEdit>(dialog, "NotFoundEdit")->text(), "helo");
}

TEST(SpellCheckDocument, ADocumentWithoutUnknownWordsOpensNoDialog) {
    SmallDictionary dictionary;
    SpellChecker checker;
    ASSERT_TRUE(checker.open(dictionary.main(), dictionary.user()));
    QTextDocument doc;
    doc.setPlainText("Dear [Frist Name], hello world");
    EXPECT_TRUE(checkDocumentSpelling(doc, checker));
}
