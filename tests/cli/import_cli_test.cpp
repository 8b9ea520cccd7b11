// `postcraft-cli ascii-split` and `import` end to end.
#include <gtest/gtest.h>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(PC_CLI_PATH));
    return runProcess(args);
}

TEST(ImportCliTest, AsciiSplitShowsEachLineAsTheImportCutsIt) {
    TempDir dir;
    writeFile(dir.file("in.csv"), "a,\"b,c\",d\r\n\"x\"\"y\",b,c\rlast");
    const auto r = cli({"ascii-split", dir.file("in.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "[\"a\", \"b,c\", \"d\"]\n[\"\\\"x\\\"\\\"y\\\",b,c\"]\n[\"last\"]\n");
    EXPECT_EQ(cli({"ascii-split"}).status, 2);
}

TEST(ImportCliTest, ImportsPrintTheCountAndWhatWasLost) {
    TempDir dir;
    ASSERT_EQ(cli({"db", "create-address", dir.file("ADD0001")}).status, 0);
    const std::string table = dir.file("ADD0001.dbf");
    writeFile(dir.file("a.csv"), "Adams,Ann\nLi,\xE6\x98\x8E\n");
    auto r = cli({"import", "ascii", table, dir.file("a.csv"), "--map", "1=LNAME,2=First Name"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2\n1 character could not be stored and became \"?\": \xE6\x98\x8E\n");
    writeFile(dir.file("h.csv"), "Last Name,E-mail Address\nBrown,b@example.org\n");
    r = cli({"import", "csv", table, dir.file("h.csv")});
    EXPECT_EQ(r.out, "1\n");
    EXPECT_EQ(cli({"db", "check-index", table}).out, "valid\n");
    EXPECT_EQ(cli({"import", "ascii", table, dir.file("a.csv")}).status, 2);  // no --map
}

}  // namespace
}  // namespace pc::test
