// Writing verbs on a full disk, in read-only places and after crashes: each
// fails with a message that says why, before or without damage, and an open
// for writing clears what a killed write left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "run_process.h"
#include "test_support.h"

namespace pc::test {
namespace {

namespace fs = std::filesystem;

ProcessResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(PC_CLI_PATH));
    return runProcess(args);
}

// Runs the tool as an ordinary user: permissions do not stop root.
ProcessResult cliAsUser(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(PC_CLI_PATH));
    if (::geteuid() == 0)
        args.insert(args.begin(), {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    return runProcess(args);
}

std::string csvRows(int from, int n, size_t memoLength) {
    std::string csv = "ID,NAME,NOTE\n";
    for (int i = from; i < from + n; ++i)
        csv += std::to_string(i) + ",Name " + std::to_string(i) + "," +
               std::string(memoLength, char('a' + i % 26)) + "\n";
    return csv;
}

// A table of `rows` records with a memo field and two tags.
std::string makeTable(const fs::path& dir, int rows, size_t memoLength = 40) {
    const std::string table = (dir / "T.DBF").string();
    EXPECT_EQ(cli({"db", "create", table, "--fields", "ID N 7, NAME C 30, NOTE M"}).status, 0);
    writeFile((dir / "rows.csv").string(), csvRows(1, rows, memoLength));
    EXPECT_EQ(cli({"db", "append-csv", table, (dir / "rows.csv").string()}).status, 0);
    fs::remove(dir / "rows.csv");
    EXPECT_EQ(cli({"db", "index", table, "--tag", "NAME", "--expr", "UPPER(NAME)"}).status, 0);
    EXPECT_EQ(cli({"db", "index", table, "--tag", "ID", "--expr", "STR(ID,7)"}).status, 0);
    return table;
}

std::string dump(const std::string& table) {
    return cli({"db", "dump", table, "--deleted"}).out;
}

bool indexValid(const std::string& table) {
    auto info = cli({"db", "info", table});
    return info.status == 0 && info.out.find("stale") == std::string::npos &&
           info.out.find("tag: ID") != std::string::npos;
}

// A small file system that fills up: a tmpfs of its own.
class FullDiskTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mnt_ = dir_.path() / "mnt";
        fs::create_directory(mnt_);
        if (::mount("postcraft-test", mnt_.c_str(), "tmpfs", 0, "size=3m") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) ::umount2(mnt_.c_str(), MNT_DETACH);
    }
    // Fills the file system until at most `leave` bytes are free.
    void fillDisk(size_t leave) {
        std::ofstream out(mnt_ / "filler", std::ios::binary | std::ios::app);
        std::string chunk(4096, 'x');
        for (;;) {
            fs::space_info space = fs::space(mnt_);
            if (space.available <= leave) break;
            out.write(chunk.data(),
                      std::streamsize(std::min<size_t>(
                          chunk.size(), std::max<size_t>(space.available - leave, 1))));
            out.flush();
            if (!out) break;
        }
    }
    void freeDisk() { fs::remove(mnt_ / "filler"); }

    TempDir dir_;
    fs::path mnt_;
    bool mounted_ = false;
};

TEST_F(FullDiskTest, AppendKeepsOnlyWholeRowsAndSaysHowMany) {
    const std::string table = makeTable(mnt_, 50);
    writeFile((dir_.path() / "more.csv").string(), csvRows(1001, 3000, 300));
    fillDisk(200 * 1024);
    auto r = cli({"db", "append-csv", table, (dir_.path() / "more.csv").string()});
    ASSERT_EQ(r.status, 1) << "killed by a signal?\n" << r.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        r.err, m,
        std::regex("The disk is full: ([0-9]+) of 3000 rows were appended; nothing else changed")))
        << r.err;
    const int kept = std::stoi(m[1]);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 3000);
    // Every kept record is whole, none blank; the index matches.
    std::string all = dump(table);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 50 + kept);
    EXPECT_EQ(all.find("\"NAME\": \"\""), std::string::npos);
    EXPECT_TRUE(indexValid(table)) << cli({"db", "info", table}).out;
    const std::string last = std::string(7 - std::to_string(1000 + kept).size(), ' ');
    EXPECT_EQ(cli({"db", "seek", table, "--tag", "ID", last + std::to_string(1000 + kept)}).status,
              0);
    EXPECT_NE(cli({"db", "seek", table, "--tag", "ID", last + std::to_string(1001 + kept)}).status,
              0);
    freeDisk();
    EXPECT_EQ(cli({"db", "reindex", table}).status, 0);
    EXPECT_TRUE(dump(table) == all);
}

