// Filter criteria into xBase query text, the query set on a real address
// table, and saved .FLT files.
#include "data/filter_criteria.h"

#include <QFile>

#include "data/filter_file.h"
#include "data/filter_query.h"
#include "data/filter_tips.h"
#include "data/t_apollo.h"
#include "data_test_support.h"

namespace pc::data {
namespace {

using pc::test::DataTest;

FilterCriteria with(Criterion c, const QString& text) {
    FilterCriteria criteria;
    criteria[c] = text;
    return criteria;
}

TEST(FilterStringTest, OperatorsAndSeparators) {
    EXPECT_EQ(buildQueryString(with(Criterion::Codes, "$C"), "X"), "\"C\"$UPPER(CODES)");
    EXPECT_EQ(buildQueryString(with(Criterion::Codes, "A;B"), "X"),
              "((UPPER(CODES)=\"A\").or.(UPPER(CODES)=\"B\"))");
    // ";" binds loosest, then "+", then "^".
    EXPECT_EQ(criterionTerm("ZIP", "1;2+3^4"),
              "((UPPER(ZIP)=\"1\").or.(((UPPER(ZIP)=\"2\").and.(((UPPER(ZIP)=\"3\").and..not."
              "(UPPER(ZIP)=\"4\"))))))");
    EXPECT_EQ(criterionTerm("DATE", ">=1997"), "UPPER(DATE)>=\"1997\"");
    EXPECT_EQ(criterionTerm("DATE", ">1997"), "UPPER(DATE)>\"1997\"");
    EXPECT_EQ(criterionTerm("DATE", "<=1997"), "UPPER(DATE)<=\"1997\"");
    EXPECT_EQ(criterionTerm("DATE", "<1997"), "UPPER(DATE)<\"1997\"");
    // Empty pieces still make terms; the value after an operator is cut at 99.
    EXPECT_EQ(criterionTerm("ZIP", "1;"), "((UPPER(ZIP)=\"1\").or.(UPPER(ZIP)=\"\"))");
    EXPECT_EQ(criterionTerm("ZIP", ">" + QString(120, 'x')).size(),
              QString("UPPER(ZIP)>\"\"").size() + 99);
}

TEST(FilterStringTest, JoinsCriteriaTaggedOnlyAndReverse) {
    FilterCriteria criteria = with(Criterion::LastName, "Brown");
    criteria.taggedOnly = true;
    const QString filter = buildQueryString(criteria, "3ABC12");
    EXPECT_EQ(filter, "UPPER(LNAME)=\"BROWN\" and (UPPER(TAG)=\"3ABC12\")");
    EXPECT_EQ(engineQuery(filter), filter + ".and. !ISDEL");

    // Comments are joined before date and codes, unlike in the file order;
    // blank criteria are skipped; city compares with city and state.
    criteria = FilterCriteria();
    criteria[Criterion::Codes] = "C";
    criteria[Criterion::Comment1] = "x";
    criteria[Criterion::City] = "bos";
    criteria[Criterion::State] = "   ";
    EXPECT_EQ(buildQueryString(criteria, "T"),
              "UPPER(CITY+STATE)=\"BOS\" and UPPER(USER1)=\"X\" and UPPER(CODES)=\"C\"");

    criteria.reverse = true;
    EXPECT_TRUE(buildQueryString(criteria, "T").startsWith("(!(UPPER(CITY"));
    FilterCriteria reverseOnly;
    reverseOnly.reverse = true;
    EXPECT_EQ(buildQueryString(reverseOnly, "T"), "");
    EXPECT_FALSE(reverseOnly.restricts());
}

TEST(FilterStringTest, QuotesInACriterionStayInsideTheLiteral) {
    // Only a-z are raised, as the engine's UPPER does.
    EXPECT_EQ(engineUpper("o'neil é"), "O'NEIL é");
    EXPECT_EQ(criterionTerm("ORG", "Say \"hi\""), "UPPER(ORG)='SAY \"HI\"'");
    EXPECT_EQ(criterionTerm("ORG", "a\"b'c]"), "UPPER(ORG)=[A\"B'C]+\"]\"");
}

class FilterQueryTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        openAddress(table, newAddressTable(), "TAGID");
        addPerson("Brown", "Boston", "MA", "C", "Say \"hi\"");
        addPerson("Browning", "Bostwick", "GA", "AB", "");
        addPerson("Smith", "Austin", "TX", "B", "");
    }
    void addPerson(const QString& lname, const QString& city, const QString& state,
                   const QString& codes, const QString& org) {
        table.insert();
        for (auto [field, value] : {std::pair{"LNAME", lname},
                                    {"CITY", city},
                                    {"STATE", state},
                                    {"CODES", codes},
                                    {"ORG", org}})
            table.fieldByName(field).setText(value);
        table.post();
    }
    int count(const FilterCriteria& criteria) {
        return runFilterQuery(apollo, buildQueryString(criteria, "TAGID")).count;
    }

    TTable table;
    TApollo apollo{&table};
};

