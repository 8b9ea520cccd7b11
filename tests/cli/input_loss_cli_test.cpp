// postcraft-cli never loses input silently nor trusts damaged files: text
// the table cannot hold, non-decimal numbers, endless input files, empty or
// over-long filters, damaged indexes and memo files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(PC_CLI_PATH));
    return runProcess(args);
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class InputLossCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table = dir.file("T.dbf");
        auto r = cli({"db", "create", table, "--fields", "NAME C 20, AMT N 8 2, NOTE M"});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    ProcessResult append(const std::string& csv, std::vector<std::string> extra = {}) {
        writeFile(dir.file("in.csv"), csv);
        std::vector<std::string> args{"db", "append-csv", table, dir.file("in.csv")};
        args.insert(args.end(), extra.begin(), extra.end());
        return cli(args);
    }
    TempDir dir;
    std::string table;
};

TEST_F(InputLossCliTest, TextTheTableCannotHoldIsRefusedOrCountedWithLossy) {
    const char* refused[] = {"王小明", "Иван", "Ωmega", "Łukasz", "Kęsy", "hi 😀"};
    for (const char* name : refused) {
        auto r = append(std::string("NAME,AMT\nplain,1\n") + name + ",2\n");
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_TRUE(has(r.err, "CSV line 3, field NAME")) << r.err;
        EXPECT_TRUE(has(r.err, "nothing was appended")) << r.err;
    }
    auto r = append("NAME\nŁódź\n");
    EXPECT_TRUE(has(r.err, "\"Ł\", \"ź\"")) << r.err;
    EXPECT_EQ(cli({"db", "count", table, "--query", ".T."}).out, "0\n");

    // A decomposed letter is stored composed, not refused.
    r = append("NAME\nJose\xCC\x81\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(cli({"db", "dump", table}).out, "\"Jos\xC3\xA9\"")) << r.out;

    r = append("NAME,NOTE\nŁukasz,Иван 😀\n", {"--lossy"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\n");
    EXPECT_TRUE(has(r.err, "6 characters")) << r.err;
    const std::string dump = cli({"db", "dump", table}).out;
    EXPECT_TRUE(has(dump, "\"?ukasz\"")) << dump;
    EXPECT_TRUE(has(dump, "\"???? ?\"")) << dump;
}

TEST_F(InputLossCliTest, NumbersAreDecimalTextOnly) {
    for (const char* bad : {"0x10", "inf", "nan", "1e"}) {
        auto r = append(std::string("NAME,AMT\nx,") + bad + "\n");
        EXPECT_EQ(r.status, 1) << bad;
        EXPECT_TRUE(has(r.err, "is not a number")) << r.err;
    }
    EXPECT_EQ(cli({"db", "count", table, "--query", ".T."}).out, "0\n");
}

TEST_F(InputLossCliTest, InputThatIsNoRegularFileIsRefusedBeforeReading) {
    auto r = cli({"db", "append-csv", table, "/dev/zero"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "not a regular file")) << r.err;
    r = cli({"filter", "--flt", "/dev/zero"});
    EXPECT_EQ(r.status, 1);
    const std::string fifo = dir.file("pipe.flt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(cli({"filter", "--flt", fifo}).status, 1);
    EXPECT_EQ(cli({"db", "append-csv", table, fifo}).status, 1);
    EXPECT_EQ(cli({"db", "count", dir.path().string(), "--query", ".T."}).status, 1);
}

TEST_F(InputLossCliTest, EmptyAndOverLongFiltersSaySo) {
    writeFile(dir.file("empty.flt"), "");
    auto r = cli({"filter", "--flt", dir.file("empty.flt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "no criteria")) << r.err;
    writeFile(dir.file("long.flt"), std::string(300, 'a') + "\n");
    r = cli({"filter", "--flt", dir.file("long.flt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "at most 243")) << r.err;
}

TEST_F(InputLossCliTest, MessagesQuoteAtMost200CharactersOfAnExpression) {
    const std::string huge = "NAME = '" + std::string(120 * 1024, 'x') + "' +";
    auto r = cli({"db", "count", table, "--query", huge});
    EXPECT_EQ(r.status, 1);
    EXPECT_LT(r.err.size(), 400u) << r.err.size();
    r = cli({"db", "count", table, "--query", std::string(120 * 1024, 'Q')});
    EXPECT_EQ(r.status, 1);
    EXPECT_LT(r.err.size(), 600u) << r.err.size();
}

// An address table of 300 people with memos on some, damaged by cutting or
// overwriting its index or memo file.
class DamagedCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table = dir.file("ADD0001.dbf");
        ASSERT_EQ(cli({"db", "create-address", table}).status, 0);
        std::string csv = "LNAME,FNAME,ZIP,MEMO\n";
        for (int i = 0; i < 300; ++i) {
            csv += "Name" + std::to_string((i * 7919) % 1000) + ",F" + std::to_string(i) + "," +
                   std::to_string(10000 + i * 37) + "," +
                   (i % 7 == 0 ? std::string(10 + i % 50, 'm') : std::string()) + "\n";
        }
        writeFile(dir.file("in.csv"), csv);
        auto r = cli({"db", "append-csv", table, dir.file("in.csv")});
        ASSERT_EQ(r.status, 0) << r.err;
        cdx = readFile(dir.file("ADD0001.cdx"));
        fpt = readFile(dir.file("ADD0001.fpt"));
        ASSERT_FALSE(cdx.empty());
    }
    TempDir dir;
    std::string table, cdx, fpt;
};

TEST_F(DamagedCliTest, CheckIndexRejectsDamageAndDumpEnds) {
    const std::string sound = cli({"db", "dump", table, "--order", "LNAME"}).out;
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        std::string bytes = cdx;
        if (round % 2 == 0) {
            bytes.resize(random() % bytes.size());
        } else {
            size_t at = 1024 + random() % (bytes.size() - 1024);
            for (size_t k = 0; k < 40 && at + k < bytes.size(); ++k)
                bytes[at + k] = static_cast<char>(random());
        }
        writeFile(dir.file("ADD0001.cdx"), bytes);
        auto check = cli({"db", "check-index", table});
        auto dump = cli({"db", "dump", table, "--order", "LNAME"});
        if (check.status == 0) {
            EXPECT_EQ(dump.out, sound) << "round " << round;
        } else {
            EXPECT_TRUE(has(check.out, "invalid:")) << check.out;
            EXPECT_LE(dump.out.size(), sound.size()) << "round " << round;
        }
    }
    // A cut of the last pages only: the rest reads well, but tags lose pages.
    writeFile(dir.file("ADD0001.cdx"), cdx.substr(0, cdx.size() - 100));
    auto r = cli({"db", "check-index", table});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.out, "damaged:")) << r.out;
}

TEST_F(DamagedCliTest, TruncatedMemoFailsCountAndDumpWithAReason) {
    writeFile(dir.file("ADD0001.fpt"), fpt.substr(0, fpt.size() / 2));
    auto r = cli({"db", "count", table, "--query", "LEN(MEMO)>0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "field MEMO")) << r.err;
    r = cli({"db", "dump", table});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "beyond the end of the file")) << r.err;
    // Nothing is marked on a query that cannot be evaluated.
    const std::string before = readFile(table);
    r = cli({"db", "delete", table, "--query", "LEN(MEMO)>0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(readFile(table), before);
}

}  // namespace
}  // namespace pc::test