TEST_F(FullDiskTest, PackZapAndReindexFailWithoutDamage) {
    const std::string table = makeTable(mnt_, 3000, 200);
    ASSERT_EQ(cli({"db", "delete", table, "--query", "ID % 2 = 0"}).status, 0);
    const std::string before = dump(table);
    fillDisk(0);
    for (const char* verb : {"pack", "zap", "reindex"}) {
        SCOPED_TRACE(verb);
        auto r = cli({"db", verb, table});
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find("disk is full"), std::string::npos) << r.err;
        EXPECT_TRUE(dump(table) == before);
        for (const auto& e : fs::directory_iterator(mnt_))
            EXPECT_NE(e.path().extension(), ".pctmp") << e.path();
    }
    freeDisk();
    // A failed reindex keeps the tag definitions for the next one.
    ASSERT_EQ(cli({"db", "reindex", table}).status, 0);
    EXPECT_TRUE(indexValid(table));
    ASSERT_EQ(cli({"db", "pack", table}).status, 0);
    EXPECT_EQ(cli({"db", "count", table, "--query", ".T."}).out, "1500\n");
}

TEST_F(FullDiskTest, RebuildSaysTheDiskIsFullAndKeepsTheIndex) {
    const std::string table = (mnt_ / "ADD0001.dbf").string();
    ASSERT_EQ(cli({"db", "create-address", (mnt_ / "ADD0001").string()}).status, 0);
    std::string csv = "LNAME,FNAME,ZIP\n";
    for (int i = 0; i < 1000; ++i) csv += "Name" + std::to_string(i) + ",F,10001\n";
    writeFile((dir_.path() / "p.csv").string(), csv);
    ASSERT_EQ(cli({"db", "append-csv", table, (dir_.path() / "p.csv").string()}).status, 0);
    ASSERT_EQ(cli({"db", "delete", table, "--query", "LNAME = 'Name1'"}).status, 0);
    fillDisk(0);
    auto r = cli({"db", "rebuild", table});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("disk is full"), std::string::npos) << r.err;
    EXPECT_EQ(cli({"db", "check-index", table}).out, "valid\n");
    freeDisk();
    r = cli({"db", "rebuild", table});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(cli({"db", "check-index", table}).out, "valid\n");
}

class ReadOnlyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() == 0 && !haveProgram("setpriv"))
            GTEST_SKIP() << "root ignores permissions and setpriv is missing";
        fs::permissions(dir_.path(), fs::perms::all);
    }
    void makeReadable() {
        for (const auto& e : fs::directory_iterator(dir_.path()))
            fs::permissions(e.path(), fs::perms::all);
    }
    TempDir dir_;
};

TEST_F(ReadOnlyTest, ZapAndRebuildInAReadOnlyFolderChangeNothing) {
    const std::string table = (dir_.path() / "ADD0001.dbf").string();
    ASSERT_EQ(cli({"db", "create-address", dir_.file("ADD0001")}).status, 0);
    writeFile(dir_.file("p.csv"), "LNAME,FNAME\nAdams,Ann\nBrown,Bob\n");
    ASSERT_EQ(cli({"db", "append-csv", table, dir_.file("p.csv")}).status, 0);
    fs::remove(dir_.file("p.csv"));
    makeReadable();
    const std::string before = dump(table);
    fs::permissions(dir_.path(), fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec);

    auto r = cliAsUser({"db", "zap", table});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("permission denied"), std::string::npos) << r.err;
    r = cliAsUser({"db", "rebuild", table});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("permission denied"), std::string::npos) << r.err;
    fs::permissions(dir_.path(), fs::perms::all);
    EXPECT_TRUE(dump(table) == before);
    EXPECT_EQ(cli({"db", "check-index", table}).out, "valid\n");
}

