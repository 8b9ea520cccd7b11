// The table utility verbs end to end: replace, convert-case, delete, export
// and check-dup over a real address table.
#include <gtest/gtest.h>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

class UtilitiesCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table = dir.file("ADD0001.DBF");
        ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
        // 1-3 BAKER, 4 an ISDEL twin, 5 no state.
        writeFile(dir.file("in.csv"),
                  "LNAME,FNAME,STREET,STATE,ZIP,ISDEL\n"
                  "BAKER,JOHN,12 MAIN ST,NY,10001,F\n"
                  "Baker,john,\"4 \"\"Oak\"\" Ave\",CA,10001,F\n"
                  "BAKSHI,JANE,12 MAIN STREET,NY,10001,F\n"
                  "BAKER,JOHN,12 MAIN ST,NY,10001,T\n"
                  "\"O\"\"Brien\",pat o'neil,,,10001,F\n");
        ASSERT_EQ(cli({"db", "append-csv", table, dir.file("in.csv")}).status, 0);
        // A saved filter for the state NY (line 9 of 20).
        writeFile(dir.file("ny.flt"), std::string(8, '\n') + "NY\n");
    }
    // A character field of a record, from the JSON lines of `db dump`.
    std::string field(int record, const std::string& name) {
        ProcessResult r = cli({"db", "dump", table, "--deleted"});
        EXPECT_EQ(r.status, 0) << r.err;
        const size_t line = r.out.find("{\"_recno\": " + std::to_string(record) + ",");
        size_t at = r.out.find("\"" + name + "\": \"", line);
        if (line == std::string::npos || at == std::string::npos) return "?";
        std::string value;
        for (at += name.size() + 5; at < r.out.size() && r.out[at] != '"'; ++at) {
            if (r.out[at] == '\\') ++at;
            value += r.out[at];
        }
        return value;
    }

    TempDir dir;
    std::string table;
};

TEST_F(UtilitiesCliTest, CheckDupPrintsRecordsInIndexOrderAndThePairCount) {
    ProcessResult r = cli({"check-dup", table, "--kind", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\n2\nFound 1 possible duplicates\n");  // the ISDEL twin stays out
    r = cli({"check-dup", table, "--kind", "1"});
    EXPECT_EQ(r.out, "1\n2\nFound 1 possible duplicates\n");
    r = cli({"check-dup", table, "--kind", "2", "--chars", "10"});
    EXPECT_EQ(r.out, "1\n3\nFound 1 possible duplicates\n");
    r = cli({"check-dup", table, "--kind", "2"});
    EXPECT_EQ(r.out, "Found 0 possible duplicates\n");
    // BAKER JOHN / BAKSHI JANE score 0.795, 12 MAIN ST / 12 MAIN STREET 0.943.
    r = cli({"check-dup", table, "--kind", "3", "--threshold", "0.79"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\n3\nFound 1 possible duplicates\n");
    EXPECT_EQ(cli({"check-dup", table, "--kind", "3"}).out, "Found 0 possible duplicates\n");
    EXPECT_EQ(cli({"check-dup", table}).status, 2);
    EXPECT_EQ(cli({"check-dup", table, "--kind", "4"}).status, 2);
    EXPECT_EQ(cli({"check-dup", table, "--kind", "0", "--chars", "5"}).status, 2);
}

TEST_F(UtilitiesCliTest, ReplaceCountsChangedRecordsAndKeepsToTheFilter) {
    ProcessResult r = cli({"replace", table, "--field", "LNAME", "--find", "BAK",
                           "--case-sensitive", "--with", "X", "--flt", dir.file("ny.flt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(field(1, "LNAME"), "X");
    EXPECT_EQ(field(3, "LNAME"), "X");
    EXPECT_EQ(field(4, "LNAME"), "BAKER");  // ISDEL
    r = cli({"replace", table, "--field", "street", "--find", "main", "--contains", "--partial",
             "--with", "Elm"});
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(field(1, "STREET"), "12 Elm ST");
    r = cli({"replace", table, "--field", "LNAME", "--find", "O\"B", "--partial", "--with", "O'B"});
    EXPECT_EQ(r.out, "1\n");
    EXPECT_EQ(field(5, "LNAME"), "O'Brien");
    r = cli({"replace", table, "--field", "LNAME", "--find", "nobody", "--with", ""});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\n");
    EXPECT_EQ(cli({"replace", table, "--field", "MEMO", "--find", "a", "--with", "b"}).status, 2);
    EXPECT_EQ(cli({"replace", table, "--field", "LNAME", "--with", "b"}).status, 2);
}

TEST_F(UtilitiesCliTest, ConvertCaseChangesTheChosenFields) {
    ProcessResult r = cli({"convert-case", table, "--to", "first", "--fields", "FNAME"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "4\n");
    EXPECT_EQ(field(5, "FNAME"), "Pat O'neil");
    EXPECT_EQ(field(1, "LNAME"), "BAKER");
    EXPECT_EQ(field(4, "FNAME"), "JOHN");  // ISDEL
    r = cli({"convert-case", table, "--to", "lower", "--flt", dir.file("ny.flt")});
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(field(3, "STREET"), "12 main street");
    EXPECT_EQ(field(2, "LNAME"), "Baker");
    EXPECT_EQ(cli({"convert-case", table, "--to", "title"}).status, 2);
    EXPECT_EQ(cli({"convert-case", table, "--to", "upper", "--fields", "MEMO"}).status, 2);
}

TEST_F(UtilitiesCliTest, ExportWritesTextAsDesignedOrRfc4180AndRefusesItself) {
    ProcessResult r = cli({"export", table, "--text", dir.file("out.txt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "4\n");
    const std::string text = readFile(dir.file("out.txt"));
    EXPECT_NE(text.find("\"4 \"Oak\" Ave\""), std::string::npos) << text;
    EXPECT_NE(text.find(",\"O\"Brien\","), std::string::npos);
    r = cli({"export", table, "--text", dir.file("out.csv"), "--rfc4180", "--encoding", "utf-8",
             "--flt", dir.file("ny.flt")});
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(readFile(dir.file("out.csv")).rfind("PREFIX,FNAME,", 0), 0u);
    r = cli({"export", table, "--dbf", dir.file("COPY.DBF")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "4\n");
    r = cli({"export", table, "--dbf", dir.file("add0001.dbf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot copy a file to itself!"), std::string::npos);
    EXPECT_EQ(cli({"export", table, "--dbf", dir.file("copy.txt")}).status, 1);
    EXPECT_EQ(cli({"export", table}).status, 2);
    EXPECT_EQ(cli({"export", table, "--dbf", dir.file("C.DBF"), "--rfc4180"}).status, 2);
}

TEST_F(UtilitiesCliTest, DeleteNotMatchingTakesEmptyStatesAndAllZaps) {
    ProcessResult r = cli({"delete", table, "--not-matching", "--flt", dir.file("ny.flt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2\n");  // CA and the empty state
    r = cli({"check-dup", table, "--kind", "1"});
    EXPECT_EQ(r.out, "Found 0 possible duplicates\n");
    EXPECT_EQ(cli({"delete", table, "--matching"}).status, 2);
    r = cli({"delete", table, "--all"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "5\n");
    r = cli({"export", table, "--text", dir.file("empty.txt")});
    EXPECT_EQ(r.out, "0\n");
}

}  // namespace
}  // namespace pc::test
