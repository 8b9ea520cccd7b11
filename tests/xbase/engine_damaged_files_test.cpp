// Damaged index and memo files are found, never trusted: the full index
// check rejects every damage that changes what a tag gives, ordered walks
// end on any damage, and a damaged memo fails a query instead of counting
// it as empty.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "five_tag_table.h"
#include "test_support.h"
#include "xbase/engine.h"

using namespace pc::xbase;
using pc::test::TempDir;

namespace {

constexpr int kRecords = 600;
const char* const kTags[] = {"NAME", "PLACE", "AMOUNT", "CITIES", "LONGNOTE"};

class DamagedFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sx_CloseAll();
        sx_ErrorLevel(0);
        table_ = dir_.file("T.dbf");
        ASSERT_TRUE(pc::test::buildFiveTagTable(table_, kRecords)) << sx_LastError();
        cdx_ = pc::test::readFile(dir_.file("T.cdx"));
        fpt_ = pc::test::readFile(dir_.file("T.fpt"));
        pristine_ = walks();
        ASSERT_EQ(pristine_.size(), std::size(kTags));
    }
    void TearDown() override { sx_CloseAll(); }

    // Record numbers of every tag in walk order; a walk that would take
    // more steps than there are records is cut (and so differs).
    std::vector<std::vector<int>> walks() {
        std::vector<std::vector<int>> all;
        if (sx_Use(table_.c_str(), "T", kReadOnly, kDriverNone) == 0) return all;
        for (const char* tag : kTags) {
            std::vector<int> order;
            if (sx_SetOrder(sx_TagArea(tag)) >= 0 && sx_TagArea(tag) != 0) {
                for (sx_GoTop(); !sx_Eof() && order.size() <= kRecords; sx_Skip(1))
                    order.push_back(sx_RecNo());
            }
            all.push_back(order);
        }
        sx_CloseAll();
        return all;
    }

    std::string checkIndex() {
        if (sx_Use(table_.c_str(), "T", kReadOnly, kDriverNone) == 0) return sx_LastError();
        std::string fault = sx_IndexStale() ? "stale" : sx_CheckIndex();
        // A damaged tag name is for the caller to notice, as the address check does.
        for (const char* tag : kTags)
            if (fault.empty() && sx_TagArea(tag) == 0) fault = std::string("no tag ") + tag;
        sx_CloseAll();
        return fault;
    }

    TempDir dir_;
    std::string table_, cdx_, fpt_;
    std::vector<std::vector<int>> pristine_;
};

TEST_F(DamagedFilesTest, SoundIndexPasses) {
    EXPECT_EQ(checkIndex(), "");
}

// A fixed seed: 50 cuts and 50 overwrites of the index. Whenever a damaged
// index would walk any tag differently, the check must say so; no walk may
// repeat a record.
TEST_F(DamagedFilesTest, CheckRejectsEveryDamageThatChangesAWalk) {
    std::mt19937 random(20240601);
    int rejected = 0;
    for (int round = 0; round < 100; ++round) {
        std::string bytes = cdx_;
        const bool cut = round < 50;
        if (cut) {
            bytes.resize(random() % bytes.size());
        } else {
            size_t at = random() % bytes.size(), n = 1 + random() % 63;
            for (size_t k = 0; k < n && at + k < bytes.size(); ++k)
                bytes[at + k] = static_cast<char>(random());
        }
        pc::test::writeFile(dir_.file("T.cdx"), bytes);
        const std::string fault = checkIndex();
        const auto now = walks();
        for (const auto& order : now) EXPECT_LE(order.size(), size_t(kRecords)) << round;
        if (fault.empty()) {
            EXPECT_EQ(now, pristine_) << (cut ? "cut" : "overwrite") << " round " << round;
        } else {
            ++rejected;
        }
    }
    EXPECT_GE(rejected, 50);  // every cut at least
}

TEST_F(DamagedFilesTest, WrongKeysAndSwappedRecordsAreFound) {
    // The index is sound in itself but no longer matches the records.
    ASSERT_NE(sx_Use(table_.c_str(), "T", kExclusive, kDriverNone), 0);
    sx_CloseIndexes();
    sx_Go(7);
    sx_Replace("NAME", "Changed behind the index");
    sx_Commit();
    sx_CloseAll();
    pc::test::writeFile(dir_.file("T.cdx"), cdx_);
    const std::string fault = checkIndex();
    EXPECT_NE(fault.find("tag NAME"), std::string::npos) << fault;
}

// The quick check that runs on every open: sound indexes pass (unique and
// FOR tags included), and one whose records were rewritten without it fails.
TEST_F(DamagedFilesTest, SampledCheckPassesSoundIndexesAndFindsRewrittenRecords) {
    auto sampled = [&] {
        EXPECT_NE(sx_Use(table_.c_str(), "T", kReadOnly, kDriverNone), 0);
        std::string fault = sx_CheckIndexSampled();
        sx_CloseAll();
        return fault;
    };
    EXPECT_EQ(sampled(), "");
    ASSERT_NE(sx_Use(table_.c_str(), "T", kExclusive, kDriverNone), 0);
    sx_CloseIndexes();
    for (int r = 1; r <= kRecords; r += 3) {
        sx_Go(r);
        sx_Replace("NAME", ("Other" + std::to_string(r)).c_str());
    }
    sx_Commit();
    sx_CloseAll();
    pc::test::writeFile(dir_.file("T.cdx"), cdx_);
    const std::string fault = sampled();
    EXPECT_NE(fault.find("tag NAME"), std::string::npos) << fault;
}

TEST_F(DamagedFilesTest, DamagedMemoFailsQueriesAndReadsNamingRecordAndField) {
    ASSERT_NE(sx_Use(table_.c_str(), "T", kReadOnly, kDriverNone), 0);
    ASSERT_TRUE(sx_Query("LEN(NOTE)>0"));
    const int all = sx_QueryRecCount();
    EXPECT_EQ(all, kRecords / 5);
    sx_CloseAll();

    // Cut the memo file in half: the later memos lie past its end.
    pc::test::writeFile(dir_.file("T.fpt"), fpt_.substr(0, fpt_.size() / 2));
    ASSERT_NE(sx_Use(table_.c_str(), "T", kReadOnly, kDriverNone), 0);
    ASSERT_TRUE(sx_Query("LEN(NOTE)>0"));
    EXPECT_EQ(sx_QueryRecCount(), 0);
    const std::string error = sx_LastError();
    EXPECT_NE(error.find("field NOTE"), std::string::npos) << error;
    EXPECT_NE(error.find("beyond the end"), std::string::npos) << error;
    // Asked again, the count fails again instead of answering from half a scan.
    sx_QueryRecCount();
    EXPECT_FALSE(sx_LastError().empty());
    sx_Query("");
    sx_Go(kRecords - 4);  // record 596 has a memo (595 % 5 == 0)
    sx_GetMemo("NOTE");
    EXPECT_NE(sx_LastError().find("Record 596, field NOTE"), std::string::npos) << sx_LastError();
    sx_CloseAll();

    // A memo pointer into the middle of another memo.
    std::string fpt = fpt_;
    for (size_t at = 512; at + 8 <= fpt.size(); at += 64) fpt[at] = 'x';
    pc::test::writeFile(dir_.file("T.fpt"), fpt);
    ASSERT_NE(sx_Use(table_.c_str(), "T", kReadOnly, kDriverNone), 0);
    sx_Go(1);
    sx_GetMemo("NOTE");
    EXPECT_NE(sx_LastError().find("does not start a memo"), std::string::npos) << sx_LastError();
}

}  // namespace
