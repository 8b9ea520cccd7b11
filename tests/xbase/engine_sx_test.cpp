// The sx_ call interface on tables from another program and on our own:
// positioning rules, seeks, locks, stale indexes, read-only safety, aliases.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"
#include "xbase/cdx_index.h"
#include "xbase/engine.h"

using namespace pc::xbase;
using pc::test::TempDir;

namespace {

std::vector<int> walkOrder() {
    std::vector<int> out;
    for (sx_GoTop(); !sx_Eof(); sx_Skip(1)) out.push_back(sx_RecNo());
    return out;
}

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override { sx_CloseAll(); }
    void TearDown() override {
        sx_CloseAll();
        sx_SetDeleted(false);
        sx_SetExact(false);
        sx_SetSoftSeek(false);
        sx_SetGaugeHook({});
    }
    int openEdge(int mode = kExclusive) {
        std::string path = pc::test::copyFixture(dir_, "edge", {".dbf", ".fpt", ".cdx"});
        return sx_Use(path.c_str(), nullptr, mode, kDriverNone);
    }
    TempDir dir_;
};

TEST_F(EngineTest, WalksEveryTagOfAForeignIndex) {
    ASSERT_NE(openEdge(kReadOnly), 0) << sx_LastError();
    EXPECT_FALSE(sx_IndexStale());
    EXPECT_EQ(sx_TagCount(), 8);
    EXPECT_EQ(sx_Alias(), "edge");
    // Names: 1 delta, 2 Alpha, 3 charlie, 4 Bravo, 5 alpha, 6 "", 7 Echo,
    // 8 DELTA, 9 bravo, 10 Zulu.
    sx_SetOrder(sx_TagArea("name"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{6, 2, 5, 4, 9, 3, 1, 8, 7, 10}));
    sx_SetOrder(sx_TagArea("NAMEDESC"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{10, 7, 8, 1, 3, 9, 4, 5, 2, 6}));
    sx_SetOrder(sx_TagArea("NAMEUNIQ"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{6, 2, 4, 3, 1, 7, 10}));
    sx_SetOrder(sx_TagArea("NAMEPOS"));  // FOR AMOUNT > 0
    EXPECT_EQ(walkOrder(), (std::vector<int>{4, 9, 1, 7, 10}));
    sx_SetOrder(sx_TagArea("AMOUNT"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{8, 2, 5, 3, 6, 9, 1, 10, 7, 4}));
    sx_SetOrder(sx_TagArea("FLAG"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{1, 2, 4, 5, 7, 8, 10, 3, 6, 9}));
    for (const char* tag : {"BORN", "DTOSNAME"}) {
        sx_SetOrder(sx_TagArea(tag));
        std::string last;
        int n = 0;
        for (sx_GoTop(); !sx_Eof(); sx_Skip(1), ++n) {
            std::string key = sx_GetDateString("BORN");
            if (std::string(tag) == "DTOSNAME") key += sx_GetTrimString("NAME");
            EXPECT_LE(last, key) << tag;
            last = key;
        }
        EXPECT_EQ(n, 10);
    }
    // The deleted filter hides record 7 from every order.
    sx_SetDeleted(true);
    sx_SetOrder(sx_TagArea("NAME"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{6, 2, 5, 4, 9, 3, 1, 8, 10}));
}

TEST_F(EngineTest, ReadsFieldsAndMemosOfAForeignTable) {
    ASSERT_NE(openEdge(kReadOnly), 0) << sx_LastError();
    EXPECT_EQ(sx_RecCount(), 10);
    EXPECT_EQ(sx_FieldCount(), 5);
    EXPECT_EQ(sx_FieldName(2), "AMOUNT");
    EXPECT_EQ(sx_FieldType(2), "N");
    EXPECT_EQ(sx_FieldWidth(2), 12);
    EXPECT_EQ(sx_FieldDecimals(2), 2);
    sx_Go(4);
    EXPECT_EQ(sx_GetTrimString("name"), "Bravo");
    EXPECT_DOUBLE_EQ(sx_GetDouble("AMOUNT"), 1234567.89);
    EXPECT_GT(sx_GetMemo("NOTE").size(), 64u);  // spans several blocks
    sx_Go(6);
    EXPECT_TRUE(sx_IsBlank("AMOUNT"));
    EXPECT_EQ(sx_GetDateString("BORN"), "");
    EXPECT_TRUE(sx_GetLogical("FLAG"));
    sx_Go(7);
    EXPECT_TRUE(sx_Deleted());
    EXPECT_EQ(sx_GetTrimString("NOSUCH"), "");
    EXPECT_NE(sx_LastError(), "");
}

