// The "Tagging" window: Enter on the finished box closes it, it does not
// offer to cancel a tagging that has ended.
#include "records/tagging_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "text/message_service.h"

namespace pc::app {
namespace {

TEST(TaggingWindowTest, EnterOnTheCompleteBoxClosesIt) {
    pc::text::ScopedRecordingMessages messages;
    records::TTaggingWindow window;
    window.show();  // as while tagging runs: Cancel has the focus
    QApplication::setActiveWindow(&window);
    window.CancelButton->setFocus();
    QApplication::processEvents();
    window.finish();
    EXPECT_EQ(window.StatusLabel->text(), "Complete");

    QTimer::singleShot(0, &window, [&window] {
        // Keys go where the focus is, as they do from the keyboard.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, Qt::Key_Return);
        // Should Enter not close it, Escape ends the test all the same.
        if (window.isVisible()) QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join('|').toStdString();
    EXPECT_FALSE(window.cancelled());
}

}  // namespace
}  // namespace pc::app
