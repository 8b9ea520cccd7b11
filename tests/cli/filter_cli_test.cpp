// `postcraft-cli filter` end to end: a saved filter against a home's tag
// identifier and an address table.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

class FilterCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = dir.file("home");
        std::filesystem::create_directory(home);
        writeFile(home + "/POSTCR.ini", "[Misc]\nGlobalTagId=7TAG\n");
        table = dir.file("ADD0001.dbf");
        auto r = cli({"db", "create-address", table, "--home", home});
        ASSERT_EQ(r.status, 0) << r.err;
        writeFile(dir.file("in.csv"),
                  "LNAME,CITY,STATE,CODES,TAG\nBrown,Boston,MA,C,7TAG\nSmith,Austin,TX,B,\n"
                  "Browning,Bostwick,GA,AC,OLD\n");
        r = cli({"db", "append-csv", table, dir.file("in.csv")});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    TempDir dir;
    std::string home, table;
};

TEST_F(FilterCliTest, PrintsFilterQueryAndCount) {
    // Lines: 1 last name ... 16 codes, 19 tagged-only; the file stops early.
    writeFile(dir.file("f.FLT"),
              "Brow\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
              "\r\n\r\n$C\r\n\r\n\r\nT\r\n");
    auto r = cli({"filter", "--flt", dir.file("f.FLT"), "--db", table, "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string filter =
        "UPPER(LNAME)=\"BROW\" and \"C\"$UPPER(CODES) and (UPPER(TAG)=\"7TAG\")";
    EXPECT_EQ(r.out, "filter: " + filter + "\nquery: " + filter + ".and. !ISDEL\ncount: 1\n");

    r = cli({"filter", "--flt", dir.file("f.FLT"), "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "filter: " + filter + "\nquery: " + filter + ".and. !ISDEL\n");
}

TEST_F(FilterCliTest, NoMatchClearsTheQueryAndBadInputIsRefused) {
    writeFile(dir.file("none.flt"), "Zed\n");
    auto r = cli({"filter", "--flt", dir.file("none.flt"), "--db", table, "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "filter: UPPER(LNAME)=\"ZED\"\nquery: !ISDEL\ncount: 0\n");

    writeFile(dir.file("quote.flt"), "a\"b\n");
    r = cli({"filter", "--flt", dir.file("quote.flt"), "--db", table, "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "filter: UPPER(LNAME)='A\"B'\nquery: !ISDEL\ncount: 0\n");

    EXPECT_EQ(cli({"filter"}).status, 2);
    EXPECT_EQ(cli({"filter", "--flt", dir.file("missing.flt")}).status, 1);
    EXPECT_EQ(cli({"filter", "--flt", dir.file("none.flt"), "--db", dir.file("nope.dbf")}).status,
              1);
}

}  // namespace
}  // namespace pc::test
