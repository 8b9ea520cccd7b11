// Lookups by key in another order: key search, city and state for a zip,
// the duplicate-name match; keys upper-cased and encoded as the index holds
// them, accented names included; settings and record put back.
#include "data/record_lookup.h"

#include "data/key_text.h"
#include "data/t_apollo.h"
#include "data_test_support.h"

namespace pc::test {
namespace {

using pc::data::TApollo;
using pc::data::TTable;

class RecordLookupTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        openAddress(table, newAddressTable());
        add(table, "Miller", "Ann", "10001");
        add(table, "Müller", "Jörg", "K1A 0B1");
        add(table, "Mueller", "Eva", "60601");
        add(table, "Zeta", "Zoë", "90210");
        apollo.setOrder(apollo.tagArea("LNAME"));
        table.first();
    }
    static bool exact() {
        const bool on = sx_SetExact(false);
        sx_SetExact(on);
        return on;
    }
    static bool softSeek() {
        const bool on = sx_SetSoftSeek(false);
        sx_SetSoftSeek(on);
        return on;
    }
    TTable table;
    TApollo apollo{&table};
};

TEST(KeyText, UpperCasesAndEncodesAsTheIndexKeys) {
    EXPECT_EQ(pc::data::upperKeyText("Mül"), "MÜL");
    EXPECT_EQ(pc::data::upperKeyText("o'neil é"), "O'NEIL É");
    EXPECT_EQ(pc::data::upperKeyText("Łódź"), "?ÓD?");  // not in Windows-1252
    EXPECT_EQ(pc::data::upperKeyText(""), "");
}

TEST(KeyText, MemoSearchIsCaseInsensitiveWithinTheFirst32767Characters) {
    using pc::data::memoContains;
    EXPECT_TRUE(memoContains("Met at the Chicago conference", "chicago"));
    EXPECT_FALSE(memoContains("", "x"));
    EXPECT_FALSE(memoContains("abc", ""));
    EXPECT_FALSE(memoContains("abc", "abd"));
    const QString longMemo = QString(32767, u'.') + "needle";
    EXPECT_FALSE(memoContains(longMemo, "needle"));
    EXPECT_TRUE(memoContains(QString(32761, u'.') + "needle", "NEEDLE"));
    EXPECT_TRUE(memoContains("Grüße aus München", "MÜNCHEN"));
    EXPECT_TRUE(memoContains("GRÜSSE AUS MÜNCHEN", "münchen"));
}

TEST_F(RecordLookupTest, KeySearchFindsAccentedNamesAndRestoresTheSettings) {
    for (const char* typed : {"Mül", "MÜ", "mül", "müller"}) {
        table.first();
        EXPECT_TRUE(pc::data::seekKeyStart(apollo, typed)) << typed;
        EXPECT_EQ(text(table, "LNAME"), "Müller") << typed;
        EXPECT_FALSE(exact());
        EXPECT_FALSE(softSeek());
    }
    table.first();
    EXPECT_TRUE(pc::data::seekKeyStart(apollo, "M"));
    EXPECT_EQ(text(table, "LNAME"), "Miller");
    // No match: the record stays; soft seek is put back even when it was on.
    sx_SetSoftSeek(true);
    sx_SetExact(true);
    EXPECT_FALSE(pc::data::seekKeyStart(apollo, "Mx"));
    EXPECT_EQ(text(table, "LNAME"), "Miller");
    EXPECT_TRUE(softSeek());
    EXPECT_TRUE(exact());
    sx_SetSoftSeek(false);
    sx_SetExact(false);
}

TEST_F(RecordLookupTest, CityStateAndNameMatchPutOrderAndRecordBack) {
    ASSERT_TRUE(pc::data::seekKeyStart(apollo, "Zeta"));
    const int order = apollo.order();

    auto found = pc::data::cityStateForZip(table, apollo, " k1a 0b1 ");
    ASSERT_TRUE(found);
    EXPECT_EQ(text(table, "LNAME"), "Zeta");
    EXPECT_EQ(apollo.order(), order);
    EXPECT_FALSE(pc::data::cityStateForZip(table, apollo, "99999"));
    EXPECT_FALSE(pc::data::cityStateForZip(table, apollo, "  "));

    const int lw = table.fieldByName("LNAME").width();
    const int fw = table.fieldByName("FNAME").width();
    auto key = [&](const QString& last, const QString& first) {
        return pc::data::upperKeyText(last).leftJustified(lw, ' ', true) +
               pc::data::upperKeyText(first).leftJustified(fw, ' ', true);
    };
    auto match = pc::data::findNameMatch(table, apollo, key("müller", "jörg"));
    ASSERT_TRUE(match);
    EXPECT_EQ(match->last, "Müller");
    EXPECT_EQ(match->first, "Jörg");
    EXPECT_EQ(match->zip, "K1A 0B1");
    EXPECT_GT(match->recno, 0);
    EXPECT_EQ(text(table, "LNAME"), "Zeta");
    EXPECT_EQ(apollo.order(), order);
    EXPECT_FALSE(exact());
    // Exact: a longer first name is no match.
    EXPECT_FALSE(pc::data::findNameMatch(table, apollo, key("Müller", "Jörgen")));
}

}  // namespace
}  // namespace pc::test

namespace pc::test {
namespace {

// In "LNAME" order the records run Miller (1), Mueller (3), Müller (2), Zeta (4).
TEST_F(RecordLookupTest, ChosenRecordMustPassTheQueryWhereverItStands) {
    using pc::data::goToChosenRecord;
    const auto chosen = [this](const char* query) {
        EXPECT_TRUE(apollo.setQuery(QString::fromUtf8(query))) << query;
        QList<int> passing;
        for (int recno = 0; recno <= 5; ++recno)
            if (goToChosenRecord(table, apollo, recno)) {
                EXPECT_EQ(table.recNo(), recno);
                EXPECT_FALSE(table.eof()) << recno;
                passing << recno;
            }
        return passing;
    };
    EXPECT_EQ(chosen(""), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(chosen("LNAME <> \"Mueller\""), (QList<int>{1, 2, 4}));  // a gap in the middle
    EXPECT_EQ(chosen("LNAME <> \"Zeta\""), (QList<int>{1, 2, 3}));     // the last one hidden
    EXPECT_EQ(chosen("LNAME <> \"Miller\""), (QList<int>{2, 3, 4}));   // the first one hidden
    EXPECT_EQ(chosen("LNAME = \"Zeta\""), QList<int>{4});              // the only one
}

}  // namespace
}  // namespace pc::test
