#include "widgets/busy_cursor.h"

#include <gtest/gtest.h>

#include <QCursor>

TEST(BusyCursor, NestsAndRestoresTheCursor) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        pc::text::BusyCursor outer;
        { pc::text::BusyCursor inner; }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
