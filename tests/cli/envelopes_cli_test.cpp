// `postcraft-cli envelopes offsets|list|add|print` on a scratch home.
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

std::string offsets(const std::string& paper, const std::string& code, const std::string& feed) {
    const ProcessResult r =
        cli({"envelopes", "offsets", "--paper", paper, "--envelope", code, "--feed", feed});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
}

TEST(EnvelopesOffsetsCli, FollowTheFeedTable) {
    EXPECT_EQ(offsets("11x8.5", "20", "landscape,up,center"), "1.5000 2.1875\n");
    EXPECT_EQ(offsets("11x8.5", "20", "landscape,up,center,cw"), "0.0000 2.1875\n");
    EXPECT_EQ(offsets("11x8.5", "20", "landscape,down,left"), "1.5000 4.3750\n");
    EXPECT_EQ(offsets("8.5x11", "20", "portrait,up,right"), "0.0000 0.0000\n");  // dx < 0
    EXPECT_EQ(offsets("8.5x11", "38", "portrait,down,left"), "2.0000 0.0000\n");
    EXPECT_EQ(offsets("9.55x4.19", "20", "portrait,up,center"), "0.0000 0.0000\n");
    // B6 stands upright: depth 7.04 exceeds the length 5.
    EXPECT_EQ(offsets("8.5x11", "35", "landscape,up,center"), "3.5000 1.9800\n");

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--paper", "11", "--envelope", "20", "--feed",
                                   "landscape,up,left"},
          {"--paper", "11x8.5", "--envelope", "x", "--feed", "landscape,up,left"},
          {"--paper", "11x8.5", "--envelope", "20", "--feed", "landscape,up"},
          {"--paper", "11x8.5", "--envelope", "20", "--feed", "landscape,up,left,ccw"},
          {"--paper", "11x8.5", "--envelope", "20"}}) {
        std::vector<std::string> args{"envelopes", "offsets"};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(cli(args).status, 2) << bad[1];
    }
}

class EnvelopesCli : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(home + "/sysdata"); }

    void makeTable(const std::string& csv) {
        ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
        writeFile(dir.file("people.csv"), csv);
        ASSERT_EQ(cli({"db", "append-csv", table, dir.file("people.csv")}).status, 0);
    }
    std::string layoutFile(const std::string& name, const std::string& json) {
        writeFile(dir.file(name + ".json"), json);
        const std::string path = dir.file(name + ".E");
        EXPECT_EQ(cli({"layout", "load", dir.file(name + ".json"), path}).status, 0);
        return path;
    }
    void addLayout(const std::string& description, const std::string& code,
                   const std::string& file) {
        const ProcessResult r = cli({"envelopes", "add", "--home", home, "--description",
                                     description, "--size", code, "--layout", file});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    TempDir dir;
    std::string home = dir.file("home");
    std::string table = dir.file("PEOPLE.DBF");
};

const char* const kNameAndBars =
    "{\"class\": \"TGPDLabel\", \"name\": \"N\", \"properties\": {\"Left\": 96, \"Top\": 48, "
    "\"Width\": 200, \"Height\": 20, \"DataFieldName\": \"LNAME\", \"DataFieldDescript\": "
    "\"Last Name\"}}\n"
    "{\"class\": \"TGPostNetBarCode\", \"name\": \"P\", \"properties\": {\"Left\": 192, "
    "\"Top\": 192, \"Width\": 270, \"Height\": 16, \"ZipCodeField\": \"ZIP\", "
    "\"AddressField\": \"STREET\"}}\n";

TEST_F(EnvelopesCli, AddAndListInDescriptionOrder) {
    const std::string in = layoutFile("in", kNameAndBars);
    addLayout("office", "30", in);
    addLayout("Home", "20", in);
    EXPECT_EQ(readFile(home + "/sysdata/BIN00001.E"), readFile(in));
    const ProcessResult r = cli({"envelopes", "list", "--home", home});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"DESCRIPT\": \"Home\", \"NUMBER\": 20, \"BINARY\": \"BIN00002.E\", \"LENGTH\": "
              "9.5, \"DEPTH\": 4.125}\n"
              "{\"DESCRIPT\": \"office\", \"NUMBER\": 30, \"BINARY\": \"BIN00001.E\", \"LENGTH\": "
              "12.96, \"DEPTH\": 9.16}\n");
    // A code outside the size list, or an unreadable layout, adds nothing.
    EXPECT_EQ(cli({"envelopes", "add", "--home", home, "--description", "X", "--size", "29",
                   "--layout", in})
                  .status,
              2);
    writeFile(dir.file("bad.E"), "TPF0garbage");
    EXPECT_NE(cli({"envelopes", "add", "--home", home, "--description", "X", "--size", "20",
                   "--layout", dir.file("bad.E")})
                  .status,
              0);
    EXPECT_FALSE(std::filesystem::exists(home + "/sysdata/BIN00003.E"));
}

