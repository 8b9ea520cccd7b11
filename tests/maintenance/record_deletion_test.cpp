// Bulk deletion: zap for all, the filter's records, or the others.
#include "maintenance/record_deletion.h"

#include <gtest/gtest.h>

#include "utility_table.h"

namespace pc::maintenance::test {
namespace {

class DeletionRun : public UtilityTable {};

TEST_F(DeletionRun, AllEmptiesTheTableAndReportsTheFormerCount) {
    for (int i = 0; i < 7; ++i) person("P" + QString::number(i), "x");
    EXPECT_EQ(deleteRecords(table, DeleteScope::All, {}), 7);
    EXPECT_EQ(records(), 0);
    EXPECT_EQ(deletedMessage(7), "Deleted 7 records");
}

TEST_F(DeletionRun, NotMatchingNewYorkDeletesEveryOtherStateAndEmptyOnes) {
    const int ny = person("A", "a", {}, {{"STATE", "NY"}});
    const int ca = person("B", "b", {}, {{"STATE", "CA"}});
    const int none = person("C", "c");
    const int ny2 = person("D", "d", {}, {{"STATE", "NY"}});
    EXPECT_EQ(deleteRecords(table, DeleteScope::NotMatching, "STATE=\"NY\""), 2);
    for (int r : {ca, none}) {
        EXPECT_TRUE(deletionMarked(r)) << r;
        EXPECT_EQ(valueOf(r, "ISDEL"), "T") << r;
    }
    EXPECT_FALSE(deletionMarked(ny));
    EXPECT_FALSE(deletionMarked(ny2));
    EXPECT_EQ(records(), 4);  // marked, not removed
}

TEST_F(DeletionRun, MatchingDeletesTheFiltersRecordsOnceAndNoFilterMeansAll) {
    const int a = person("SMITH", "a"), b = person("SMITH", "b"), c = person("JONES", "c");
    EXPECT_EQ(deleteRecords(table, DeleteScope::Matching, "LNAME=\"SMITH\""), 2);
    EXPECT_TRUE(deletionMarked(a));
    EXPECT_TRUE(deletionMarked(b));
    EXPECT_FALSE(deletionMarked(c));
    // Already deleted records are not counted again.
    EXPECT_EQ(deleteRecords(table, DeleteScope::Matching, "LNAME=\"SMITH\""), 0);
    EXPECT_EQ(deleteRecords(table, DeleteScope::NotMatching, ""), 3);
    EXPECT_EQ(records(), 0);
}

}  // namespace
}  // namespace pc::maintenance::test
