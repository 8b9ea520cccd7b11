// `postcraft-cli zipcount` and `postcraft-cli check-zip` over real address
// tables: the key rules of the count, and the ranges, blanks, deleted and
// ISDEL records of the check.
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

std::string addressTable(const TempDir& dir, const std::string& csv) {
    const std::string table = dir.file("MAIL.DBF");
    EXPECT_EQ(cli({"db", "create-address", table}).status, 0);
    writeFile(dir.file("mail.csv"), csv);
    ProcessResult r = cli({"db", "append-csv", table, dir.file("mail.csv")});
    EXPECT_EQ(r.status, 0) << r.err;
    return table;
}

TEST(ZipCountCli, ListsValidKeysThenOtherKeysThenBlank) {
    TempDir dir;
    std::string csv = "LNAME,ZIP\n";
    for (int i = 0; i < 3; ++i) csv += "A,12345-6789\n";
    csv += "B,12345\nB,12345\nC,1234\nD,K1A 0B1\nE,\nF,00501\nG,99999\nH,\n";
    for (int i = 0; i < 1234; ++i) csv += "I,60601\n";
    const std::string table = addressTable(dir, csv);

    ProcessResult r = cli({"zipcount", table});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "00501     1\n"
              "12345     5\n"
              "60601     1,234\n"
              "99999     1\n"
              "\n\n"
              "1234      1\n"
              "K1A 0     1\n"
              "BLANK     2\n");

    // Deleted and ISDEL records are not counted; every key valid still
    // leaves the two empty lines.
    ASSERT_EQ(cli({"db", "delete", table, "--query", "LEN(TRIM(ZIP)) <> 5 .or. ZIP = '6'"}).status,
              0);
    writeFile(dir.file("isdel.csv"), "LNAME,ZIP,ISDEL\nJ,11111,T\n");
    ASSERT_EQ(cli({"db", "append-csv", table, dir.file("isdel.csv")}).status, 0);
    r = cli({"zipcount", table});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "00501     1\n12345     2\n99999     1\n\n\n");

    EXPECT_EQ(cli({"zipcount"}).status, 2);
    EXPECT_EQ(cli({"zipcount", table, "--bogus"}).status, 2);
    EXPECT_NE(cli({"zipcount", dir.file("none.dbf")}).status, 0);
}

class CheckZipCli : public ::testing::Test {
  protected:
    void SetUp() override {
        csz_ = dir_.file("STATES.DBF");
        ASSERT_EQ(cli({"db", "create", csz_, "--fields",
                       "NAME C 30, STATE C 4, LOW_ZIP C 10, HIGH_ZIP C 10"})
                      .status,
                  0);
        // A state listed twice is checked against its first row only.
        writeFile(dir_.file("states.csv"),
                  "NAME,STATE,LOW_ZIP,HIGH_ZIP\n"
                  "New York,NY,10000,14999\n"
                  "Ontario,ON,K0A 0A0,P9Z 9Z9\n"
                  "New York,NY,00500,00599\n");
        ASSERT_EQ(cli({"db", "append-csv", csz_, dir_.file("states.csv")}).status, 0);
    }
    ProcessResult check(const std::string& table, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"check-zip", table, "--csz", csz_};
        args.insert(args.end(), more.begin(), more.end());
        return cli(args);
    }
    TempDir dir_;
    std::string csz_;
};

TEST_F(CheckZipCli, ReportsRecordsOutsideTheirStatesRange) {
    const std::string table = addressTable(dir_,
                                           "LNAME,STATE,ZIP,ISDEL\n"
                                           "A,NY,15001,F\n"       // 1 above the range
                                           "B,NY,12345,F\n"       // 2 fine
                                           "C,NY,12345-6789,F\n"  // 3 fine: sorts before 14999
                                           "D,NY,14999-0001,F\n"  // 4 sorts after 14999
                                           "E,ny,12345,F\n"       // 5 lower case is not found
                                           "F,CA,90210,F\n"       // 6 state missing
                                           "G,NY,,F\n"            // 7 blank ZIP
                                           "H,,12345,F\n"         // 8 blank state
                                           "I,ON,K1A 0B1,F\n"     // 9 fine
                                           "J,NY,00501,F\n"       // 10 only the first NY row counts
                                           "K,CA,90210,T\n");     // 11 ISDEL: not checked
    ProcessResult r = check(table);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\n4\n5\n6\n10\nFound 5 records with questionable state or zipcodes\n");
    r = check(table, {"--blanks"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\n4\n5\n6\n7\n8\n10\nFound 7 records with questionable state or zipcodes\n");
    EXPECT_FALSE(std::filesystem::exists(dir_.file("_chksz.idx")))
        << "the temporary index is gone afterwards";
    // The check built the missing STATE tag of the state table.
    ProcessResult info = cli({"db", "info", csz_});
    EXPECT_NE(info.out.find("STATE"), std::string::npos) << info.out;

    // A deleted record is not checked; a run finding nothing still succeeds.
    ASSERT_EQ(cli({"db", "delete", table, "--query", "RECNO() <> 2"}).status, 0);
    r = check(table, {"--blanks"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Found 0 records with questionable state or zipcodes\n");

    EXPECT_EQ(cli({"check-zip"}).status, 2);
    EXPECT_NE(check(table, {"--csz"}).status, 0);
    EXPECT_NE(cli({"check-zip", table, "--csz", dir_.file("none.dbf")}).status, 0);
}

TEST_F(CheckZipCli, TheShippedStateTableKnowsEveryStateAndProvince) {
    std::string csv = "LNAME,STATE,ZIP\n";
    for (const char* row : {"NY,10001", "CA,94105-1234", "TX,73301", "DC,20500", "PR,00901",
                            "AE,09012", "AP,96201", "GU,96910", "AK,99501", "ON,M5V 3L9",
                            "QC,H3B 1A1", "NU,X0A 0H0", "YT,Y1A 1A1", "BC,V6B 1A1"}) {
        csv += std::string("A,") + row + "\n";
    }
    csv += "A,ZZ,12345\n";  // 15: no such state
    csv += "A,NY,90210\n";  // 16: far outside New York
    const std::string table = addressTable(dir_, csv);
    ProcessResult r = cli({"check-zip", table});
    ASSERT_EQ(r.status, 0) << r.err;
    // Texas's IRS prefix 733 is a second range: only the first row counts.
    EXPECT_EQ(r.out, "3\n15\n16\nFound 3 records with questionable state or zipcodes\n");
}

}  // namespace
}  // namespace pc::test
