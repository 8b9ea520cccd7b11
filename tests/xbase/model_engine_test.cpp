// Randomized model test: thousands of appends, replaces, deletes, packs, seeks
// and ordered walks through the sx_ interface on a table with several tags,
// checked against a plain in-memory model, with the index re-read from disk
// after every reopen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "test_support.h"
#include "xbase/cdx_index.h"
#include "xbase/engine.h"

using namespace pc::xbase;

namespace {

struct Row {
    std::string name;  // as stored, without trailing blanks
    int num = 0;
    bool flag = false;
    bool deleted = false;
};

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string padded(const std::string& s, size_t n) {
    std::string r = s.substr(0, n);
    r.resize(n, ' ');
    return r;
}

class Model {
  public:
    std::vector<Row> rows;  // index = recno - 1

    // Record numbers of one tag, in walk order.
    std::vector<int> order(const std::string& tag, bool deletedFilter) const {
        std::vector<std::tuple<std::string, double, int>> keys;
        for (size_t i = 0; i < rows.size(); ++i) {
            const Row& r = rows[i];
            int recno = static_cast<int>(i + 1);
            if (deletedFilter && r.deleted) continue;
            if (tag == "NAME" || tag == "NAMEDESC")
                keys.emplace_back(padded(upper(r.name), 10), 0, recno);
            else if (tag == "NUM")
                keys.emplace_back("", r.num, recno);
            else if (tag == "BIGNUM") {
                if (r.num > 50) keys.emplace_back("", r.num, recno);
            } else if (tag == "DEL")
                keys.emplace_back(r.deleted ? "T" : "F", 0, recno);
            else if (tag == "NAMENUM") {
                char buf[16];
                std::snprintf(buf, sizeof buf, "%6d", r.num);
                keys.emplace_back(padded(upper(r.name), 10) + buf, 0, recno);
            }
        }
        std::sort(keys.begin(), keys.end());
        std::vector<int> out;
        for (auto& k : keys) out.push_back(std::get<2>(k));
        if (tag == "NAMEDESC") std::reverse(out.begin(), out.end());
        return out;
    }

    std::vector<int> physical(bool deletedFilter) const {
        std::vector<int> out;
        for (size_t i = 0; i < rows.size(); ++i)
            if (!deletedFilter || !rows[i].deleted) out.push_back(static_cast<int>(i + 1));
        return out;
    }
};

const char* kTags[][3] = {
    {"NAME", "UPPER(NAME)", ""},
    {"NUM", "NUM", ""},
    {"BIGNUM", "NUM", "NUM > 50"},
    {"DEL", "DELETED()", ""},
    {"NAMENUM", "UPPER(NAME)+STR(NUM,6)", ""},
};

std::vector<int> walk(bool backwards) {
    std::vector<int> out;
    if (backwards) {
        for (sx_GoBottom(); !sx_Bof() && !sx_Eof(); sx_Skip(-1)) out.push_back(sx_RecNo());
        std::reverse(out.begin(), out.end());
    } else {
        for (sx_GoTop(); !sx_Eof(); sx_Skip(1)) out.push_back(sx_RecNo());
    }
    return out;
}

class ModelEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sx_CloseAll();
        path_ = dir_.file("MODEL.DBF");
        ASSERT_NE(sx_CreateNew(path_.c_str(), "MODEL", kDriverCdx, 4), 0);
        ASSERT_TRUE(sx_CreateField("NAME", "C", 10, 0));
        ASSERT_TRUE(sx_CreateField("NUM", "N", 6, 0));
        ASSERT_TRUE(sx_CreateField("FLAG", "L", 1, 0));
        ASSERT_TRUE(sx_CreateField("NOTE", "M", 10, 0));
        ASSERT_NE(sx_CreateExec(), 0) << sx_LastError();
        for (auto& t : kTags)
            ASSERT_NE(sx_IndexTag(nullptr, t[0], t[1], 0, false, t[2]), 0) << sx_LastError();
        ASSERT_NE(sx_IndexTag(nullptr, "NAMEDESC", "UPPER(NAME)", 0, true, nullptr), 0);
    }
    void TearDown() override {
        sx_CloseAll();
        sx_SetDeleted(false);
        sx_SetExact(false);
        sx_SetSoftSeek(false);
    }

    void checkAllOrders(const Model& m) {
        for (bool del : {false, true}) {
            sx_SetDeleted(del);
            sx_SetOrder(0);
            ASSERT_EQ(walk(false), m.physical(del)) << "physical, deleted filter " << del;
            for (const char* tag : {"NAME", "NUM", "BIGNUM", "DEL", "NAMENUM", "NAMEDESC"}) {
                int ord = sx_TagArea(tag);
                ASSERT_NE(ord, 0) << tag;
                sx_SetOrder(ord);
                auto expected = m.order(tag, del);
                ASSERT_EQ(walk(false), expected) << tag << " forward, deleted filter " << del;
                ASSERT_EQ(walk(true), expected) << tag << " backward, deleted filter " << del;
            }
        }
        sx_SetDeleted(false);
        sx_SetOrder(0);
    }

    void reopenAndVerify(const Model& m) {
        sx_CloseAll();
        {
            auto cdx = CdxIndex::open(dir_.file("MODEL.CDX"), OpenMode::ReadOnly, LockMode::None);
            ASSERT_EQ(cdx->tags().size(), 6u);
            cdx->setKeyType(cdx->findTag("NUM"), KeyType::Numeric);
            cdx->setKeyType(cdx->findTag("BIGNUM"), KeyType::Numeric);
            cdx->setKeyType(cdx->findTag("DEL"), KeyType::Logical);
            for (int t = 0; t < 6; ++t) EXPECT_EQ(cdx->verifyTag(t), "") << cdx->tags()[t].name;
            auto stamp = cdx->stamp();
            ASSERT_TRUE(stamp.has_value());
            EXPECT_TRUE(stamp->clean);
            EXPECT_EQ(stamp->recordCount, m.rows.size());
        }
        ASSERT_NE(sx_Use(path_.c_str(), nullptr, kExclusive, kDriverNone), 0) << sx_LastError();
        ASSERT_FALSE(sx_IndexStale()) << sx_LastError();
        ASSERT_EQ(sx_RecCount(), static_cast<int>(m.rows.size()));
        for (size_t i = 0; i < m.rows.size(); ++i) {
            sx_Go(static_cast<int>(i + 1));
            ASSERT_EQ(sx_GetTrimString("NAME"), m.rows[i].name);
            ASSERT_EQ(static_cast<int>(sx_GetDouble("NUM")), m.rows[i].num);
            ASSERT_EQ(sx_Deleted(), m.rows[i].deleted);
        }
    }

    pc::test::TempDir dir_;
    std::string path_;
};

