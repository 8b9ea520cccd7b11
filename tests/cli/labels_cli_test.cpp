// `postcraft-cli labels list`, `labels add` and `labels print` on a scratch home.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "pdf_words.h"
#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), PC_CLI_PATH);
    return runProcess(args);
}

// A scratch home, an address table and layout files made from JSON lines.
class LabelsCli : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(home + "/sysdata"); }

    // The address table PEOPLE.DBF with the rows of a CSV text.
    void makeTable(const std::string& csv) {
        ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
        writeFile(dir.file("people.csv"), csv);
        ASSERT_EQ(cli({"db", "append-csv", table, dir.file("people.csv")}).status, 0);
    }
    // A layout file of the objects the JSON lines describe.
    std::string layoutFile(const std::string& name, const std::string& json) {
        writeFile(dir.file(name + ".json"), json);
        const std::string path = dir.file(name + ".L");
        EXPECT_EQ(cli({"layout", "load", dir.file(name + ".json"), path}).status, 0);
        return path;
    }
    // A layout of the home: the file's objects on the stock of `stock`
    // ("--template" or "--geometry" and its value).
    void addLayout(const std::string& description, const std::string& file,
                   std::vector<std::string> stock) {
        std::vector<std::string> args{"labels",        "add",       "--home",   home,
                                      "--description", description, "--layout", file};
        args.insert(args.end(), stock.begin(), stock.end());
        const ProcessResult r = cli(args);
        ASSERT_EQ(r.status, 0) << r.err;
    }

    TempDir dir;
    std::string home = dir.file("home");
    std::string table = dir.file("PEOPLE.DBF");
};

