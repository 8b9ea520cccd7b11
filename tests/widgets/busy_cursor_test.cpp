#include "widgets/busy_cursor.h"

#include <gtest/gtest.h>

#include <QCursor>

TEST(BusyCursor, NestsAndRestoresTheCursor) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        pc::widgets::BusyCursor outer;
        { pc::widgets::BusyCursor inner; }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
