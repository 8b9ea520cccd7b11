// `postcraft-cli layout dump` and `layout load` end to end.
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

std::string bytes(std::initializer_list<unsigned char> b) {
    return std::string(b.begin(), b.end());
}

std::string shortString(const std::string& s) {
    return std::string(1, static_cast<char>(s.size())) + s;
}

// Two objects with a value of every kind the dump prints.
std::string sampleLayout() {
    std::string s = bytes({1});
    s += "TPF0" + shortString("TGPLabel") + shortString("Label1");
    s += shortString("Left") + bytes({3, 0x2C, 0x01});  // 300
    s += shortString("Top") + bytes({2, 0xFB});         // -5
    s += shortString("Alignment") + bytes({7}) + shortString("taCenter");
    s += shortString("Caption") + bytes({6}) + shortString("Caf\xe9 \x80");  // Windows-1252
    s += shortString("Locked") + bytes({8});
    s += shortString("Font.Style") + bytes({11}) + shortString("fsBold") + bytes({0});
    s += shortString("Items.Strings") + bytes({1, 6}) + shortString("a") + bytes({6, 0, 0});
    s += shortString("Picture.Data") + bytes({10, 2, 0, 0, 0, 0xFF, 0x00});
    s += shortString("Scale") + bytes({5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F});  // 1.5
    s += bytes({0, 0});
    s += "TPF0" + shortString("TGLine") + shortString("") + bytes({0, 0});
    s += bytes({0});
    return s;
}

TEST(LayoutCli, DumpPrintsOneJsonLinePerObject) {
    TempDir dir;
    writeFile(dir.file("BIN00001.L"), sampleLayout());
    const ProcessResult r = cli({"layout", "dump", dir.file("BIN00001.L")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out,
        "{\"class\": \"TGPLabel\", \"name\": \"Label1\", \"properties\": {\"Left\": 300, "
        "\"Top\": -5, \"Alignment\": \"taCenter\", \"Caption\": \"Caf\xc3\xa9 \xe2\x82\xac\", "
        "\"Locked\": false, \"Font.Style\": [\"fsBold\"], \"Items.Strings\": [\"a\", \"\"], "
        "\"Picture.Data\": {\"base64\": \"/wA=\"}, \"Scale\": 1.5}}\n"
        "{\"class\": \"TGLine\", \"name\": \"\", \"properties\": {}}\n");
}

TEST(LayoutCli, DumpOfAReportNamesTheBandsAndShowsTheSettings) {
    TempDir dir;
    const auto list = [](const std::string& name) {
        return bytes({1}) + "TPF0" + shortString("TGPLabel") + shortString(name) +
               shortString("Top") + bytes({2, 7}) + bytes({0, 0}) + bytes({0});
    };
    std::string report = list("Title") + bytes({1, 0}) + list("Page");
    report += bytes({1, 3, 0x34, 0x21, 9, 6}) + shortString("Arial") + bytes({0});
    writeFile(dir.file("BIN00002.R"), report);
    ProcessResult r = cli({"layout", "dump", dir.file("BIN00002.R")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"band\": \"header\", \"class\": \"TGPLabel\", \"name\": \"Title\", "
              "\"properties\": {\"Top\": 7}}\n"
              "{\"band\": \"footer\", \"class\": \"TGPLabel\", \"name\": \"Page\", "
              "\"properties\": {\"Top\": 7}}\n"
              "{\"settings\": [8500, true, \"Arial\"]}\n");

    // A report cut short is refused like any damaged layout.
    writeFile(dir.file("cut.R"), report.substr(0, report.size() - 4));
    r = cli({"layout", "dump", dir.file("cut.R")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
}

TEST(LayoutCli, UnreadableFilesExitWithTwo) {
    TempDir dir;
    ProcessResult r = cli({"layout", "dump", dir.file("missing.L")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("missing.L"), std::string::npos) << r.err;

    const std::string whole = sampleLayout();
    writeFile(dir.file("cut.L"), whole.substr(0, whole.size() - 20));
    r = cli({"layout", "dump", dir.file("cut.L")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("at byte"), std::string::npos) << r.err;

    writeFile(dir.file("bad.json"), "{\"class\": \"TGPLabel\", \"name\": ");
    r = cli({"layout", "load", dir.file("bad.json"), dir.file("out.L")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 1, column"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.L")));

    EXPECT_EQ(cli({"layout"}).status, 2);
    EXPECT_EQ(cli({"layout", "dump"}).status, 2);
    EXPECT_EQ(cli({"layout", "load", dir.file("bad.json")}).status, 2);
}

TEST(LayoutCli, LoadMakesOnlyRegisteredClassesAndKeepsTheOldFile) {
    TempDir dir;
    writeFile(dir.file("out.L"), "old");
    writeFile(dir.file("foreign.json"),
              "{\"class\": \"TNotALayoutClass\", \"name\": \"x\", \"properties\": {}}\n");
    ProcessResult r = cli({"layout", "load", dir.file("foreign.json"), dir.file("out.L")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("TNotALayoutClass"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir.file("out.L")), "old");

    // No objects: the empty list, and its dump loads back to the same bytes.
    writeFile(dir.file("empty.json"), "\n");
    r = cli({"layout", "load", dir.file("empty.json"), dir.file("out.L")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir.file("out.L")), bytes({1, 0}));
    r = cli({"layout", "dump", dir.file("out.L")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");

    r = cli({"layout", "load", dir.file("empty.json"), dir.file("no/such/folder.L")});
    EXPECT_EQ(r.status, 1);
}

}  // namespace
}  // namespace pc::test