TEST_F(ReadOnlyTest, AReadOnlyTableOrIndexIsCalledSo) {
    const std::string table = (dir_.path() / "ADD0001.dbf").string();
    ASSERT_EQ(cli({"db", "create-address", dir_.file("ADD0001")}).status, 0);
    writeFile(dir_.file("p.csv"), "LNAME,FNAME\nAdams,Ann\n");
    makeReadable();
    fs::permissions(table, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const char* verb : {"check-index", "rebuild"}) {
        auto r = cliAsUser({"db", verb, table});
        EXPECT_EQ(r.status, 1) << verb;
        EXPECT_NE(r.err.find("permission denied"), std::string::npos) << verb << ": " << r.err;
        EXPECT_EQ(r.err.find("May not be"), std::string::npos) << r.err;
    }
    fs::permissions(table, fs::perms::all);
    fs::permissions(dir_.file("ADD0001.cdx"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto r = cliAsUser({"db", "append-csv", table, dir_.file("p.csv")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("permission denied"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("reindex"), std::string::npos) << r.err;
    EXPECT_EQ(cli({"db", "count", table, "--query", ".T."}).out, "0\n");
}

TEST(ErrorKindTest, ALockedTableIsCalledInUseWithoutGuessing) {
    TempDir dir;
    const std::string table = dir.file("ADD0001.dbf");
    ASSERT_EQ(cli({"db", "create-address", dir.file("ADD0001")}).status, 0);
    int fd = ::open(table.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    auto r = cli({"db", "check-index", table});
    ::close(fd);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("in use by another program"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("May not be"), std::string::npos) << r.err;
}

TEST(CrashLeftoversTest, AnOpenForWritingClearsWhatAKilledWriteLeft) {
    TempDir dir;
    const std::string table = makeTable(dir.path(), 20);
    const auto dbfSize = fs::file_size(table);
    const auto fptSize = fs::file_size(dir.file("T.FPT"));
    // What killed appends, packs and reindexes leave: reserved zeros past the
    // counted records with no end-of-file byte, a pre-extended memo file,
    // temporary files.
    fs::resize_file(table, dbfSize + 3 * 1024 * 1024);
    fs::resize_file(dir.file("T.FPT"), fptSize + 1024 * 1024);
    for (const char* tmp : {"T.DBF.pctmp", "T.FPT.pctmp", "T.CDX.pctmp"})
        writeFile(dir.file(tmp), "partial");

    auto r = cli({"db", "delete", table, "--query", "ID = 0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(table), dbfSize);
    EXPECT_EQ(readFile(table).back(), '\x1A');
    EXPECT_EQ(fs::file_size(dir.file("T.FPT")), fptSize);
    for (const auto& e : fs::directory_iterator(dir.path()))
        EXPECT_NE(e.path().extension(), ".pctmp") << e.path();
    EXPECT_EQ(cli({"db", "count", table, "--query", ".T."}).out, "20\n");
}

TEST(CrashLeftoversTest, AnIndexCutShortOfAPageIsStaleAndReindexBringsItsTagsBack) {
    TempDir dir;
    const std::string table = makeTable(dir.path(), 20);
    const std::string cdx = dir.file("T.CDX");
    fs::resize_file(cdx, fs::file_size(cdx) + 100);
    EXPECT_FALSE(indexValid(table));
    ASSERT_EQ(cli({"db", "reindex", table}).status, 0);
    EXPECT_TRUE(indexValid(table)) << cli({"db", "info", table}).out;
    EXPECT_EQ(fs::file_size(cdx) % 512, 0u);
    // A deletion-marked record survives the repair.
    ASSERT_EQ(cli({"db", "delete", table, "--query", "ID = 3"}).status, 0);
    fs::resize_file(cdx, fs::file_size(cdx) - 100);
    ASSERT_EQ(cli({"db", "reindex", table}).status, 0);
    EXPECT_NE(dump(table).find("\"_recno\": 3, \"_deleted\": true"), std::string::npos);
}

TEST(CrashLeftoversTest, ReindexWithoutItsIndexFileSaysSoInsteadOfSucceeding) {
    TempDir dir;
    const std::string table = makeTable(dir.path(), 5);
    fs::remove(dir.file("T.CDX"));
    auto r = cli({"db", "reindex", table});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("index file is missing"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace pc::test