TEST_F(EngineTest, MaintainsAForeignIndexAndKeepsItReadable) {
    ASSERT_NE(openEdge(), 0) << sx_LastError();
    ASSERT_TRUE(sx_AppendBlank());
    ASSERT_TRUE(sx_Replace("NAME", "Bravissimo"));
    ASSERT_TRUE(sx_Replace("AMOUNT", "5"));
    sx_Go(10);
    ASSERT_TRUE(sx_Replace("NAME", "aardvark"));
    sx_Commit();
    sx_SetOrder(sx_TagArea("NAME"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{6, 10, 2, 5, 11, 4, 9, 3, 1, 8, 7}));
    sx_SetOrder(sx_TagArea("NAMEPOS"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{10, 11, 4, 9, 1, 7}));
    sx_CloseAll();
    auto cdx = CdxIndex::open(dir_.file("edge.cdx"), OpenMode::ReadOnly, LockMode::None);
    for (int t = 0; t < static_cast<int>(cdx->tags().size()); ++t)
        EXPECT_EQ(cdx->verifyTag(t), "") << cdx->tags()[t].name;
}

TEST_F(EngineTest, PositioningAtTheEnds) {
    std::string path = dir_.file("T.DBF");
    ASSERT_NE(sx_CreateNew(path.c_str(), "T", kDriverCdx, 1), 0);
    sx_CreateField("NAME", "C", 10, 0);
    ASSERT_NE(sx_CreateExec(), 0) << sx_LastError();
    // Empty table: both ends at once, record number one past the count.
    sx_GoTop();
    EXPECT_TRUE(sx_Eof());
    EXPECT_TRUE(sx_Bof());
    EXPECT_EQ(sx_RecNo(), 1);
    for (const char* n : {"b", "a", "c"}) {
        sx_AppendBlank();
        sx_Replace("NAME", n);
    }
    sx_GoBottom();
    sx_Skip(1);
    EXPECT_TRUE(sx_Eof());
    EXPECT_EQ(sx_RecNo(), 4);
    EXPECT_EQ(sx_GetTrimString("NAME"), "");
    sx_Skip(-1);
    EXPECT_EQ(sx_RecNo(), 3);
    sx_GoTop();
    sx_Skip(-1);
    EXPECT_TRUE(sx_Bof());
    EXPECT_EQ(sx_RecNo(), 1);
    sx_Go(99);
    EXPECT_TRUE(sx_Eof());
    EXPECT_FALSE(sx_Replace("NAME", "x"));  // nothing current at the end
}

