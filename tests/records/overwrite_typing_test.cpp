// Typing replaces the character after the caret until Insert is toggled.
#include "records/overwrite_typing.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace pc::app {
namespace {

TEST(OverwriteTyping, LineEditReplacesAndInsertKeyToggles) {
    records::OverwriteTyping overwrite;
    QLineEdit edit("abcd");
    overwrite.install(&edit);
    edit.setCursorPosition(1);
    QTest::keyClicks(&edit, "XY");
    EXPECT_EQ(edit.text(), "aXYd");
    // Past the end there is nothing to replace: typing appends.
    edit.setCursorPosition(4);
    QTest::keyClicks(&edit, "ZZ");
    EXPECT_EQ(edit.text(), "aXYdZZ");

    QTest::keyClick(&edit, Qt::Key_Insert);
    EXPECT_TRUE(overwrite.insertMode());
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, 'q');
    EXPECT_EQ(edit.text(), "qaXYdZZ");
    QTest::keyClick(&edit, Qt::Key_Insert);
    EXPECT_FALSE(overwrite.insertMode());
}

TEST(OverwriteTyping, CommandKeysAndSelectionsAreLeftAlone) {
    records::OverwriteTyping overwrite;
    QLineEdit edit("abcd");
    overwrite.install(&edit);
    edit.setCursorPosition(1);
    // Backspace, Delete and arrows act as usual.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "bcd");
    QTest::keyClick(&edit, Qt::Key_Right);
    EXPECT_EQ(edit.cursorPosition(), 1);
    EXPECT_FALSE(edit.hasSelectedText());
    // A selection made by the user is replaced as a whole.
    edit.setSelection(0, 2);
    QTest::keyClick(&edit, 'X');
    EXPECT_EQ(edit.text(), "Xd");
    // A Ctrl chord is a command, not a typed character.
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "Xd");
    EXPECT_FALSE(edit.hasSelectedText());
}

TEST(OverwriteTyping, MemoDoesNotSwallowLineBreaksAndReadOnlyIsUntouched) {
    records::OverwriteTyping overwrite;
    QPlainTextEdit memo("ab\ncd");
    overwrite.install(&memo);
    QTextCursor cursor = memo.textCursor();
    cursor.setPosition(1);
    memo.setTextCursor(cursor);
    QTest::keyClicks(&memo, "XYZ");
    EXPECT_EQ(memo.toPlainText(), "aXYZ\ncd");

    QLineEdit readOnly("abc");
    readOnly.setReadOnly(true);
    overwrite.install(&readOnly);
    readOnly.setCursorPosition(0);
    QTest::keyClick(&readOnly, 'x');
    EXPECT_FALSE(readOnly.hasSelectedText());
}

}  // namespace
}  // namespace pc::app
