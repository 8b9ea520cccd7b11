// `postcraft-cli db rebuild` end to end: deleted records go for good, the
// 26 tags come back even when the index file was lost.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(PC_CLI_PATH));
    return runProcess(args);
}

// An address database of five people, two of them deletion-marked.
std::string fivePeopleTwoDeleted(TempDir& dir) {
    const std::string table = dir.file("ADD0001.dbf");
    EXPECT_EQ(cli({"db", "create-address", dir.file("ADD0001")}).status, 0);
    writeFile(dir.file("people.csv"),
              "LNAME,FNAME,ZIP\nAdams,Ann,10001\nBrown,Bob,20002\nClark,Cy,30003\n"
              "Dunn,Di,40004\nEvans,Ed,50005\n");
    auto r = cli({"db", "append-csv", table, dir.file("people.csv")});
    EXPECT_EQ(r.status, 0) << r.err;
    r = cli({"db", "delete", table, "--query", "LNAME='Brown' .or. LNAME='Dunn'"});
    EXPECT_EQ(r.status, 0) << r.err;
    return table;
}

TEST(RebuildCliTest, PacksDeletedRecordsAndLeavesAValidIndex) {
    TempDir dir;
    const std::string table = fivePeopleTwoDeleted(dir);

    auto r = cli({"db", "rebuild", table});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "3\n");
    EXPECT_EQ(cli({"db", "check-index", table}).out, "valid\n");
    // The rebuilt ZIP tag finds a survivor and not a packed record.
    EXPECT_EQ(cli({"db", "seek", table, "--tag", "ZIP", "30003"}).status, 0);
    EXPECT_NE(cli({"db", "seek", table, "--tag", "ZIP", "20002"}).status, 0);

    // Nothing left to remove: the count stays.
    EXPECT_EQ(cli({"db", "rebuild", table}).out, "3\n");
}

TEST(RebuildCliTest, RebuildsALostIndexFile) {
    TempDir dir;
    const std::string table = fivePeopleTwoDeleted(dir);
    std::filesystem::remove(dir.file("ADD0001.cdx"));
    std::filesystem::remove(dir.file("ADD0001.CDX"));
    EXPECT_NE(cli({"db", "check-index", table}).status, 0);

    auto r = cli({"db", "rebuild", table});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "3\n");
    EXPECT_EQ(cli({"db", "check-index", table}).out, "valid\n");
}

TEST(RebuildCliTest, FailsCleanlyOnAMissingTableAndBadUsage) {
    TempDir dir;
    auto r = cli({"db", "rebuild", dir.file("nothere.dbf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not found"), std::string::npos) << r.err;
    EXPECT_EQ(cli({"db", "rebuild"}).status, 2);
    EXPECT_EQ(cli({"db", "rebuild", "a.dbf", "b.dbf"}).status, 2);
}

}  // namespace
}  // namespace pc::test
