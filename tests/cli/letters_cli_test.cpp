// `postcraft-cli letters` on a scratch home: adding, listing and showing
// letters, merging a record as text and RTF, and printing to PDF.
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

const char* const kLetterRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\paperw12240\\paperh15840\\margl1440\\margr1440"
    "\\margt1440\\margb1440\\f0\\fs20 [Name and Address]\\par Dear {\\b [First]},\\par "
    "{\\i [Long Date]} [Nobody]\\par}";

// The page count pdfinfo reports; -1 without pdfinfo.
int pdfPages(const std::string& pdf) {
    const ProcessResult info = runProcess({"pdfinfo", pdf});
    const size_t at = info.out.find("Pages:");
    if (info.status != 0 || at == std::string::npos) return -1;
    return std::stoi(info.out.substr(at + 6));
}

class LettersCli : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(home + "/sysdata");
        ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
        writeFile(dir.file("people.csv"),
                  "LNAME,FNAME,STREET,CITY,STATE,ZIP\nZulu,Zoe,1 Main St,Oslo,,0150\n"
                  "Alpha,Ann,2 Side St,Springfield,IL,62701\nMike,Max,,,,\n");
        ASSERT_EQ(cli({"db", "append-csv", table, dir.file("people.csv")}).status, 0);
        writeFile(dir.file("letter.rtf"), kLetterRtf);
    }
    ProcessResult addLetter(const std::string& description) {
        return cli({"letters", "add", "--home", home, "--description", description, "--rtf",
                    dir.file("letter.rtf")});
    }

    TempDir dir;
    std::string home = dir.file("home");
    std::string table = dir.file("PEOPLE.DBF");
};

TEST_F(LettersCli, AddListAndShowInDescriptionOrder) {
    ASSERT_EQ(addLetter("Welcome").status, 0);
    ASSERT_EQ(addLetter("Appeal").status, 0);
    ProcessResult r = cli({"letters", "list", "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    const size_t appeal = r.out.find("{\"DESCRIPT\": \"Appeal\", \"RTF\": \"{\\\\rtf1");
    ASSERT_NE(appeal, std::string::npos) << r.out;
    EXPECT_LT(appeal, r.out.find("{\"DESCRIPT\": \"Welcome\""));

    r = cli({"letters", "show", "--home", home, "--letter", "Welcome"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 6), "{\\rtf1");
    EXPECT_NE(r.out.size() % 4, 0u) << "the stored text is never a multiple of 4 long";
    EXPECT_NE(cli({"letters", "show", "--home", home, "--letter", "Nope"}).status, 0);

    writeFile(dir.file("bad.rtf"), "not rtf at all");
    EXPECT_NE(cli({"letters", "add", "--home", home, "--description", "Bad", "--rtf",
                   dir.file("bad.rtf")})
                  .status,
              0);
}

TEST_F(LettersCli, MergeGivesTheRecordAsTextOrRtf) {
    ASSERT_EQ(addLetter("Welcome").status, 0);
    ProcessResult r = cli({"letters", "merge", "--home", home, "--db", table, "--letter", "Welcome",
                           "--record", "1", "--date", "20260307", "--text"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Zoe Zulu \n1 Main St\nOslo  0150\n\nDear Zoe,\nMar 7, 2026 [Nobody]\n");

    r = cli({"letters", "merge", "--home", home, "--db", table, "--letter", "Welcome", "--record",
             "2", "--date", "20260307", "--rtf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 6), "{\\rtf1");
    writeFile(dir.file("merged.rtf"), r.out);
    r = cli({"rtf", "text", dir.file("merged.rtf")});
    EXPECT_NE(r.out.find("Dear Ann,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Springfield IL  62701"), std::string::npos) << r.out;
}

TEST_F(LettersCli, MergeRefusesRecordsOutOfRangeOrDeletedAndBadOptions) {
    ASSERT_EQ(addLetter("Welcome").status, 0);
    const auto merge = [&](const std::string& record, const std::string& extra = "--text") {
        return cli({"letters", "merge", "--home", home, "--db", table, "--letter", "Welcome",
                    "--record", record, extra});
    };
    ProcessResult r = merge("4");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("no record 4"), std::string::npos) << r.err;
    EXPECT_NE(merge("0").status, 0);
    EXPECT_NE(merge("x").status, 0);
    EXPECT_NE(cli({"letters", "merge", "--home", home, "--db", table, "--letter", "Welcome",
                   "--record", "1", "--date", "2026-03-07", "--text"})
                  .status,
              0);
    ASSERT_EQ(cli({"db", "delete", table, "--query", "RECNO()=3"}).status, 0);
    r = merge("3");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("deleted"), std::string::npos) << r.err;
}

TEST_F(LettersCli, PrintMakesOnePdfPagePerLetterAndCopy) {
    ASSERT_EQ(addLetter("Welcome").status, 0);
    const std::string pdf = dir.file("out.pdf");
    ProcessResult r = cli({"letters", "print", "--home", home, "--db", table, "--letter", "Welcome",
                           "--copies", "2", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(pdf).substr(0, 4), "%PDF");
    if (pdfPages(pdf) < 0) GTEST_SKIP() << "pdfinfo is not installed";
    EXPECT_EQ(pdfPages(pdf), 6);
    const ProcessResult text = runProcess({"pdftotext", "-f", "1", "-l", "1", pdf, "-"});
    EXPECT_NE(text.out.find("Dear Ann,"), std::string::npos) << "\"Last Name\" order";

    r = cli({"letters", "print", "--home", home, "--db", table, "--letter", "Welcome", "--records",
             "current", "--start-record", "3", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_NE(runProcess({"pdftotext", pdf, "-"}).out.find("Dear Max,"), std::string::npos);
}

}  // namespace
}  // namespace pc::test
