// Case conversion: the three conversions on ASCII letters and the scopes.
#include <gtest/gtest.h>

#include "maintenance/case_converter.h"
#include "utility_table.h"

namespace pc::maintenance::test {
namespace {

TEST(ConvertCase, ThreeConversionsTouchAsciiLettersOnly) {
    EXPECT_EQ(convertCase("O'NEIL MCDONALD-JONES", CaseConversion::FirstCapital),
              "O'neil Mcdonald-jones");
    EXPECT_EQ(convertCase("  two  blanks", CaseConversion::FirstCapital), "  Two  Blanks");
    EXPECT_EQ(convertCase("main st. 5b", CaseConversion::Upper), "MAIN ST. 5B");
    EXPECT_EQ(convertCase("MAIN ST", CaseConversion::Lower), "main st");
    // Accented letters are left as they are.
    EXPECT_EQ(convertCase(QString::fromUtf8("\xc3\xa9t\xc3\xa9"), CaseConversion::Upper),
              QString::fromUtf8("\xc3\xa9T\xc3\xa9"));
}

TEST(ConvertCase, FieldsGoInTheWindowsOrder) {
    EXPECT_EQ(convertibleFields().size(), 15u);
    EXPECT_EQ(inConversionOrder({"CODES", "lname", "PREFIX", "NOPE"}),
              QStringList({"LNAME", "PREFIX", "CODES"}));
}

class ConversionRun : public UtilityTable {};

TEST_F(ConversionRun, CurrentRecordOnlyTouchesOneRecordWithAllFields) {
    const int first = person("smith", "ann", "1 main st");
    const int second = person("jones", "bob", "2 oak ave");
    QStringList all;
    for (const ConvertibleField& f : convertibleFields()) all << f.field;
    const auto result =
        convertRecords(table, all, CaseConversion::Upper, ConversionScope::CurrentRecord);
    EXPECT_EQ(result.converted, 1);
    EXPECT_EQ(valueOf(second, "LNAME"), "JONES");
    EXPECT_EQ(valueOf(second, "STREET"), "2 OAK AVE");
    EXPECT_EQ(valueOf(first, "LNAME"), "smith");
}

TEST_F(ConversionRun, AllRecordsLeavesDeletedOnesAndKeepsTheCurrentRecord) {
    const int first = person("smith", "ann");
    const int removed = person("gone", "gina", {}, {{"ISDEL", "T"}});
    const int last = person("jones", "bob");
    const auto result =
        convertRecords(table, {"LNAME"}, CaseConversion::FirstCapital, ConversionScope::AllRecords);
    EXPECT_EQ(result.converted, 2);
    EXPECT_EQ(valueOf(first, "LNAME"), "Smith");
    EXPECT_EQ(valueOf(last, "LNAME"), "Jones");
    EXPECT_EQ(valueOf(first, "FNAME"), "ann");  // not chosen
    EXPECT_EQ(valueOf(removed, "LNAME"), "gone");
    EXPECT_EQ(table.recNo(), last);
}

TEST_F(ConversionRun, FilterScopeAndStopRequest) {
    person("a", "x", {}, {{"STATE", "NY"}});
    const int outside = person("b", "y", {}, {{"STATE", "CA"}});
    person("c", "z", {}, {{"STATE", "NY"}});
    auto result = convertRecords(table, {"LNAME"}, CaseConversion::Upper,
                                 ConversionScope::MatchingFilter, "STATE=\"NY\".and.!ISDEL");
    EXPECT_EQ(result.converted, 2);
    EXPECT_EQ(valueOf(outside, "LNAME"), "b");
    result = convertRecords(table, {"FNAME"}, CaseConversion::Upper, ConversionScope::AllRecords,
                            {}, [](int, int) { return false; });
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.converted, 1);
}

}  // namespace
}  // namespace pc::maintenance::test
