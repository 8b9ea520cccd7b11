// `postcraft-cli presort` over a real address table.
#include <gtest/gtest.h>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

TEST(PresortCli, PrintsTheOrderAsThePresortFileHoldsIt) {
    TempDir dir;
    const std::string table = dir.file("MAIL.DBF");
    ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
    std::string csv = "LNAME,ZIP\n";
    for (int i = 0; i < 12; ++i) csv += "A,12345\n";
    for (int i = 0; i < 3; ++i) csv += "B,12346-0001\n";
    csv += "C,00501\nD,ABCDE\nE,56901\n";
    writeFile(dir.file("mail.csv"), csv);
    ASSERT_EQ(cli({"db", "append-csv", table, dir.file("mail.csv")}).status, 0);

    ProcessResult r = cli({"presort", table});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "** 5-digit 12345\r\n12345\r\n** ADC ALBANY NY 120\r\n12346\r\n"
              "** ADC LONG ISLAND NY 117\r\n00501\r\n** Unknown\r\n56901\r\n");

    // Deleted records are not counted: nine pieces of 12345 are no 5-digit
    // group, but with 12346 they make a 3-digit one.
    ASSERT_EQ(cli({"db", "delete", table, "--query", "RECNO()<=3"}).status, 0);
    r = cli({"presort", table, "--out", dir.file("PRESORT.PSL")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    const std::string file = readFile(dir.file("PRESORT.PSL"));
    EXPECT_EQ(file,
              "** 3-digit 123\r\n12345\r\n12346\r\n** ADC LONG ISLAND NY 117\r\n00501\r\n"
              "** Unknown\r\n56901\r\n");

    EXPECT_EQ(cli({"presort"}).status, 2);
    EXPECT_NE(cli({"presort", dir.file("none.dbf")}).status, 0);
}

}  // namespace
}  // namespace pc::test
