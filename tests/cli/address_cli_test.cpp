// `postcraft-cli db create-address` and `db check-index` end to end: the
// built program makes an address database and judges its index.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

const std::string kCli = PC_CLI_PATH;

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), kCli);
    return runProcess(args);
}

// "field: NAME TYPE WIDTH DECIMALS" lines of `db info`, by field name.
std::map<std::string, int> widths(const std::string& info) {
    std::map<std::string, int> out;
    std::istringstream in(info);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string head, name, type;
        int width = 0;
        if (words >> head >> name >> type >> width && head == "field:") out[name] = width;
    }
    return out;
}

const char* const kTags[] = {
    "NAME", "LNAME",   "FNAME",  "TITLE",  "ORG",     "STREET",   "STREET2", "CITY",    "STATE",
    "ZIP",  "COUNTRY", "PHONE",  "PHONE2", "EMAIL",   "FAX",      "USER1",   "USER2",   "DATE",
    "TAG",  "CODES",   "PREFIX", "MIDDLE", "DELETED", "STATEZIP", "ISDEL",   "NOTISDEL"};

TEST(AddressCliTest, CreateAddressUsesTheHomesWidthsAndMakesAValidIndex) {
    TempDir dir;
    const std::string home = dir.file("home");
    std::filesystem::create_directory(home);
    writeFile(home + "/POSTCR.ini", "[NewFileFieldLengths]\nFieldLNAME=22\nFieldZIP=3\n");

    auto r = cli({"db", "create-address", dir.file("ADD0001"), "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    auto info = cli({"db", "info", dir.file("ADD0001.dbf")});
    ASSERT_EQ(info.status, 0) << info.err;
    auto w = widths(info.out);
    EXPECT_EQ(w.size(), 23u);
    EXPECT_EQ(w["LNAME"], 22);
    EXPECT_EQ(w["ZIP"], 10);  // 3 is out of range
    EXPECT_EQ(w["FAX"], 40);

    r = cli({"db", "check-index", dir.file("ADD0001.dbf")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "valid\n");

    // Without a home the built-in widths serve; an existing table is kept.
    r = cli({"db", "create-address", dir.file("plain.dbf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(widths(cli({"db", "info", dir.file("plain.dbf")}).out)["LNAME"], 30);
    r = cli({"db", "create-address", dir.file("plain.dbf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "postcraft-cli: Create failed\n");
}

TEST(AddressCliTest, CheckIndexNamesTheMissingTags) {
    TempDir dir;
    const std::string table = dir.file("ADD0001.DBF");
    ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
    std::filesystem::remove(dir.file("ADD0001.CDX"));
    const std::map<std::string, std::string> kept = {{"NAME", "UPPER(LNAME-FNAME)"},
                                                     {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
                                                     {"ZIP", "UPPER(ZIP)"}};
    for (const auto& [tag, expr] : kept) {
        auto r = cli({"db", "index", table, "--tag", tag, "--expr", expr});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    auto r = cli({"db", "check-index", table});
    EXPECT_EQ(r.status, 1);
    std::string expected = "invalid:";
    for (const char* tag : kTags)
        if (!kept.count(tag)) expected += std::string(" ") + tag;
    EXPECT_EQ(r.out, expected + "\n");

    auto fixture = cli({"db", "check-index", pc::test::fixture("xbase/tags26.dbf")});
    EXPECT_EQ(fixture.out, "valid\n") << fixture.err;
}

TEST(AddressCliTest, TablesThatAreNotAddressDatabasesAreReported) {
    TempDir dir;
    auto r = cli({"db", "check-index", dir.file("missing.dbf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("postcraft-cli: File " + dir.file("missing.dbf") + " not found\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(" * May not be a Postcraft file."), std::string::npos) << r.err;

    ASSERT_EQ(cli({"db", "create", dir.file("other.dbf"), "--fields", "NAME C 10"}).status, 0);
    r = cli({"db", "check-index", dir.file("other.dbf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Unable to open " + dir.file("other.dbf")), std::string::npos);

    EXPECT_EQ(cli({"db", "check-index"}).status, 2);
    EXPECT_EQ(cli({"db", "create-address", "a.dbf", "--home"}).status, 2);
    EXPECT_EQ(cli({"db", "check-index", "a.dbf", "--home", "x"}).status, 2);
}

}  // namespace
}  // namespace pc::test
