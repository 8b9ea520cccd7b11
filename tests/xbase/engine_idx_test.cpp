// A single-order index as an order of the work area: made empty, given chosen
// records one at a time, walked and sought like a tag, kept right through
// edits, a pack and a new tag, closed and reopened.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"
#include "xbase/engine.h"

using namespace pc::xbase;
using pc::test::TempDir;

namespace {

std::vector<int> walkOrder() {
    std::vector<int> out;
    for (sx_GoTop(); !sx_Eof(); sx_Skip(1)) out.push_back(sx_RecNo());
    return out;
}

class EngineIdxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sx_CloseAll();
        table_ = dir_.file("names.dbf");
        ASSERT_NE(sx_CreateNew(table_.c_str(), "N", kDriverCdx, 2), 0);
        sx_CreateField("LNAME", "C", 12, 0);
        sx_CreateField("FNAME", "C", 8, 0);
        ASSERT_NE(sx_CreateExec(), 0) << sx_LastError();
        // 1 smith ann, 2 Baker bob, 3 adams cy, 4 SMITH al, 5 Baker Bob, 6 zed
        for (auto [l, f] : std::vector<std::pair<const char*, const char*>>{{"smith", "ann"},
                                                                            {"Baker", "bob"},
                                                                            {"adams", "cy"},
                                                                            {"SMITH", "al"},
                                                                            {"Baker", "Bob"},
                                                                            {"zed", ""}}) {
            sx_AppendBlank();
            sx_Replace("LNAME", l);
            sx_Replace("FNAME", f);
        }
        sx_Commit();
        ASSERT_NE(sx_IndexTag(nullptr, "LNAME", "LNAME", 0, false, nullptr), 0);
        idxPath_ = dir_.file("_chksz.idx");
    }
    void TearDown() override {
        sx_CloseAll();
        sx_SetDeleted(false);
    }
    // Makes the index and adds records 1, 2, 4 and 5.
    int makeIndex() {
        int order = sx_IndexEmpty(idxPath_.c_str(), "upper(LNAME)+upper(FNAME)", 0);
        for (int r : {1, 2, 4, 5}) {
            sx_Go(r);
            EXPECT_TRUE(sx_KeyAdd(order)) << sx_LastError();
        }
        return order;
    }
    TempDir dir_;
    std::string table_, idxPath_;
};

}  // namespace

TEST_F(EngineIdxTest, HoldsOnlyTheAddedRecordsInKeyOrder) {
    int order = makeIndex();
    EXPECT_EQ(order, 2) << "after the one tag of the structural index";
    EXPECT_EQ(sx_TagName(order), "_CHKSZ");
    EXPECT_EQ(sx_IndexKey(order), "upper(LNAME)+upper(FNAME)");
    EXPECT_EQ(sx_IndexName(order), idxPath_);
    sx_SetOrder(order);
    // BAKER BOB twice (2 before 5), SMITH AL, SMITH ANN.
    EXPECT_EQ(walkOrder(), (std::vector<int>{2, 5, 4, 1}));
    sx_GoBottom();
    sx_Skip(-1);
    EXPECT_EQ(sx_RecNo(), 4);
    EXPECT_TRUE(sx_Seek("SMITH"));
    EXPECT_EQ(sx_RecNo(), 4);
    EXPECT_FALSE(sx_Seek("ADAMS")) << "record 3 was never added";
    // The deleted filter hides a record here as in every order.
    sx_Go(5);
    sx_Delete();
    sx_SetDeleted(true);
    EXPECT_EQ(walkOrder(), (std::vector<int>{2, 4, 1}));
}

TEST_F(EngineIdxTest, AnEditMovesTheEntryAndAddsNoneForOtherRecords) {
    int order = makeIndex();
    sx_SetOrder(order);
    sx_Go(1);
    sx_Replace("LNAME", "Able");  // SMITH ANN becomes ABLE ANN
    sx_Commit();
    sx_Go(3);
    sx_Replace("FNAME", "x");  // not in the index: stays out
    sx_Commit();
    EXPECT_EQ(walkOrder(), (std::vector<int>{1, 2, 5, 4}));
    // A new record does not join it either.
    sx_AppendBlank();
    sx_Replace("LNAME", "AAA");
    sx_Commit();
    EXPECT_EQ(walkOrder(), (std::vector<int>{1, 2, 5, 4}));
}

TEST_F(EngineIdxTest, KeepsItsOrderThroughPackNewTagAndReopen) {
    int order = makeIndex();
    sx_SetOrder(order);
    sx_Go(2);
    sx_Delete();
    sx_Go(3);
    sx_Delete();
    ASSERT_TRUE(sx_Pack()) << sx_LastError();
    // Records 1, 4, 5, 6 are now 1, 2, 3, 4; record 2 is gone.
    EXPECT_EQ(sx_IndexOrd(), order);
    EXPECT_EQ(walkOrder(), (std::vector<int>{3, 2, 1}));
    // A second tag comes before it: its number moves, the current order stays.
    ASSERT_NE(sx_IndexTag(nullptr, "FNAME", "FNAME", 0, false, nullptr), 0);
    EXPECT_EQ(sx_IndexOrd(), order + 1);
    EXPECT_EQ(walkOrder(), (std::vector<int>{3, 2, 1}));
    ASSERT_TRUE(sx_IndexClose(order + 1));
    EXPECT_EQ(sx_IndexOrd(), 0);
    EXPECT_FALSE(sx_KeyAdd(order + 1));
    int again = sx_IndexOpen(idxPath_.c_str());
    ASSERT_EQ(again, 3) << sx_LastError();
    sx_SetOrder(again);
    EXPECT_EQ(walkOrder(), (std::vector<int>{3, 2, 1}));
    sx_CloseIndexes();
    EXPECT_TRUE(std::filesystem::remove(idxPath_));
}

TEST_F(EngineIdxTest, BadRequestsFailWithoutHarm) {
    EXPECT_EQ(sx_IndexEmpty(idxPath_.c_str(), "NOSUCH+1", 0), 0);
    EXPECT_FALSE(sx_LastError().empty());
    EXPECT_FALSE(std::filesystem::exists(idxPath_));
    int order = makeIndex();
    EXPECT_EQ(sx_IndexEmpty(idxPath_.c_str(), "LNAME", 0), 0) << "the same file twice";
    EXPECT_FALSE(sx_KeyAdd(1)) << "a tag of the compound index takes no single keys";
    EXPECT_FALSE(sx_IndexClose(1));
    sx_GoBottom();
    sx_Skip(1);
    EXPECT_FALSE(sx_KeyAdd(order)) << "no record at the end of file";
    std::string junk = dir_.file("junk.idx");
    pc::test::writeFile(junk, std::string(1024, 'x'));
    EXPECT_EQ(sx_IndexOpen(junk.c_str()), 0);
    EXPECT_EQ(sx_IndexOpen(dir_.file("none.idx").c_str()), 0);
}
