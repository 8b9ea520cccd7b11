// Writes killed at random moments: a child process runs one write verb on a
// small table and is sent SIGKILL part-way; the table must then open, hold
// only records that were written whole, and have an index that is valid or
// is found stale and brought back by a reindex.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "test_support.h"
#include "xbase/engine.h"

using namespace pc::xbase;
using pc::test::TempDir;
namespace fs = std::filesystem;

namespace {

constexpr int kRecords = 300;
constexpr int kAppended = 200;

std::string name(int id, bool replaced) {
    return (replaced ? "NEWNAME" : "NAME") + std::to_string(id);
}
std::string note(int id, bool replaced) {
    return (replaced ? "new note " : "note ") + std::to_string(id);
}

void fill(int id) {
    sx_Replace("ID", std::to_string(id).c_str());
    sx_Replace("NAME", name(id, false).c_str());
    sx_Replace("CITY", ("C" + std::to_string(id % 7)).c_str());
    if (id % 3 == 0) sx_Replace("NOTE", note(id, false).c_str());
}

// 300 records, every tenth deletion-marked, three tags.
void makeTable(const std::string& path) {
    ASSERT_NE(sx_CreateNew(path.c_str(), "T", kDriverCdx, 4), 0);
    sx_CreateField("ID", "N", 6, 0);
    sx_CreateField("NAME", "C", 20, 0);
    sx_CreateField("CITY", "C", 12, 0);
    sx_CreateField("NOTE", "M", 10, 0);
    ASSERT_NE(sx_CreateExec(), 0) << sx_LastError();
    for (int id = 1; id <= kRecords; ++id) {
        sx_AppendBlank();
        fill(id);
        if (id % 10 == 0) sx_Delete();
    }
    sx_IndexTag(nullptr, "NAME", "UPPER(NAME)", 0, false, nullptr);
    sx_IndexTag(nullptr, "ID", "STR(ID,6)", 0, false, nullptr);
    sx_IndexTag(nullptr, "CITY", "CITY+NAME", 0, false, "!DELETED()");
    sx_Commit();
    sx_CloseAll();
}

using Verb = std::function<void()>;

const std::map<std::string, Verb>& verbs() {
    static const std::map<std::string, Verb> all = {
        {"append",
         [] {
             for (int id = 1001; id < 1001 + kAppended; ++id) {
                 sx_AppendBlank();
                 fill(id);
             }
         }},
        {"delete",
         [] {
             for (int r = 1; r <= sx_RecCount(); r += 5) {
                 sx_Go(r);
                 sx_Delete();
             }
         }},
        {"replace",
         [] {
             for (int r = 1; r <= sx_RecCount(); ++r) {
                 sx_Go(r);
                 int id = std::stoi(sx_GetTrimString("ID"));
                 sx_Replace("NAME", name(id, true).c_str());
                 sx_Replace("NOTE", note(id, true).c_str());
             }
         }},
        {"pack", [] { sx_Pack(); }},
        {"zap", [] { sx_Zap(); }},
        {"reindex", [] { sx_Reindex(); }},
    };
    return all;
}

// Runs the verb in a child; kills it after `delay` unless it ends first.
// Returns whether the kill came before the end.
bool runAndKill(const std::string& path, const Verb& verb, std::chrono::microseconds delay) {
    pid_t pid = ::fork();
    if (pid == 0) {
        int area = sx_Use(path.c_str(), "T", kExclusive, kDriverNone);
        if (area == 0) ::_exit(3);
        verb();
        sx_Commit();
        sx_CloseAll();
        ::_exit(0);
    }
    int status = 0;
    auto until = std::chrono::steady_clock::now() + delay;
    while (std::chrono::steady_clock::now() < until) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status);
}

// Every record is one the test wrote, whole; returns the ids seen.
std::set<int> checkRecords(const std::string& verb, std::string* problem) {
    std::set<int> ids;
    for (int r = 1; r <= sx_RecCount(); ++r) {
        sx_Go(r);
        std::string idText = sx_GetTrimString("ID");
        int id = idText.empty() ? 0 : std::stoi(idText);
        bool known = (id >= 1 && id <= kRecords) || (id > 1000 && id <= 1000 + kAppended);
        std::string nm = sx_GetTrimString("NAME");
        std::string memo = sx_GetMemo("NOTE");
        bool replaced = nm == name(id, true);
        bool whole = known && (replaced || nm == name(id, false)) &&
                     sx_GetTrimString("CITY") == "C" + std::to_string(id % 7) &&
                     (memo == note(id, true) ||
                      (memo.empty() ? id % 3 != 0 || id > 1000 : memo == note(id, false)));
        if (!whole || !ids.insert(id).second) {
            *problem = verb + ": record " + std::to_string(r) + " is garbled or invented (ID '" +
                       idText + "', NAME '" + nm + "', NOTE '" + memo + "')";
            return ids;
        }
    }
    return ids;
}

