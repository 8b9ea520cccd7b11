// `postcraft-cli layout merge` and `layout render` over a real address
// table, and `layout load` of a `layout dump` giving the same bytes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A two-record address table and a label of every data-bound kind.
class LayoutMergeCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
        writeFile(dir.file("people.csv"),
                  "LNAME,FNAME,STREET,CITY,STATE,ZIP\n"
                  "Lincoln,Abraham,1600 PENNSYLVANIA AVE NW,WASHINGTON,DC,20500-0003\n"
                  "Curie,Marie,12 RUE PIERRE,PARIS,,K1A 0B1\n");
        ASSERT_EQ(cli({"db", "append-csv", table, dir.file("people.csv")}).status, 0);
        writeFile(
            dir.file("label.json"),
            "{\"class\": \"TGDMultiLineAddressLabel\", \"name\": \"Address\", \"properties\": "
            "{\"Left\": 5, \"Top\": 5, \"Width\": 240, \"Height\": 60}}\n"
            "{\"class\": \"TGPDLabel\", \"name\": \"Last\", \"properties\": {\"Left\": 5, "
            "\"Top\": 70, \"Width\": 80, \"Height\": 16, \"DataFieldName\": \"LNAME\", "
            "\"DataFieldDescript\": \"Last Name\"}}\n"
            "{\"class\": \"TGCounterLabel\", \"name\": \"Count\", \"properties\": {\"Left\": "
            "150, \"Top\": 70, \"Width\": 80, \"Height\": 16, \"TextBefore\": \"No. \", "
            "\"Startingnumber\": 7, \"RepeatEach\": 3, \"LeadingZeros\": 3}}\n"
            "{\"class\": \"TGPostNetBarCode\", \"name\": \"Bars\", \"properties\": {\"Left\": "
            "5, \"Top\": 88, \"Width\": 270, \"Height\": 16, \"ZipCodeField\": \"ZIP\", "
            "\"AddressField\": \"STREET\"}}\n");
        ASSERT_EQ(cli({"layout", "load", dir.file("label.json"), layout}).status, 0);
    }

    TempDir dir;
    std::string table = dir.file("PEOPLE.DBF");
    std::string layout = dir.file("BIN00001.L");
};

TEST_F(LayoutMergeCli, MergesARecordAsPrintingDoes) {
    ProcessResult r =
        cli({"layout", "merge", layout, "--db", table, "--record", "1", "--counter-step", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string address, last, counter, barcode;
    std::getline(lines, address);
    std::getline(lines, last);
    std::getline(lines, counter);
    std::getline(lines, barcode);
    EXPECT_NE(address.find("\"lines\": [\"Abraham Lincoln \", \"1600 PENNSYLVANIA AVE NW\", "
                           "\"WASHINGTON  DC 20500-0003\"]"),
              std::string::npos)
        << address;
    EXPECT_NE(last.find("\"name\": \"Last\""), std::string::npos) << last;
    EXPECT_NE(last.find("\"text\": \"Lincoln\""), std::string::npos) << last;
    EXPECT_NE(counter.find("\"text\": \"No. 008\""), std::string::npos) << counter;
    // 20500-0003 with the delivery point 00 of "NW"... the street's number 1600.
    EXPECT_NE(barcode.find("\"digits\": \"205000003000\""), std::string::npos) << barcode;

    // A postal code the barcode cannot carry prints none.
    r = cli({"layout", "merge", layout, "--db", table, "--record", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"digits\": null"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"text\": \"No. 007\""), std::string::npos) << r.out;
}

TEST_F(LayoutMergeCli, BadRecordsAndFilesAreRefused) {
    EXPECT_EQ(cli({"layout", "merge", layout, "--db", table, "--record", "9"}).status, 2);
    EXPECT_EQ(
        cli({"layout", "merge", layout, "--db", dir.file("none.dbf"), "--record", "1"}).status, 2);
    EXPECT_EQ(cli({"layout", "merge", layout, "--record", "1"}).status, 2);
}

TEST_F(LayoutMergeCli, RendersTheMergedLabel) {
    const ProcessResult r = cli({"layout", "render", layout, "--db", table, "--record", "1",
                                 "--size", "4x1.5", "--dpi", "100", "--png", dir.file("l.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string png = readAll(dir.file("l.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // Width and height from the header: 400 x 150.
    const auto be32 = [&png](size_t at) {
        return (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) |
               (uint8_t(png[at + 2]) << 8) | uint8_t(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 400u);
    EXPECT_EQ(be32(20), 150u);
}

TEST_F(LayoutMergeCli, LoadOfADumpGivesTheSameBytes) {
    const ProcessResult dump = cli({"layout", "dump", layout});
    ASSERT_EQ(dump.status, 0) << dump.err;
    writeFile(dir.file("dump.json"), dump.out);
    ASSERT_EQ(cli({"layout", "load", dir.file("dump.json"), dir.file("BIN00002.L")}).status, 0);
    EXPECT_EQ(readAll(dir.file("BIN00002.L")), readAll(layout));
}

}  // namespace
}  // namespace pc::test