TEST_F(ModelEngineTest, RandomOperationsMatchModel) {
    std::mt19937 rng(12345);
    const std::vector<std::string> names = {"smith", "Smith", "jones", "Brown", "brownie", "",
                                            "Zed",   "adams", "a",     "ab",    "Miller"};
    auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
    Model m;

    auto setRow = [&](int recno, const Row& r) {
        sx_Go(recno);
        ASSERT_TRUE(sx_Replace("NAME", r.name.c_str()));
        ASSERT_TRUE(sx_Replace("NUM", std::to_string(r.num).c_str()));
        ASSERT_TRUE(sx_ReplaceLogical("FLAG", r.flag));
    };

    for (int round = 0; round < 12; ++round) {
        for (int op = 0; op < 400; ++op) {
            size_t kind = pick(10);
            if (kind < 4 || m.rows.empty()) {
                Row r{names[pick(names.size())], static_cast<int>(pick(100)), pick(2) == 0, false};
                ASSERT_TRUE(sx_AppendBlank());
                m.rows.push_back(Row{});
                setRow(sx_RecNo(), r);
                m.rows.back() = r;
            } else if (kind < 7) {
                int recno = static_cast<int>(pick(m.rows.size()) + 1);
                Row r = m.rows[recno - 1];
                if (pick(2)) r.name = names[pick(names.size())];
                if (pick(2)) r.num = static_cast<int>(pick(100));
                setRow(recno, r);
                m.rows[recno - 1] = r;
            } else if (kind < 9) {
                int recno = static_cast<int>(pick(m.rows.size()) + 1);
                sx_Go(recno);
                bool del = pick(3) != 0;
                if (del)
                    sx_Delete();
                else
                    sx_Recall();
                m.rows[recno - 1].deleted = del;
            } else {
                // Seek on NAME by a prefix, deleted filter on: the first visible
                // record in NAME order whose key starts with it.
                sx_SetDeleted(true);
                sx_SetOrder(sx_TagArea("NAME"));
                std::string prefix = upper(names[pick(names.size())]).substr(0, 1 + pick(3));
                bool found = sx_Seek(prefix.c_str());
                int expect = 0;
                for (int r : m.order("NAME", true))
                    if (upper(m.rows[r - 1].name).rfind(prefix, 0) == 0 || (prefix.empty())) {
                        expect = r;
                        break;
                    }
                ASSERT_EQ(found, expect != 0) << "seek " << prefix;
                if (expect)
                    ASSERT_EQ(sx_RecNo(), expect) << "seek " << prefix;
                else
                    ASSERT_TRUE(sx_Eof());
                sx_SetDeleted(false);
                sx_SetOrder(0);
            }
        }
        checkAllOrders(m);
        if (round % 4 == 3) {
            ASSERT_TRUE(sx_Pack()) << sx_LastError();
            std::vector<Row> kept;
            for (auto& r : m.rows)
                if (!r.deleted) kept.push_back(r);
            m.rows = kept;
            checkAllOrders(m);
        }
        if (round % 3 == 2) {
            reopenAndVerify(m);
            checkAllOrders(m);
        }
    }
    reopenAndVerify(m);
}

TEST_F(ModelEngineTest, QueryCountAndMovesFollowEdits) {
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(sx_AppendBlank());
        sx_Replace("NAME", i % 3 == 0 ? "match" : "other");
        sx_Replace("NUM", std::to_string(i).c_str());
    }
    sx_SetDeleted(true);
    ASSERT_TRUE(sx_Query("UPPER(NAME)=\"MAT\" .and. NUM >= 150"));
    EXPECT_EQ(sx_QueryRecCount(), 50);
    sx_SetOrder(sx_TagArea("NUM"));
    sx_GoTop();
    EXPECT_EQ(sx_RecNo(), 151);  // NUM 150
    // An edit that makes a record match, and a deletion, are seen at once.
    sx_Go(152);
    sx_Replace("NAME", "Matching");
    sx_Go(154);
    sx_Delete();
    sx_GoTop();
    EXPECT_EQ(sx_QueryRecCount(), 50);
    std::vector<int> seen = walk(false);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0], 151);
    EXPECT_EQ(seen[1], 152);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 154), 0);
    EXPECT_EQ(sx_DBFilter(), "UPPER(NAME)=\"MAT\" .and. NUM >= 150");
    ASSERT_TRUE(sx_Query(""));
    EXPECT_EQ(sx_QueryRecCount(), 299);
    EXPECT_FALSE(sx_Query("NAME +"));
    EXPECT_FALSE(sx_LastError().empty());
    EXPECT_EQ(sx_QueryTest("NUM > 3 and not DELETED()"), 1);
    EXPECT_EQ(sx_QueryTest("NUM + 1"), 0);
}

}  // namespace
