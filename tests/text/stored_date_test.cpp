#include "text/stored_date.h"

#include <gtest/gtest.h>

using namespace pc::text;

namespace {

// The display format is cached for the run; each test sets its own.
class StoredDateTest : public ::testing::Test {
  protected:
    void SetUp() override { setDisplayDateFormat("m/d/yyyy"); }
    void TearDown() override { setDisplayDateFormat({}); }
};

TEST_F(StoredDateTest, StoredFormRejectsBadDigitsAndImpossibleDates) {
    EXPECT_EQ(storedToDate("20240229"), QDate(2024, 2, 29));
    EXPECT_FALSE(isStoredDate("20230229"));
    EXPECT_FALSE(isStoredDate("20241301"));
    EXPECT_FALSE(isStoredDate("2024011"));
    EXPECT_FALSE(isStoredDate("2024O101"));
    EXPECT_FALSE(isStoredDate("+2024011"));
    EXPECT_FALSE(isStoredDate("00000101"));
    EXPECT_FALSE(isStoredDate(""));
}

TEST_F(StoredDateTest, DisplayUsesTheCachedFormat) {
    EXPECT_EQ(storedToDisplay("20240105"), "1/5/2024");
    EXPECT_EQ(storedToDisplay("20241305"), "");
    EXPECT_EQ(storedToDisplay(""), "");
    setDisplayDateFormat("dd.mm.yyyy");
    EXPECT_EQ(storedToDisplay("20240105"), "05.01.2024");
}

TEST_F(StoredDateTest, InputIsReadMonthFirst) {
    const QDate today(2025, 6, 15);
    EXPECT_EQ(inputToStored("", today), "");
    EXPECT_EQ(inputToStored("   ", today), "");
    EXPECT_EQ(inputToStored("19991231", today), "19991231");
    EXPECT_EQ(inputToStored("1/5/2024", today), "20240105");
    EXPECT_EQ(inputToStored(" 12 / 31 / 1999 ", today), "19991231");
    EXPECT_EQ(inputToStored("3/4", today), "20250304");
    EXPECT_EQ(inputToStored("3/4/24", today), "20240304");
    EXPECT_EQ(inputToStored("3/4/80", today), "19800304");
    EXPECT_EQ(inputToStored("13/01/2024", today), "");
    EXPECT_EQ(inputToStored("2/30/2024", today), "");
    EXPECT_EQ(inputToStored("next tuesday", today), "");
    EXPECT_EQ(inputToStored("1//2024", today), "");
    EXPECT_EQ(inputToStored("1/5/-2024", today), "");
}

TEST(DisplayFormat, YearIsWidenedToFourDigits) {
    EXPECT_EQ(widenYear("M/d/yy"), "m/d/yyyy");
    EXPECT_EQ(widenYear("dd.MM.yyyy"), "dd.mm.yyyy");
    EXPECT_EQ(widenYear("yyy-MM-dd"), "yyyy-mm-dd");
    EXPECT_EQ(widenYear("d/M/y"), "d/m/yyyy");
    EXPECT_EQ(widenYear("dd.MM"), "dd.mm.yyyy");
    EXPECT_EQ(widenYear("MM-dd"), "mm-dd-yyyy");
    EXPECT_EQ(widenYear("yy/MM/dd"), "yyyy/mm/dd");
}

TEST(DisplayFormat, BuiltFromTheSystemAndCached) {
    setDisplayDateFormat({});
    const QString built = displayDateFormat();
    EXPECT_TRUE(built.contains("yyyy")) << built.toStdString();
    EXPECT_EQ(built, built.toLower());
    setDisplayDateFormat("yyyy/mm/dd");
    EXPECT_EQ(displayDateFormat(), "yyyy/mm/dd");
    setDisplayDateFormat({});
    EXPECT_EQ(displayDateFormat(), built);
}

TEST(DisplayFormat, FormatLetters) {
    const QDate d(2024, 3, 7);
    EXPECT_EQ(formatDate(d, "mm/dd/yyyy"), "03/07/2024");
    EXPECT_EQ(formatDate(d, "d-m-yy"), "7-3-24");
    EXPECT_EQ(formatDate(d, "yyyy'y'mm"), "2024y03");
    EXPECT_EQ(formatDate(QDate(), "mm/dd/yyyy"), "");
}

}  // namespace