TEST_F(EngineTest, SeekRules) {
    std::string path = dir_.file("S.DBF");
    ASSERT_NE(sx_CreateNew(path.c_str(), "S", kDriverCdx, 2), 0);
    sx_CreateField("NAME", "C", 10, 0);
    sx_CreateField("N", "N", 5, 0);
    ASSERT_NE(sx_CreateExec(), 0) << sx_LastError();
    for (const char* n : {"SMITHSON", "SMITH", "JONES", "SMITH", "ADAMS"}) {
        sx_AppendBlank();
        sx_Replace("NAME", n);
        sx_Replace("N", std::to_string(sx_RecNo() * 10).c_str());
    }
    int name = sx_IndexTag(nullptr, "NAME", "NAME", 0, false, nullptr);
    int desc = sx_IndexTag(nullptr, "NAMED", "NAME", 0, true, nullptr);
    int num = sx_IndexTag(nullptr, "N", "N", 0, false, nullptr);
    ASSERT_TRUE(name && desc && num) << sx_LastError();
    sx_SetOrder(name);
    EXPECT_TRUE(sx_Seek("SMITH"));  // equal keys: lowest record first
    EXPECT_EQ(sx_RecNo(), 2);
    EXPECT_TRUE(sx_Seek("SMITHS"));  // prefix while exact is off
    EXPECT_EQ(sx_RecNo(), 1);
    EXPECT_FALSE(sx_Seek("BROWN"));
    EXPECT_TRUE(sx_Eof());
    EXPECT_FALSE(sx_Found());
    sx_SetSoftSeek(true);
    EXPECT_FALSE(sx_Seek("BROWN"));
    EXPECT_EQ(sx_RecNo(), 3);  // rests on JONES
    EXPECT_FALSE(sx_Seek("ZZZ"));
    EXPECT_TRUE(sx_Eof());
    sx_SetSoftSeek(false);
    sx_SetExact(true);
    EXPECT_FALSE(sx_Seek("SMITHS"));
    EXPECT_TRUE(sx_Seek("SMITH"));
    EXPECT_EQ(sx_RecNo(), 2);
    sx_SetOrder(desc);
    EXPECT_TRUE(sx_Seek("SMITH"));  // walking down, record 4 comes first
    EXPECT_EQ(sx_RecNo(), 4);
    sx_Skip(1);
    EXPECT_EQ(sx_RecNo(), 2);
    sx_SetSoftSeek(true);
    EXPECT_FALSE(sx_Seek("P"));
    EXPECT_EQ(sx_RecNo(), 3);  // next key down from P is JONES
    sx_SetSoftSeek(false);
    sx_SetExact(false);
    EXPECT_TRUE(sx_Seek("SMITH"));  // a prefix: SMITHSON is first walking down
    EXPECT_EQ(sx_RecNo(), 1);
    sx_SetOrder(num);
    EXPECT_TRUE(sx_Seek("30"));
    EXPECT_EQ(sx_RecNo(), 3);
    EXPECT_FALSE(sx_Seek("31"));
    sx_SetOrder(0);
    EXPECT_FALSE(sx_Seek("SMITH"));  // no order, no seek
}

TEST_F(EngineTest, ScopeKeepsOrderedMovesInsideItsKeys) {
    ASSERT_NE(openEdge(kReadOnly), 0) << sx_LastError();
    sx_SetOrder(sx_TagArea("NAME"));
    ASSERT_TRUE(sx_SetScope("B", "D"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{4, 9, 3, 1, 8}));
    std::vector<int> back;
    for (sx_GoBottom(); !sx_Bof() && !sx_Eof(); sx_Skip(-1)) back.push_back(sx_RecNo());
    EXPECT_EQ(back, (std::vector<int>{8, 1, 3, 9, 4}));
    EXPECT_FALSE(sx_Seek("ZULU"));  // outside the scope
    EXPECT_TRUE(sx_Seek("CH"));
    EXPECT_EQ(sx_RecNo(), 3);
    sx_SetOrder(sx_TagArea("NAMEDESC"));  // a new order starts unscoped
    EXPECT_EQ(walkOrder().size(), 10u);
    ASSERT_TRUE(sx_SetScope("B", "D"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{8, 1, 3, 9, 4}));
    ASSERT_TRUE(sx_SetScope("", "ALPHA"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{5, 2, 6}));
    sx_ClearScope();
    EXPECT_EQ(walkOrder().size(), 10u);
    sx_SetOrder(0);
    EXPECT_FALSE(sx_SetScope("A", "B"));
}