TEST_F(FilterQueryTest, CountsMatchesOnTheTable) {
    EXPECT_EQ(count(with(Criterion::Codes, "$C")), 1);
    EXPECT_EQ(count(with(Criterion::Codes, "A;B")), 2);
    EXPECT_EQ(count(with(Criterion::LastName, "brown")), 2);  // a prefix match
    EXPECT_EQ(count(with(Criterion::LastName, "brown^browni")), 1);
    EXPECT_EQ(count(with(Criterion::City, "bost")), 2);
    EXPECT_EQ(count(with(Criterion::City, "Boston  MA")), 0);  // city is padded before state
    EXPECT_EQ(count(with(Criterion::Org, "say \"hi")), 1);
    FilterCriteria reversed = with(Criterion::LastName, "brown");
    reversed.reverse = true;
    EXPECT_EQ(count(reversed), 1);
}

TEST_F(FilterQueryTest, TheRightClickTipsSayWhatTheFilterDoes) {
    // Every example is a criterion the engine takes.
    for (const auto& tip : filterTips()) {
        EXPECT_TRUE(tip.example.contains(tip.sign)) << tip.example.toStdString();
        const QString term = criterionTerm("LNAME", tip.example);
        EXPECT_TRUE(apollo.queryTest(term + ".and. !ISDEL")) << term.toStdString();
    }
    // "up to B, B included", a range with "+", "either" with ";", "but not" with "^".
    EXPECT_EQ(count(with(Criterion::LastName, "<=B")), 2);
    EXPECT_EQ(count(with(Criterion::LastName, "<B")), 0);
    EXPECT_EQ(count(with(Criterion::LastName, ">=A+<=B")), 2);
    EXPECT_EQ(count(with(Criterion::LastName, ">=S")), 1);
    EXPECT_EQ(count(with(Criterion::State, "MA;GA")), 2);
    EXPECT_EQ(count(with(Criterion::Codes, "$B^$A")), 1);
}

TEST_F(FilterQueryTest, RefusedOrMatchlessFiltersFallBackToNotDeleted) {
    auto result = runFilterQuery(apollo, buildQueryString(with(Criterion::LastName, "Zz"), "T"));
    EXPECT_TRUE(result.cleared);
    EXPECT_EQ(result.count, 0);
    EXPECT_EQ(apollo.query(), "!ISDEL");

    // 243 characters pass; one more is refused without asking the engine.
    const QString head = "UPPER(LNAME)=\"";
    const QString fits = head + QString(kMaxFilterLength - head.size() - 1, 'B') + "\"";
    ASSERT_EQ(fits.size(), 243);
    result = runFilterQuery(apollo, fits);
    EXPECT_FALSE(result.tooComplex);
    EXPECT_EQ(result.query, "!ISDEL");  // valid, but nothing that long is stored

    const QString tooLong = "UPPER(LNAME)=\"B\"" + QString(" .or. .T.").repeated(26);
    ASSERT_GT(tooLong.size(), 243);
    result = runFilterQuery(apollo, tooLong);
    EXPECT_TRUE(result.tooComplex);
    EXPECT_TRUE(result.cleared);
    EXPECT_EQ(apollo.query(), "!ISDEL");

    result = runFilterQuery(apollo, "UPPER(LNAME)=\"BROWN\"");
    EXPECT_EQ(result.count, 2);
    EXPECT_EQ(result.query, "UPPER(LNAME)=\"BROWN\".and. !ISDEL");
}

TEST_F(FilterQueryTest, FltFilesRoundTripAndToleratePartialFiles) {
    FilterCriteria saved;
    for (int i = 0; i < kCriterionCount; ++i) saved.values[i] = QString::number(i) + "x";
    saved[Criterion::Codes] = "A;B";
    saved[Criterion::Org] = "two\nlines";  // would shift every later line
    saved.reverse = true;
    ASSERT_TRUE(writeFilterFile(file("a.FLT"), saved));
    FilterCriteria read;
    ASSERT_TRUE(readFilterFile(file("a.FLT"), read));
    EXPECT_EQ(read[Criterion::Org], "two lines");
    read[Criterion::Org] = saved[Criterion::Org];
    EXPECT_EQ(read, saved);

    QFile partial(file("b.flt"));
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write("Brown\r\nJ\n");
    partial.close();
    read = saved;
    ASSERT_TRUE(readFilterFile(file("b.flt"), read));
    EXPECT_EQ(read[Criterion::LastName], "Brown");
    EXPECT_EQ(read[Criterion::FirstName], "J");
    EXPECT_EQ(read[Criterion::Comment2], "");
    EXPECT_FALSE(read.taggedOnly);
    EXPECT_FALSE(read.reverse);

    EXPECT_FALSE(readFilterFile(file("missing.FLT"), read));
    EXPECT_TRUE(hasFilterExtension("x/Y.flt"));
    EXPECT_FALSE(hasFilterExtension("x/Y.flt.txt"));
}

}  // namespace
}  // namespace pc::data
