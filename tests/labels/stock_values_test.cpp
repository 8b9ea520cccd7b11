// The user-defined stock dialog's arithmetic and its checks in order.
#include "labels/stock_values.h"

#include <gtest/gtest.h>

namespace pc::labels {
namespace {

StockValues letterStock() {
    StockValues v;
    v.labelHeight = 1.0f;
    v.labelWidth = 2.625f;
    v.across = 3;
    v.down = 10;
    v.topMargin = 0.5f;
    v.leftMargin = 0.188f;
    v.horizontalPitch = 2.75f;
    v.verticalPitch = 1.0f;
    v.sheetWidth = 8.5f;
    v.sheetDepth = 11.0f;
    v.paperSize = "LTR";
    v.shape = "RR";
    return v;
}

TEST(StockValuesTest, LengthsSurviveARoundTripThroughMillimetres) {
    const StockLengths inches = lengthsOf(letterStock());
    const StockLengths mm = toMillimetres(inches);
    EXPECT_DOUBLE_EQ(mm[kLabelWidth], 66.675);
    EXPECT_EQ(formatLength(mm[kLabelWidth], true), "67");
    EXPECT_EQ(formatLength(mm[kPaperHeight], true), "279");
    const StockLengths back = toInches(mm);
    for (int i = 0; i < kStockLengthCount; ++i) EXPECT_NEAR(back[i], inches[i], 1e-9) << i;

    EXPECT_EQ(formatLength(2.625, false), "2.625");
    EXPECT_EQ(formatLength(8.5, false), "8.5");
    EXPECT_EQ(formatLength(11.0, false), "11");
    EXPECT_EQ(formatLength(0.18751, false), "0.188");
    EXPECT_EQ(formatLength(0.0001, false), "0");

    // OK in millimetres: converted and rounded to 3 decimals.
    StockLengths shown = mm;
    shown[kLabelWidth] = 67;
    const StockValues v = valuesFromShown(shown, true, 3, 10, -1, 1, "A4");
    EXPECT_FLOAT_EQ(v.labelWidth, 2.638f);
    EXPECT_FLOAT_EQ(v.sheetWidth, 8.5f);
    EXPECT_EQ(v.paperSize, "A4") << "no entry chosen keeps the code";
    EXPECT_EQ(v.shape, "SR");
}

TEST(StockValuesTest, PaperAndShapeEntriesMapToTheirCodes) {
    const char* codes[] = {"LTR", "LTRL", "A4", "A4L", "A5", "USERP", "USERL"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(paperCodeOf(i, "X"), codes[i]);
    double w = -1, h = -1;
    ASSERT_TRUE(paperSizeOf(2, false, &w, &h));
    EXPECT_DOUBLE_EQ(w, 8.27);
    EXPECT_DOUBLE_EQ(h, 11.69);
    ASSERT_TRUE(paperSizeOf(1, true, &w, &h));
    EXPECT_DOUBLE_EQ(w, 279.4);
    EXPECT_FALSE(paperSizeOf(5, true, &w, &h)) << "Other leaves the fields alone";
    EXPECT_EQ(shapeEntryOf("RR"), 0);
    EXPECT_EQ(shapeEntryOf("SR"), 1);
    EXPECT_EQ(shapeEntryOf(""), 2);
    EXPECT_EQ(shapeCodeOf(2), "EL");
}

TEST(StockValuesTest, ASizeBeyondItsPitchRaisesThePitch) {
    EXPECT_DOUBLE_EQ(pitchAfterSize(3.0, 2.75), 3.0);
    EXPECT_DOUBLE_EQ(pitchAfterSize(2.5, 2.75), 2.75);
}

TEST(StockValuesTest, TheFirstFailingCheckIsTheOneShown) {
    StockValues v = letterStock();
    EXPECT_EQ(stockValuesProblem(v), "");

    v.sheetDepth = 0.2f;
    EXPECT_EQ(stockValuesProblem(v), "Page Height must be at least .3 inches");
    v.sheetWidth = 0.2f;
    EXPECT_EQ(stockValuesProblem(v), "Page Width must be at least .3 inch");
    v.verticalPitch = 0.5f;
    EXPECT_EQ(stockValuesProblem(v), "Vertical Pitch must be at least = Label Height");
    v.horizontalPitch = 2.0f;
    EXPECT_EQ(stockValuesProblem(v), "Horizontal Pitch must be at least = Label Width");
    v.labelWidth = 0.4f;
    EXPECT_EQ(stockValuesProblem(v), "Label Width must be at least .5 inch (or 13mm)");
    v.labelHeight = 0.29f;
    EXPECT_EQ(stockValuesProblem(v), "Label Height must be at least .3 inches (or 7mm)");

    // One across (or down) needs no pitch.
    StockValues single = letterStock();
    single.across = 1;
    single.down = 1;
    single.horizontalPitch = 1.0f;
    single.verticalPitch = 0.2f;
    EXPECT_EQ(stockValuesProblem(single), "");
    single.labelHeight = 0.3f;
    single.labelWidth = 0.5f;
    EXPECT_EQ(stockValuesProblem(single), "") << "the limits themselves pass";
}

}  // namespace
}  // namespace pc::labels