// Each tag walks every record it should hold, in key order.
std::string checkIndex() {
    for (int order = 1; order <= sx_TagCount(); ++order) {
        sx_SetOrder(order);
        std::set<int> seen;
        for (sx_GoTop(); !sx_Eof(); sx_Skip(1)) seen.insert(sx_RecNo());
        size_t want = 0;
        for (int r = 1; r <= sx_RecCount(); ++r) {
            sx_Go(r);
            want += order == 3 && sx_Deleted() ? 0 : 1;
        }
        if (seen.size() != want) return "tag " + sx_TagName(order) + " misses records";
    }
    sx_SetOrder(0);
    return sx_TagCount() == 3 ? "" : "tags are missing";
}

class EngineCrashTest : public ::testing::Test {
  protected:
    void SetUp() override { sx_CloseAll(); }
    void TearDown() override { sx_CloseAll(); }
    TempDir dir_;
};

TEST_F(EngineCrashTest, EveryWriteKilledAtRandomLeavesATableThatOpensWhole) {
    const std::string base = dir_.file("base.dbf");
    makeTable(base);
    std::mt19937 random(7);
    int kills = 0;
    for (const auto& [verbName, verb] : verbs()) {
        // How long the verb takes here, so kills land inside it.
        const std::string timed = dir_.file("timed.dbf");
        for (const char* ext : {".dbf", ".fpt", ".cdx"})
            fs::copy_file(dir_.file(std::string("base") + ext),
                          dir_.file(std::string("timed") + ext),
                          fs::copy_options::overwrite_existing);
        auto start = std::chrono::steady_clock::now();
        runAndKill(timed, verb, std::chrono::seconds(30));
        auto span = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);

        for (int round = 0; round < 8; ++round) {
            TempDir work;
            for (const char* ext : {".dbf", ".fpt", ".cdx"})
                fs::copy_file(dir_.file(std::string("base") + ext),
                              work.file(std::string("t") + ext));
            const std::string path = work.file("t.dbf");
            auto delay = std::chrono::microseconds(
                std::uniform_int_distribution<int64_t>(0, span.count())(random));
            kills += runAndKill(path, verb, delay);

            SCOPED_TRACE(verbName + " killed after " + std::to_string(delay.count()) + " us");
            ASSERT_NE(sx_Use(path.c_str(), "T", kExclusive, kDriverNone), 0) << sx_LastError();
            std::string problem;
            std::set<int> ids = checkRecords(verbName, &problem);
            ASSERT_EQ(problem, "");
            // Nothing the user did not ask to lose is lost.
            int original = 0, deletedKept = 0;
            for (int id : ids) {
                original += id <= kRecords;
                deletedKept += id <= kRecords && id % 10 == 0;
            }
            if (verbName == "zap") {
                EXPECT_TRUE(ids.empty() || original == kRecords) << original;
            } else if (verbName == "pack") {
                EXPECT_TRUE(original == kRecords || (original == 270 && deletedKept == 0));
            } else {
                EXPECT_EQ(original, kRecords);
            }
            if (verbName == "append") {
                // Appended ids come in order with no gap.
                int next = 1001;
                for (int id : ids) {
                    if (id > 1000) {
                        EXPECT_EQ(id, next++);
                    }
                }
            }
            if (sx_IndexStale()) {
                ASSERT_TRUE(sx_Reindex()) << sx_LastError();
            }
            ASSERT_FALSE(sx_IndexStale());
            EXPECT_EQ(checkIndex(), "");
            sx_CloseAll();
            // The open for writing removed what the killed verb left.
            for (const auto& e : fs::directory_iterator(work.path()))
                EXPECT_NE(e.path().extension(), ".pctmp") << e.path();
        }
    }
    RecordProperty("kills", kills);
}

// A record appended but killed before its values were written is not kept
// as a blank record the user never posted.
TEST_F(EngineCrashTest, AnAppendKilledBeforeItsValuesAreWrittenLeavesNoBlankRecord) {
    const std::string path = dir_.file("base.dbf");
    makeTable(path);
    pid_t pid = ::fork();
    if (pid == 0) {
        sx_Use(path.c_str(), "T", kExclusive, kDriverNone);
        sx_AppendBlank();
        sx_Replace("NAME", "HALF FILLED");
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_NE(sx_Use(path.c_str(), "T", kExclusive, kDriverNone), 0) << sx_LastError();
    EXPECT_EQ(sx_RecCount(), kRecords);
    sx_CloseAll();
    // The file holds the counted records and its end-of-file byte, nothing more.
    std::string bytes = pc::test::readFile(path);
    EXPECT_EQ(bytes.back(), '\x1A');
}

}  // namespace
