// `postcraft-cli reports list|add|print` and `record print` on a scratch
// home: rows and files, the text and places of printed reports in the PDF.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "pdf_words.h"
#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

// The bytes of a report layout file, built value by value.
class ReportBytes {
  public:
    void beginList() { bytes_ += '\x01'; }
    void endList() { bytes_ += '\0'; }
    void integer(int v) {
        bytes_ += '\x04';
        for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    void text(const std::string& s) {
        bytes_ += '\x06';
        shortString(s);
    }
    void boolean(bool on) { bytes_ += on ? '\x09' : '\x08'; }
    // An object with its bounds and text properties.
    void object(const std::string& cls, const std::string& name, int left, int top, int width,
                int height, std::vector<std::pair<std::string, std::string>> texts = {}) {
        bytes_ += "TPF0";
        shortString(cls);
        shortString(name);
        for (const auto& [property, value] : std::vector<std::pair<std::string, int>>{
                 {"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}}) {
            shortString(property);
            integer(value);
        }
        for (const auto& [property, value] : texts) {
            shortString(property);
            text(value);
        }
        bytes_ += '\0';
        bytes_ += '\0';
    }
    // The settings of a Letter report with header, detail and footer.
    void settings(bool memo = false) {
        beginList();
        for (int v : {8500, 11000, 500, 500, 500, 500, 343, 343, 343}) integer(v);
        for (bool on : {true, true, memo, true}) boolean(on);
        for (int font = 0; font < 2; ++font) {
            text("Arial");
            integer(10);
            boolean(false);
            boolean(false);
            if (font == 0) integer(0);
        }
        for (int band = 0; band < 4; ++band) {
            for (int side = 0; side < 4; ++side) boolean(band == 1);
            integer(1);
            integer(0);
            integer(0xFFFFFF);
        }
        endList();
    }
    const std::string& bytes() const { return bytes_; }

  private:
    void shortString(const std::string& s) {
        bytes_ += static_cast<char>(s.size());
        bytes_ += s;
    }
    std::string bytes_;
};

std::string pdfText(const std::string& pdf) {
    return runProcess({"pdftotext", "-layout", pdf, "-"}).out;
}

bool havePdfTools() {
    return runProcess({"pdftotext", "-v"}).status == 0;
}

class ReportsCli : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(home + "/sysdata"); }

    void makeTable(const std::string& csv) {
        ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
        writeFile(dir.file("people.csv"), csv);
        ASSERT_EQ(cli({"db", "append-csv", table, dir.file("people.csv")}).status, 0);
    }
    ProcessResult print(std::vector<std::string> extra) {
        std::vector<std::string> args{"reports", "print",  "--home",   home,    "--db",
                                      table,     "--date", "20260309", "--pdf", pdf};
        args.insert(args.end(), extra.begin(), extra.end());
        return cli(args);
    }

    TempDir dir;
    std::string home = dir.file("home");
    std::string table = dir.file("PEOPLE.DBF");
    std::string pdf = dir.file("out.pdf");
};

const char* const kPeople =
    "LNAME,FNAME,MIDDLE,PREFIX,TITLE,ORG,STREET,CITY,STATE,ZIP,PHONE,FAX,CODES,MEMO\n"
    "Alpha,Ann,B,,Boss,Acme,1 Main St,Springfield,IL,62701,555-1111,555-1112,VIP,Likes tea\n"
    ",Nobody,,,,Zeta Org,,,,,,,,\n"
    "Bravo,Bob,,deleted,,Beta,2 Oak Ave,Columbus,OH,43004,555-2222,,,\n"
    "Charlie,Cat,,Dr.,,,1234567890123456789012345678901234567890,Boston,MA,02101,555-3333,,,\n";

TEST_F(ReportsCli, BuiltInReportOneColumnsHeadingsAndNames) {
    makeTable(kPeople);
    const ProcessResult r = print({"--builtin", "1", "--codes", "--memo"});
    ASSERT_EQ(r.status, 0) << r.err;
    if (!havePdfTools()) GTEST_SKIP() << "pdftotext is not installed";
    const std::string text = pdfText(pdf);
    for (const char* expected : {"Report 1", "Page 1", "03/09/2026", "City/St/Zip", "Alpha, Ann B.",
                                 "Codes: VIP", "Likes tea", "Charlie, Cat"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    // PREFIX "deleted" and an empty last name are not listed.
    EXPECT_EQ(text.find("Bravo"), std::string::npos);
    EXPECT_EQ(text.find("Nobody"), std::string::npos);
    // The street is cut at its column (2.15 in less 0.2).
    EXPECT_NE(text.find("12345678901"), std::string::npos);
    EXPECT_EQ(text.find("1234567890123456789012345678901234567890"), std::string::npos);

    // Columns from 1 inch: 1.75, 2.15, 2, 1.5.
    const auto address = wordPlaces(pdf, "Address");
    ASSERT_EQ(address.size(), 1u);
    ASSERT_EQ(address[0].size(), 1u);
    EXPECT_NEAR(address[0][0].x, 2.75, 0.03);
    const auto phone = wordPlaces(pdf, "555-1111");
    ASSERT_EQ(phone[0].size(), 1u);
    EXPECT_NEAR(phone[0][0].x, 6.9, 0.03);
    const auto name = wordPlaces(pdf, "Name");
    EXPECT_NEAR(name[0][0].x, 1.0, 0.03);
    EXPECT_LT(name[0][0].y, 1.5);  // headings above the section
    const auto alpha = wordPlaces(pdf, "Alpha,");
    EXPECT_GT(alpha[0][0].y, 1.49);
}

TEST_F(ReportsCli, BuiltInReportsTwoToFour) {
    makeTable(kPeople);
    ASSERT_EQ(print({"--builtin", "3", "--title", "Orgs"}).status, 0);
    if (!havePdfTools()) GTEST_SKIP() << "pdftotext is not installed";
    std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Orgs"), std::string::npos);
    // Organisation order: Acme, then Zeta Org (its empty last name is fine).
    EXPECT_LT(text.find("Acme"), text.find("Zeta Org"));
    EXPECT_NE(text.find(", Nobody"), std::string::npos);
    EXPECT_NEAR(wordPlaces(pdf, "Name")[0][0].x, 3.5, 0.03);

    ASSERT_EQ(print({"--builtin", "2"}).status, 0);
    text = pdfText(pdf);
    EXPECT_NE(text.find("Report 2"), std::string::npos);
    EXPECT_NEAR(wordPlaces(pdf, "Organization")[0][0].x, 3.0, 0.03);

    ASSERT_EQ(print({"--builtin", "4"}).status, 0);
    text = pdfText(pdf);
    for (const char* expected :
         {"Title and Organization", "City/State/Zip", "Phone,Fax", "Alpha, Ann B.", "Boss, Acme",
          "Springfield, IL, 62701", "Ph: 555-1111", "Fax: 555-1112", "Charlie, Dr. Cat"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_NEAR(wordPlaces(pdf, "Street")[0][0].x, 1.5, 0.03);
    EXPECT_NEAR(wordPlaces(pdf, "Country")[0][0].x, 6.75, 0.03);
}

TEST_F(ReportsCli, ManyRecordsGoOnNumberedPages) {
    std::string csv = "LNAME,FNAME\n";
    for (int i = 0; i < 150; ++i) csv += "Name" + std::to_string(1000 + i) + ",X\n";
    makeTable(csv);
    ASSERT_EQ(print({"--builtin", "1"}).status, 0);
    if (!havePdfTools()) GTEST_SKIP() << "pdftotext is not installed";
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Page 2"), std::string::npos);
    EXPECT_NE(text.find("Name1149"), std::string::npos);
    const auto headings = wordPlaces(pdf, "City/St/Zip");
    ASSERT_GE(headings.size(), 2u);
    for (const auto& page : headings) EXPECT_EQ(page.size(), 1u);
}

TEST_F(ReportsCli, AddListAndPrintAUserDefinedReport) {
    makeTable(kPeople);
    ReportBytes r;
    r.beginList();
    r.object("TGPLabel", "T", 0, 0, 150, 20, {{"Caption", "Members"}});
    r.endList();
    r.beginList();
    r.object("TGPDLabel", "L", 0, 4, 150, 20,
             {{"DataFieldName", "LNAME"}, {"DataFieldDescript", "Last Name"}});
    r.endList();
    r.beginList();
    r.object("TGPageNumberLabel", "P", 300, 0, 60, 20);
    r.endList();
    r.settings();
    const std::string layout = dir.file("club.R");
    writeFile(layout, r.bytes());
    ProcessResult added =
        cli({"reports", "add", "--home", home, "--description", "Club", "--layout", layout});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(readFile(home + "/sysdata/BIN00001.R"), r.bytes());
    const ProcessResult listed = cli({"reports", "list", "--home", home});
    EXPECT_EQ(listed.out,
              "{\"DESCRIPT\": \"Club\", \"LAYOUT\": \"Letter Size, Portrait\", \"BINARY\": "
              "\"BIN00001.R\"}\n");

    // A damaged file is refused and adds nothing.
    writeFile(dir.file("bad.R"), r.bytes().substr(0, r.bytes().size() - 3));
    EXPECT_EQ(cli({"reports", "add", "--home", home, "--description", "Bad", "--layout",
                   dir.file("bad.R")})
                  .status,
              2);
    EXPECT_FALSE(std::filesystem::exists(home + "/sysdata/BIN00002.R"));

    const ProcessResult printed = print({"--report", "Club"});
    ASSERT_EQ(printed.status, 0) << printed.err;
    if (!havePdfTools()) GTEST_SKIP() << "pdftotext is not installed";
    // Header at the top margin, details below it from the margin + 0.125.
    const auto members = wordPlaces(pdf, "Members");
    ASSERT_EQ(members.size(), 1u);
    EXPECT_NEAR(members[0][0].x, 0.625, 0.03);
    EXPECT_NEAR(members[0][0].y, 0.5, 0.05);
    const auto alpha = wordPlaces(pdf, "Alpha");
    const auto charlie = wordPlaces(pdf, "Charlie");
    ASSERT_EQ(alpha[0].size(), 1u);
    EXPECT_NEAR(alpha[0][0].x, 0.625, 0.03);
    // The record without a last name comes first in "Last Name" order.
    EXPECT_NEAR(alpha[0][0].y, 0.5 + 2 * 33 / 96.0 + 4 / 96.0, 0.05);
    EXPECT_NEAR(charlie[0][0].y - alpha[0][0].y, 33 / 96.0, 0.02);
    EXPECT_EQ(pdfText(pdf).find("Bravo"), std::string::npos);
    // The footer's page number above the bottom margin.
    const auto page = wordPlaces(pdf, "1");
    ASSERT_FALSE(page.empty());
    ASSERT_FALSE(page[0].empty());
    EXPECT_NEAR(page[0].back().y, 11 - 0.5 - 33 / 96.0, 0.05);

    ASSERT_EQ(print({"--report", "Club", "--one-per-page"}).status, 0);
    EXPECT_EQ(wordPlaces(pdf, "Members").size(), 3u);
}

TEST_F(ReportsCli, NothingChosenWritesNoPdf) {
    makeTable("LNAME,FNAME\n,Nobody\n");
    const ProcessResult r = print({"--builtin", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("There are no records to print"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(print({"--builtin", "1", "--records", "filter"}).status, 2);
    EXPECT_EQ(print({"--builtin", "5"}).status, 2);
    EXPECT_EQ(print({"--report", "None"}).status, 2);
    // The one record with report 4, from the current record.
    const ProcessResult current =
        print({"--builtin", "4", "--records", "current", "--start-record", "1"});
    EXPECT_EQ(current.status, 0) << current.err;
}

TEST_F(ReportsCli, RecordSheet) {
    makeTable(kPeople);
    ProcessResult r = cli(
        {"record", "print", "--db", table, "--record", "1", "--date", "20260309", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    if (!havePdfTools()) GTEST_SKIP() << "pdftotext is not installed";
    std::string text = pdfText(pdf);
    for (const char* expected : {"Page 1", "03/09/2026", "Organization", "Acme", "Zip/Postal",
                                 "62701", "E-Mail", "Likes tea"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_NEAR(wordPlaces(pdf, "Acme")[0][0].x, 2.25, 0.03);
    EXPECT_NEAR(wordPlaces(pdf, "Organization")[0][0].x, 1.0, 0.03);

    r = cli({"record", "print", "--db", table, "--record", "1", "--fields", "Memo", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    text = pdfText(pdf);
    EXPECT_NE(text.find("Likes tea"), std::string::npos);
    EXPECT_EQ(text.find("Acme"), std::string::npos);
    EXPECT_EQ(cli({"record", "print", "--db", table, "--record", "9", "--pdf", pdf}).status, 2);
    EXPECT_EQ(
        cli({"record", "print", "--db", table, "--record", "1", "--fields", "Nope", "--pdf", pdf})
            .status,
        2);
}

}  // namespace
}  // namespace pc::test
