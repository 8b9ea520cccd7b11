#include "text/units.h"

#include <gtest/gtest.h>

using namespace pc::text;

TEST(Units, ThousandthsToPixelsRoundsHalfToEven) {
    EXPECT_EQ(thousandthsToPixels(1000, 96), 96);
    EXPECT_EQ(thousandthsToPixels(2625, 96), 252);  // 2.625 in
    EXPECT_EQ(thousandthsToPixels(5, 100), 0);      // 0.5
    EXPECT_EQ(thousandthsToPixels(15, 100), 2);     // 1.5
    EXPECT_EQ(thousandthsToPixels(-15, 100), -2);
    EXPECT_EQ(thousandthsToPixels(1000, 0), 0);
}

TEST(Units, PixelsToThousandthsTruncates) {
    EXPECT_EQ(pixelsToThousandths(96, 96), 1000);
    EXPECT_EQ(pixelsToThousandths(1, 96), 10);              // 10.41...
    EXPECT_EQ(pixelsToThousandths(-1, 96), -10);            // toward zero
    EXPECT_EQ(pixelsToThousandths(3000000, 96), 31250000);  // no overflow
    EXPECT_EQ(pixelsToThousandths(5, 0), 0);
    EXPECT_DOUBLE_EQ(pixelsToInches(48, 96), 0.5);
}