// The page size of a PDF in points, from pdfinfo.
std::optional<std::pair<double, double>> pageSize(const std::string& pdf) {
    const ProcessResult r = runProcess({"pdfinfo", pdf});
    const size_t at = r.out.find("Page size:");
    if (r.status != 0 || at == std::string::npos) return std::nullopt;
    std::istringstream in(r.out.substr(at + 10));
    double w = 0, h = 0;
    std::string x;
    in >> w >> x >> h;
    return std::make_pair(w, h);
}

// The left edge (inches) of the first dark pixel on the row `y` inches
// down, from a 200 dpi grey raster.
std::optional<double> firstDark(const std::string& pdf, const std::string& stem, double y) {
    if (runProcess({"pdftoppm", "-r", "200", "-gray", "-singlefile", pdf, stem}).status != 0)
        return std::nullopt;
    const std::string pgm = readFile(stem + ".pgm");
    std::istringstream in(pgm);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    const int row = static_cast<int>(y * 200);
    if (magic != "P5" || row >= height) return std::nullopt;
    const size_t start = static_cast<size_t>(in.tellg()) + static_cast<size_t>(row) * width;
    for (int x = 0; x < width; ++x)
        if (static_cast<unsigned char>(pgm[start + x]) < 128) return x / 200.0;
    return std::nullopt;
}

TEST_F(EnvelopesCli, PrintPlacesTheLayoutForTheFeed) {
    makeTable("LNAME,STREET,ZIP\nAlpha,123 MAIN ST,12345-6789\nBravo,1 ELM ST,54321\n");
    addLayout("Ten", "20", layoutFile("ten", kNameAndBars));
    addLayout("Small", "38", layoutFile("small", kNameAndBars));

    struct Case {
        const char* layout;
        std::vector<std::string> extra;
        double pageW, pageH;  // inches
        double x, y;          // the layout's offset
    };
    const Case cases[] = {
        // #10 on letter fed across, face up, centred.
        {"Ten", {"--feed", "landscape,up,center", "--paper", "11x8.5"}, 11, 8.5, 1.5, 2.1875},
        // #10 on its own paper: no offset whatever the feed.
        {"Ten", {"--feed", "landscape,down,left"}, 9.5, 4.125, 0, 0},
        // 6 3/4 upright on letter, face up, to the right.
        {"Small", {"--feed", "portrait,up,right", "--paper", "8.5x11"}, 8.5, 11, 2, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string pdf = dir.file("env" + std::to_string(++n) + ".pdf");
        std::vector<std::string> args{"envelopes", "print",    "--home", home,    "--db",
                                      table,       "--layout", c.layout, "--pdf", pdf};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const ProcessResult r = cli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto size = pageSize(pdf);
        const auto alpha = wordAt(pdf, "Alpha");
        if (!size || !alpha) GTEST_SKIP() << "poppler-utils are not installed";
        EXPECT_NEAR(size->first / 72, c.pageW, 0.01) << c.layout;
        EXPECT_NEAR(size->second / 72, c.pageH, 0.01) << c.layout;
        EXPECT_NEAR(alpha->first / 72, c.x + 1, 0.03) << c.layout << n;
        EXPECT_NEAR(alpha->second / 72, c.y + 0.5, 0.06) << c.layout << n;
        // The barcode's first bar, 2 in from the layout's left.
        const auto bar = firstDark(pdf, dir.file("env" + std::to_string(n)), c.y + 2 + 0.1);
        ASSERT_TRUE(bar) << n;
        EXPECT_NEAR(*bar, c.x + 2, 0.03) << n;
    }
    // Two records, two pages.
    const ProcessResult info = runProcess({"pdfinfo", dir.file("env1.pdf")});
    EXPECT_NE(info.out.find("Pages:           2"), std::string::npos) << info.out;

    const std::string one = dir.file("one.pdf");
    ASSERT_EQ(cli({"envelopes", "print", "--home", home, "--db", table, "--layout", "Ten",
                   "--records", "current", "--start-record", "2", "--pdf", one})
                  .status,
              0);
    EXPECT_EQ(wordAt(one, "Alpha"), std::nullopt);
    EXPECT_NE(wordAt(one, "Bravo"), std::nullopt);
    EXPECT_EQ(
        cli({"envelopes", "print", "--home", home, "--db", table, "--layout", "None", "--pdf", one})
            .status,
        2);
}

}  // namespace
}  // namespace pc::test