TEST_F(LabelsCli, AddFromATemplateOrNumbersAndListInDescriptionOrder) {
    const std::string in =
        layoutFile("in",
                   "{\"class\": \"TGPLabel\", \"name\": \"T\", \"properties\": {\"Left\": 5, "
                   "\"Top\": 5, \"Width\": 80, \"Height\": 16, \"Caption\": \"Hello\"}}\n");

    addLayout("Shipping", in, {"--template", "Avery 5160  Address"});
    addLayout("Mine", in, {"--geometry", "1 4 2 10 0.5 0.16 4.19 1 8.5 11 LTR 0.125 0"});
    EXPECT_EQ(readFile(home + "/sysdata/BIN00001.L"), readFile(in));

    const ProcessResult r = cli({"labels", "list", "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    const size_t mine = r.out.find("{\"DESCRIPT\": \"Mine\"");
    const size_t shipping = r.out.find("{\"DESCRIPT\": \"Shipping\"");
    ASSERT_NE(mine, std::string::npos) << r.out;
    EXPECT_LT(mine, shipping);
    EXPECT_NE(r.out.find("\"MANUFAC\": \"USER\""), std::string::npos);
    EXPECT_NE(r.out.find("\"MIDEXTRAX\": 0.125"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"TPLDESCRIP\": \"Avery 5160  Address\""), std::string::npos);
    EXPECT_NE(r.out.find("\"BINARY\": \"BIN00002.L\""), std::string::npos);

    // Bad stock values and unknown templates add nothing.
    EXPECT_NE(cli({"labels", "add", "--home", home, "--description", "X", "--layout", in,
                   "--geometry", "0.1 4 2 10 0.5 0.16 4.19 1 8.5 11 LTR"})
                  .status,
              0);
    EXPECT_NE(cli({"labels", "add", "--home", home, "--description", "X", "--layout", in,
                   "--template", "No such stock"})
                  .status,
              0);
    EXPECT_FALSE(std::filesystem::exists(home + "/sysdata/BIN00003.L"));
}

TEST_F(LabelsCli, PrintPlacesLabelsOnTheSheetAsTheWindowWould) {
    makeTable("LNAME,FNAME,ZIP\nAlpha,Ann,12345\nBravo,Bob,12345\n");
    addLayout("Names",
              layoutFile("names",
                         "{\"class\": \"TGPDLabel\", \"name\": \"L\", \"properties\": "
                         "{\"Left\": 0, \"Top\": 0, \"Width\": 120, \"Height\": 20, "
                         "\"DataFieldName\": \"LNAME\", \"DataFieldDescript\": \"Last "
                         "Name\"}}\n"),
              {"--template", "Avery 5160  Address"});

    // Positions 5 and 6 (second row, middle and right), in "Last Name" order.
    const std::string pdf = dir.file("names.pdf");
    ProcessResult r = cli({"labels", "print", "--home", home, "--db", table, "--layout", "Names",
                           "--positions", "5,6", "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(pdf).substr(0, 4), "%PDF");
    const auto alpha = wordAt(pdf, "Alpha");
    const auto bravo = wordAt(pdf, "Bravo");
    if (!alpha || !bravo) GTEST_SKIP() << "pdftotext is not installed";
    // Avery 5160: left margin 0.156, pitch 2.781, top 0.5, row pitch 1 (in inches).
    EXPECT_NEAR(alpha->first / 72, 0.156 + 2.781, 0.02);
    EXPECT_NEAR(bravo->first / 72, 0.156 + 2 * 2.781, 0.02);
    EXPECT_NEAR(alpha->second / 72, 1.5, 0.03);

    EXPECT_EQ(
        cli({"labels", "print", "--home", home, "--db", table, "--layout", "None", "--pdf", pdf})
            .status,
        2);
    EXPECT_EQ(cli({"labels", "print", "--home", home, "--db", table, "--layout", "Names",
                   "--positions", "31", "--pdf", pdf})
                  .status,
              2);
}

// The dark runs along one row of a grey picture (binary PGM): their widths
// and left edges, in pixels.
struct Runs {
    std::vector<int> lefts, widths;
};
std::optional<Runs> darkRuns(const std::string& pgm, int row) {
    std::istringstream in(pgm);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P5" || row < 0 || row >= height || maxValue != 255) return std::nullopt;
    const size_t start = static_cast<size_t>(in.tellg()) + static_cast<size_t>(row) * width;
    Runs runs;
    for (int x = 0; x < width; ++x) {
        const bool dark = static_cast<unsigned char>(pgm[start + x]) < 128;
        if (!dark) continue;
        if (runs.lefts.empty() || runs.lefts.back() + runs.widths.back() != x) {
            runs.lefts.push_back(x);
            runs.widths.push_back(0);
        }
        ++runs.widths.back();
    }
    return runs;
}

TEST_F(LabelsCli, PrintedBarsHaveTheirSpecifiedWidthsAndPitch) {
    makeTable("LNAME,STREET,ZIP\nAlpha,123 MAIN ST,12345-6789\n");
    // POSTNET at the top of a 4 x 1.5 in label, the Intelligent Mail barcode
    // 48 pixels (half an inch) below.
    addLayout("Bars",
              layoutFile("bars",
                         "{\"class\": \"TGPostNetBarCode\", \"name\": \"P\", \"properties\": "
                         "{\"Left\": 0, \"Top\": 0, \"Width\": 270, \"Height\": 16, "
                         "\"ZipCodeField\": \"ZIP\", \"AddressField\": \"STREET\"}}\n"
                         "{\"class\": \"TGIMBarCode\", \"name\": \"I\", \"properties\": "
                         "{\"Left\": 0, \"Top\": 48, \"Width\": 300, \"Height\": 16, "
                         "\"MailerID\": \"123456\", \"SerialNumber\": \"1\"}}\n"),
              {"--geometry", "1.5 4 1 1 0 0 4 1.5 4 1.5 USERP"});
    const std::string pdf = dir.file("bars.pdf");
    ASSERT_EQ(
        cli({"labels", "print", "--home", home, "--db", table, "--layout", "Bars", "--pdf", pdf})
            .status,
        0);
    const ProcessResult raster =
        runProcess({"pdftoppm", "-r", "600", "-gray", "-singlefile", pdf, dir.file("bars")});
    if (raster.status != 0) GTEST_SKIP() << "pdftoppm is not installed";
    const std::string pgm = readFile(dir.file("bars.pgm"));

    // POSTNET: 12 digits, 62 bars 0.015 in wide at a 0.046 in pitch; 0.1 in
    // down every bar is met.
    const auto postnet = darkRuns(pgm, 60);
    ASSERT_TRUE(postnet);
    ASSERT_EQ(postnet->widths.size(), 62u);
    for (int w : postnet->widths) EXPECT_NEAR(w, 0.015 * 600, 1.5);
    EXPECT_NEAR(double(postnet->lefts.back() - postnet->lefts.front()) / 61, 0.046 * 600, 0.3);

    // Intelligent Mail: 65 bars 0.020 in wide, 22 to the inch; the tracker
    // band is met by every bar.
    const int trackerRow = 300 + int((0.145 / 2) * 600);
    const auto imb = darkRuns(pgm, trackerRow);
    ASSERT_TRUE(imb);
    ASSERT_EQ(imb->widths.size(), 65u);
    for (int w : imb->widths) EXPECT_NEAR(w, 0.020 * 600, 1.5);
    EXPECT_NEAR(double(imb->lefts.back() - imb->lefts.front()) / 64, 600.0 / 22, 0.3);
}

}  // namespace
}  // namespace pc::test