TEST_F(EngineTest, UniqueTagsAndBadTags) {
    ASSERT_NE(openEdge(), 0) << sx_LastError();
    EXPECT_EQ(sx_IndexTag(nullptr, "BAD", "NAME +", 0, false, nullptr), 0);
    EXPECT_NE(sx_LastError(), "");
    EXPECT_EQ(sx_IndexTag(nullptr, "1BAD", "NAME", 0, false, nullptr), 0);
    EXPECT_EQ(sx_IndexTag(nullptr, "LONGKEY", "REPLICATE(NAME, 30)", 0, false, nullptr), 0);
    EXPECT_EQ(sx_IndexTag(nullptr, "FORBAD", "NAME", 0, false, "AMOUNT"), 0);
    EXPECT_EQ(sx_IndexTag("OTHER.CDX", "X", "NAME", 0, false, nullptr), 0);
    int u = sx_IndexTag(nullptr, "UFLAG", "FLAG", 1, false, nullptr);
    ASSERT_NE(u, 0) << sx_LastError();
    EXPECT_TRUE(sx_IndexUnique(u));
    sx_SetOrder(u);
    EXPECT_EQ(walkOrder(), (std::vector<int>{1, 3}));
    EXPECT_EQ(sx_TagCount(), 9);
}

TEST_F(EngineTest, ExclusiveOpenLocksOutOthers) {
    ASSERT_NE(openEdge(), 0) << sx_LastError();
    std::string path = dir_.file("edge.dbf");
    EXPECT_EQ(sx_Use(path.c_str(), "SECOND", kShared, kDriverNone), 0);
    EXPECT_NE(sx_LastError().find("in use"), std::string::npos) << sx_LastError();
    sx_CloseAll();
    ASSERT_NE(sx_Use(path.c_str(), "A", kShared, kDriverNone), 0) << sx_LastError();
    ASSERT_NE(sx_Use(path.c_str(), "B", kReadOnly, kDriverNone), 0) << sx_LastError();
    EXPECT_EQ(sx_Use(path.c_str(), "C", kExclusive, kDriverNone), 0);
}

TEST_F(EngineTest, ReadOnlyOpenNeverWrites) {
    std::string path = pc::test::copyFixture(dir_, "edge", {".dbf", ".fpt", ".cdx"});
    std::vector<std::string> before;
    for (const char* ext : {".dbf", ".fpt", ".cdx"})
        before.push_back(pc::test::readFile(dir_.file(std::string("edge") + ext)));
    ASSERT_NE(sx_Use(path.c_str(), nullptr, kReadOnly, kDriverNone), 0) << sx_LastError();
    sx_SetOrder(sx_TagArea("NAME"));
    walkOrder();
    sx_Seek("DELTA");
    sx_Query("AMOUNT > 0");
    sx_QueryRecCount();
    sx_Go(1);
    EXPECT_FALSE(sx_Replace("NAME", "changed"));
    EXPECT_FALSE(sx_AppendBlank());
    EXPECT_FALSE(sx_Pack());
    EXPECT_EQ(sx_IndexTag(nullptr, "NEW", "NAME", 0, false, nullptr), 0);
    sx_Commit();
    sx_CloseAll();
    int i = 0;
    for (const char* ext : {".dbf", ".fpt", ".cdx"})
        EXPECT_EQ(pc::test::readFile(dir_.file(std::string("edge") + ext)), before[i++]) << ext;
}

TEST_F(EngineTest, DetectsAnIndexThatNoLongerMatches) {
    // Another program appends a record without touching the index.
    std::string path = pc::test::copyFixture(dir_, "edge", {".dbf", ".fpt", ".cdx"});
    std::string dbf = pc::test::readFile(path);
    uint16_t header = static_cast<uint8_t>(dbf[8]) | static_cast<uint8_t>(dbf[9]) << 8;
    uint16_t reclen = static_cast<uint8_t>(dbf[10]) | static_cast<uint8_t>(dbf[11]) << 8;
    std::string rec = dbf.substr(header, reclen);
    dbf.insert(header + 10 * reclen, rec);
    dbf[4] = 11;
    pc::test::writeFile(path, dbf);
    ASSERT_NE(sx_Use(path.c_str(), nullptr, kExclusive, kDriverNone), 0) << sx_LastError();
    EXPECT_TRUE(sx_IndexStale());
    EXPECT_EQ(sx_TagArea("NAME"), 0);
    EXPECT_EQ(sx_RecCount(), 11);
    // A rebuild brings back every tag the index had, now covering record 11.
    ASSERT_TRUE(sx_Reindex()) << sx_LastError();
    EXPECT_FALSE(sx_IndexStale());
    sx_CloseAll();
    ASSERT_NE(sx_Use(path.c_str(), nullptr, kExclusive, kDriverNone), 0);
    EXPECT_FALSE(sx_IndexStale());
    EXPECT_EQ(sx_TagCount(), 8);
    sx_SetOrder(sx_TagArea("NAME"));
    EXPECT_EQ(walkOrder(),
              (std::vector<int>{6, 2, 5, 4, 9, 3, 1, 8, 11, 7, 10}));  // 11 is a copy of "delta"
}

