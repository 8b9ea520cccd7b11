// The engine-access object: every call in the table's own work area, moves
// seen by the table object, queries, scope, and the engine check.
#include "data/t_apollo.h"

#include "data/data_error.h"
#include "data_test_support.h"

namespace pc::test {
namespace {

using pc::data::TApollo;
using pc::data::TApolloEnv;
using pc::data::TTable;

class ApolloTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        openAddress(table, newAddressTable());
        for (const char* name : {"Evans", "Adams", "Baker", "Bishop", "Carter", "Cole", "Davis"})
            add(table, name);
        apollo.setOrder(apollo.tagArea("LNAME"));
    }
    QStringList names() {
        QStringList out;
        for (table.first(); !table.eof(); table.next()) out << text(table, "LNAME");
        return out;
    }
    TTable table;
    TApollo apollo{&table};
};

TEST_F(ApolloTest, CallsLeaveTheEngineSelectionAsTheyFoundIt) {
    TTable other;
    openAddress(other, newAddressTable("ADD0002.DBF"));
    const int otherArea = other.workArea();
    sx_Select(otherArea);
    EXPECT_EQ(apollo.recCount(), 7);
    EXPECT_TRUE(apollo.seek("CARTER"));
    apollo.setQuery("LNAME = 'B'");
    EXPECT_EQ(sx_Select(otherArea), otherArea);
    EXPECT_EQ(sx_RecCount(), 0);  // still the other table
}

TEST_F(ApolloTest, MovesAreFollowedByTheTableObject) {
    EXPECT_TRUE(apollo.seek("CA"));
    EXPECT_EQ(text(table, "LNAME"), "Carter");
    EXPECT_TRUE(apollo.go(1));
    EXPECT_EQ(text(table, "LNAME"), "Evans");
    EXPECT_EQ(apollo.recNo(), 1);

    EXPECT_FALSE(apollo.seek("ZZZ"));
    EXPECT_FALSE(table.hasCurrentRecord());
    EXPECT_EQ(apollo.recNo(), apollo.recCount() + 1);
    EXPECT_EQ(text(table, "LNAME"), "");
}

TEST_F(ApolloTest, AHeldEditIsPostedBeforeTheEngineMoves) {
    table.first();
    table.edit();
    table.fieldByName("CITY").setText("Boston");
    EXPECT_TRUE(apollo.seek("DAVIS"));
    EXPECT_EQ(table.state(), pc::data::TDataSetState::Browse);
    EXPECT_TRUE(apollo.seek("ADAMS"));
    EXPECT_EQ(text(table, "CITY"), "Boston");
}

TEST_F(ApolloTest, QueriesRestrictMovesAndCounts) {
    EXPECT_TRUE(apollo.queryTest("UPPER(LNAME) = 'B'"));
    EXPECT_FALSE(apollo.queryTest("LNAME +"));
    EXPECT_FALSE(apollo.queryTest("LNAME"));  // not logical

    EXPECT_TRUE(apollo.setQuery("UPPER(LNAME) = 'B' .and. !ISDEL"));
    EXPECT_EQ(apollo.query(), "UPPER(LNAME) = 'B' .and. !ISDEL");
    EXPECT_EQ(apollo.queryRecCount(), 2);
    EXPECT_EQ(names(), QStringList({"Baker", "Bishop"}));

    EXPECT_FALSE(apollo.setQuery("LNAME +"));
    EXPECT_FALSE(apollo.lastError().isEmpty());
    EXPECT_EQ(apollo.query(), "UPPER(LNAME) = 'B' .and. !ISDEL");  // the old one stays

    EXPECT_TRUE(apollo.setQuery(""));
    EXPECT_EQ(apollo.queryRecCount(), 7);
}

TEST_F(ApolloTest, ScopeLimitsTheOrderItWasSetOn) {
    ASSERT_TRUE(apollo.setScope("B", "C"));
    EXPECT_TRUE(apollo.hasScope());
    EXPECT_EQ(names(), QStringList({"Baker", "Bishop", "Carter", "Cole"}));

    apollo.setQuery("UPPER(LNAME) <> 'COLE'");
    EXPECT_EQ(apollo.query(), "UPPER(LNAME) <> 'COLE'");
    EXPECT_EQ(names(), QStringList({"Baker", "Bishop", "Carter"}));

    // A change of order ends the scope.
    apollo.setOrder(apollo.tagArea("FNAME"));
    EXPECT_FALSE(apollo.hasScope());
    apollo.setOrder(apollo.tagArea("LNAME"));
    EXPECT_EQ(names().size(), 6);

    ASSERT_TRUE(apollo.setScope("B", "C"));
    apollo.clearScope();
    EXPECT_FALSE(apollo.hasScope());
    EXPECT_EQ(names().size(), 6);
}

TEST_F(ApolloTest, ScopeWithOneOpenEndOrAwkwardTextStillWorks) {
    ASSERT_TRUE(apollo.setScope("", "BAKER"));
    EXPECT_EQ(names(), QStringList({"Adams", "Baker"}));
    ASSERT_TRUE(apollo.setScope("D", ""));
    EXPECT_EQ(names(), QStringList({"Davis", "Evans"}));
    EXPECT_TRUE(apollo.setScope("\"'", "]\"'%1"));  // any text: bounds are not expressions
    EXPECT_EQ(names().size(), 7);  // every upper-case name lies between '"' and ']'
    apollo.clearScope();
    EXPECT_EQ(names().size(), 7);
}

TEST_F(ApolloTest, ScopeNeedsAnOrder) {
    apollo.setOrder(0);
    EXPECT_FALSE(apollo.setScope("A", "B"));
    EXPECT_FALSE(apollo.hasScope());
    EXPECT_EQ(apollo.queryRecCount(), 7);
}

TEST_F(ApolloTest, PackReportsProgressAndRemovesDeletedRecords) {
    table.first();
    table.deleteRecord();
    std::vector<int> seen;
    apollo.setProgress([&seen](int p, int total) {
        EXPECT_EQ(total, 100);
        seen.push_back(p);
        return true;
    });
    EXPECT_TRUE(apollo.pack());
    EXPECT_EQ(apollo.recCount(), 6);
    EXPECT_FALSE(seen.empty());
    EXPECT_EQ(text(table, "LNAME"), "Baker");  // the table follows the engine
    EXPECT_TRUE(apollo.zap());
    EXPECT_EQ(apollo.recCount(), 0);
    EXPECT_FALSE(table.hasCurrentRecord());
}

TEST_F(ApolloTest, CallsOnAClosedTableFailQuietly) {
    table.close();
    EXPECT_EQ(apollo.recNo(), 0);
    EXPECT_FALSE(apollo.seek("A"));
    EXPECT_FALSE(apollo.pack());
    EXPECT_EQ(apollo.indexTag("X", "LNAME"), 0);
    EXPECT_EQ(apollo.lastError(), "No table is open");
}

TEST(ApolloEnvTest, AnEngineWithoutVersionKeepsEveryTableClosed) {
    pc::text::ScopedRecordingMessages messages;
    EXPECT_FALSE(TApolloEnv::checkVersion(""));
    EXPECT_EQ(messages->texts(),
              QStringList({"SuccessWare Database Engine VCL Requires SDE2532.DLL Version 2.40.00 "
                           "or later."}));
    TTable table;
    table.setFolder("/nowhere");
    table.setFileName("X.DBF");
    EXPECT_THROW(table.open(), pc::data::DataError);
    EXPECT_TRUE(TApolloEnv::checkVersion("1.0"));
    EXPECT_TRUE(TApolloEnv::engineUsable());
}

}  // namespace
}  // namespace pc::test