TEST_F(EngineTest, DetectsAnIndexLeftMidWrite) {
    ASSERT_NE(openEdge(), 0);
    sx_Go(1);
    sx_Replace("NAME", "x");
    sx_Commit();
    sx_CloseAll();
    {
        auto cdx = CdxIndex::open(dir_.file("edge.cdx"), OpenMode::ReadWrite, LockMode::None);
        cdx->setStamp({10, false});  // as a crash during a write would leave it
    }
    std::string path = dir_.file("edge.dbf");
    ASSERT_NE(sx_Use(path.c_str(), nullptr, kExclusive, kDriverNone), 0);
    EXPECT_TRUE(sx_IndexStale());
    EXPECT_EQ(sx_TagCount(), 0);
}

TEST_F(EngineTest, PackAndZapReportProgressAndRebuildTags) {
    ASSERT_NE(openEdge(), 0);
    std::vector<int> seen;
    sx_SetGaugeHook([&](int p) { seen.push_back(p); });
    ASSERT_TRUE(sx_Pack()) << sx_LastError();
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 100);
    EXPECT_EQ(sx_RecCount(), 9);  // record 7 is gone
    sx_SetOrder(sx_TagArea("NAME"));
    EXPECT_EQ(walkOrder(), (std::vector<int>{6, 2, 5, 4, 8, 3, 1, 7, 9}));
    sx_Go(4);
    EXPECT_GT(sx_GetMemo("NOTE").size(), 64u);
    ASSERT_TRUE(sx_Zap());
    EXPECT_EQ(sx_RecCount(), 0);
    sx_GoTop();
    EXPECT_TRUE(sx_Eof());
    EXPECT_EQ(sx_TagCount(), 8);
}

TEST_F(EngineTest, AliasAndDriverRules) {
    EXPECT_EQ(sx_DefaultAlias("/x/my-long~file name.DBF"), "my_long_");
    std::string path = pc::test::copyFixture(dir_, "edge", {".dbf", ".fpt", ".cdx"});
    ASSERT_NE(sx_Use(path.c_str(), nullptr, kShared, kDriverNone), 0);
    EXPECT_EQ(sx_DefaultAlias(path.c_str()), "edge_1");
    EXPECT_EQ(sx_WorkArea("EDGE"), 1);
    EXPECT_EQ(sx_DefaultDriver(path.c_str()), kDriverCdx);
    // A dBASE III table with a memo belongs to the NTX driver: it opens
    // without touching any index file.
    std::string dbf = pc::test::readFile(path);
    dbf[0] = static_cast<char>(0x83);
    std::string other = dir_.file("OLD.DBF");
    pc::test::writeFile(other, dbf);
    EXPECT_EQ(sx_DefaultDriver(other.c_str()), kDriverNtx);
}

TEST_F(EngineTest, CreateRejectsBadDefinitions) {
    std::string path = dir_.file("BAD.DBF");
    ASSERT_NE(sx_CreateNew(path.c_str(), "BAD", kDriverCdx, 2), 0);
    sx_CreateField("NAME", "C", 10, 0);
    sx_CreateField("NAME", "C", 10, 0);
    EXPECT_EQ(sx_CreateExec(), 0);
    EXPECT_NE(sx_LastError(), "");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(sx_CreateNew(path.c_str(), "BAD", kDriverNtx, 1), 0);
}

}  // namespace
