// Building tags, reopening them, and positioning cursors.
#include "xbase/cdx_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cdx_test_support.h"
#include "test_support.h"
#include "xbase/error.h"

using namespace pc::xbase;

namespace {

using pc::test::Entry;
using pc::test::u8;
using pc::test::walk;

struct Keys {
    uint16_t len;
    std::string bytes;  // keys back to back
    std::vector<uint32_t> recnos;
    void add(std::string k, uint32_t r) {
        k.resize(len, ' ');
        bytes += k;
        recnos.push_back(r);
    }
    std::vector<Entry> sorted() const {
        std::vector<Entry> e;
        for (size_t i = 0; i < recnos.size(); ++i)
            e.push_back({bytes.substr(i * len, len), recnos[i]});
        std::sort(e.begin(), e.end());
        return e;
    }
};

CdxTagInfo tagInfo(const std::string& name, uint16_t len) {
    CdxTagInfo info;
    info.name = name;
    info.keyExpr = "UPPER(" + name + ")";
    info.keyLength = len;
    return info;
}

int create(CdxIndex& idx, const CdxTagInfo& info, const Keys& k) {
    return idx.createTag(info, reinterpret_cast<const uint8_t*>(k.bytes.data()), k.recnos.data(),
                         k.recnos.size());
}

std::string keyOf(const CdxTagCursor& c, size_t len) {
    return std::string(reinterpret_cast<const char*>(c.key()), len);
}

// Realistic names: few distinct surnames, shared prefixes, many repeats.
Keys names(size_t n, uint16_t len, unsigned seed) {
    const char* last[] = {"SMITH", "SMITHERS", "JONES", "JOHNSON", "JOHNSTON", "BROWN", "LEE", ""};
    const char* first[] = {"ANN", "ANNA", "ANNABEL", "BOB", "JOHN", "JOHNNY", ""};
    std::mt19937 rng(seed);
    Keys k{len, {}, {}};
    for (size_t i = 0; i < n; ++i) {
        std::string l = last[rng() % 8];
        if (rng() % 3 == 0) l += std::to_string(rng() % 50);
        l.resize(std::min<size_t>(len, 30), ' ');
        k.add(l + first[rng() % 7], uint32_t(i + 1));
    }
    return k;
}

}  // namespace

TEST(CdxIndex, BuiltTagsSurviveReopeningInOrder) {
    pc::test::TempDir dir;
    std::string path = dir.file("t.cdx");
    std::vector<std::vector<Entry>> want;
    {
        auto idx = CdxIndex::create(path, LockMode::Exclusive);
        for (uint16_t len : {1, 10, 60, 240}) {
            Keys k = names(len == 240 ? 3000 : 20000, len, len);
            int t = create(*idx, tagInfo("K" + std::to_string(len), len), k);
            want.push_back(k.sorted());
            EXPECT_EQ(walk(*idx, t), want.back());
        }
        idx->setStamp({20000, false});
    }
    auto idx = CdxIndex::open(path, OpenMode::ReadOnly, LockMode::Shared);
    ASSERT_EQ(idx->tags().size(), 4u);
    EXPECT_EQ(idx->tags()[2].name, "K60");
    EXPECT_EQ(idx->tags()[2].keyExpr, "UPPER(K60)");
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(idx->verifyTag(t), "");
        EXPECT_EQ(walk(*idx, t), want[t]);
        EXPECT_EQ(idx->keyCount(t), want[t].size());
    }
    auto s = idx->stamp();
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->recordCount, 20000u);
    EXPECT_FALSE(s->clean);
    EXPECT_THROW(idx->setStamp({}), Error);  // read-only
}

TEST(CdxIndex, SortIsStableForEqualKeysAndRecnosOutOfOrder) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
    // Keys longer than the sorter's eight-byte chunks, equal for long stretches,
    // and record numbers given in no particular order.
    Keys k{40, {}, {}};
    std::mt19937 rng(3);
    std::vector<uint32_t> recs(5000);
    for (size_t i = 0; i < recs.size(); ++i) recs[i] = uint32_t(i * 7 + 1);
    std::shuffle(recs.begin(), recs.end(), rng);
    for (uint32_t r : recs)
        k.add(
            std::string(24, 'Q') + char('A' + rng() % 3) + std::string(rng() % 2 ? "\x01" : "\xff"),
            r);
    int t = create(*idx, tagInfo("X", 40), k);
    EXPECT_EQ(walk(*idx, t), k.sorted());
}

TEST(CdxIndex, UniqueKeepsLowestRecordAndDescendingIsOnlyAFlag) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
    Keys k{5, {}, {}};
    for (auto [key, r] : std::vector<std::pair<const char*, uint32_t>>{
             {"B", 1}, {"A", 2}, {"B", 3}, {"A", 4}, {"C", 5}})
        k.add(key, r);
    CdxTagInfo u = tagInfo("U", 5);
    u.unique = true;
    u.forExpr = "AMOUNT > 0";
    int tu = create(*idx, u, k);
    CdxTagInfo d = tagInfo("D", 5);
    d.descending = true;
    int td = create(*idx, d, k);
    EXPECT_EQ(walk(*idx, tu), (std::vector<Entry>{{"A    ", 2}, {"B    ", 1}, {"C    ", 5}}));
    EXPECT_EQ(walk(*idx, td), k.sorted());
    // A unique tag ignores a second record with a present key.
    idx->insertKey(tu, u8("B    "), 0);
    idx->insertKey(tu, u8("BB   "), 9);
    EXPECT_EQ(idx->keyCount(tu), 4u);
    auto again = CdxIndex::open(dir.file("t.cdx"), OpenMode::ReadOnly, LockMode::None);
    EXPECT_TRUE(again->tags()[0].unique);
    EXPECT_EQ(again->tags()[0].forExpr, "AMOUNT > 0");
    EXPECT_TRUE(again->tags()[1].descending);
}

TEST(CdxIndex, ReplacingATagKeepsCreationOrder) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
    Keys a = names(500, 20, 1), b = names(800, 12, 2);
    create(*idx, tagInfo("ZETA", 20), a);
    create(*idx, tagInfo("ALPHA", 20), a);
    uint32_t header = idx->tags()[0].headerOffset;
    EXPECT_EQ(create(*idx, tagInfo("zeta", 12), b), 0);
    EXPECT_EQ(idx->tags()[0].headerOffset, header);
    EXPECT_EQ(idx->tags()[0].keyLength, 12);
    auto re = CdxIndex::open(dir.file("t.cdx"), OpenMode::ReadWrite, LockMode::None);
    ASSERT_EQ(re->tags().size(), 2u);
    EXPECT_EQ(re->tags()[0].name, "ZETA");
    EXPECT_EQ(re->tags()[1].name, "ALPHA");
    EXPECT_EQ(walk(*re, 0), b.sorted());
    EXPECT_EQ(walk(*re, 1), a.sorted());
}

TEST(CdxIndex, ManyTagsOutgrowOneDirectoryPage) {
    pc::test::TempDir dir;
    Keys k = names(50, 10, 5);
    {
        auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
        for (int i = 0; i < 120; ++i) create(*idx, tagInfo("TAG" + std::to_string(i), 10), k);
    }
    auto idx = CdxIndex::open(dir.file("t.cdx"), OpenMode::ReadOnly, LockMode::None);
    ASSERT_EQ(idx->tags().size(), 120u);
    for (int i = 0; i < 120; ++i) EXPECT_EQ(idx->tags()[i].name, "TAG" + std::to_string(i));
    EXPECT_EQ(walk(*idx, 119), k.sorted());
}

TEST(CdxIndex, RejectsBadTagDefinitions) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
    Keys k{10, {}, {}};
    EXPECT_THROW(create(*idx, tagInfo("", 10), k), Error);
    EXPECT_THROW(create(*idx, tagInfo("ELEVENCHARS", 10), k), Error);
    EXPECT_THROW(create(*idx, tagInfo("A B", 10), k), Error);
    EXPECT_THROW(create(*idx, tagInfo("OK", 241), k), Error);
    CdxTagInfo longExpr = tagInfo("OK", 10);
    longExpr.keyExpr = std::string(400, 'X');
    longExpr.forExpr = std::string(200, 'Y');
    EXPECT_THROW(create(*idx, longExpr, k), Error);
    EXPECT_TRUE(idx->tags().empty());
    EXPECT_THROW(idx->cursor(0), Error);
}

TEST(CdxIndex, SeekFindsPrefixesExactEntriesAndNothingPastTheEnd) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
    Keys k = names(30000, 40, 9);  // several levels deep
    int t = create(*idx, tagInfo("N", 40), k);
    auto sorted = k.sorted();
    auto c = idx->cursor(t);
    auto lowerBound = [&](const std::string& prefix) {
        return std::find_if(sorted.begin(), sorted.end(), [&](const Entry& e) {
            return e.first.compare(0, prefix.size(), prefix) >= 0;
        });
    };
    for (std::string prefix : {"JOHN", "JOHNSON", "SMITHERS4", "A", "LEE", "LEF", "SMITH     "}) {
        auto want = lowerBound(prefix);
        ASSERT_TRUE(c->seek(u8(prefix), prefix.size())) << prefix;
        EXPECT_EQ(keyOf(*c, 40), want->first) << prefix;
        EXPECT_EQ(c->recno(), want->second) << prefix;
    }
    EXPECT_FALSE(c->seek(u8("ZZZ"), 3));
    EXPECT_FALSE(c->valid());
    EXPECT_FALSE(c->next());

    // Exact entries, and the entry after a missing one.
    for (size_t i : {size_t(0), sorted.size() / 3, sorted.size() - 1}) {
        ASSERT_TRUE(c->seekEntry(u8(sorted[i].first), sorted[i].second));
        EXPECT_EQ(c->recno(), sorted[i].second);
        bool more = c->seekEntry(u8(sorted[i].first), sorted[i].second + 1);
        EXPECT_EQ(more, i + 1 < sorted.size());
        if (more) {
            EXPECT_EQ(c->recno(), sorted[i + 1].second);
        }
    }
    // Walking backwards from the end meets every entry.
    std::vector<Entry> back;
    for (bool ok = c->last(); ok; ok = c->prev()) back.push_back({keyOf(*c, 40), c->recno()});
    std::reverse(back.begin(), back.end());
    EXPECT_EQ(back, sorted);
    // Turning around in the middle.
    ASSERT_TRUE(c->seekEntry(u8(sorted[100].first), sorted[100].second));
    ASSERT_TRUE(c->prev());
    EXPECT_EQ(c->recno(), sorted[99].second);
    ASSERT_TRUE(c->next());
    ASSERT_TRUE(c->next());
    EXPECT_EQ(c->recno(), sorted[101].second);
}

TEST(CdxIndex, EmptyTag) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
    int t = create(*idx, tagInfo("E", 8), Keys{8, {}, {}});
    auto c = idx->cursor(t);
    EXPECT_FALSE(c->first());
    EXPECT_FALSE(c->last());
    EXPECT_FALSE(c->seek(u8("A"), 1));
    EXPECT_EQ(idx->keyCount(t), 0u);
    EXPECT_EQ(idx->verifyTag(t), "");
    idx->insertKey(t, u8("ABCDEFGH"), 1);
    EXPECT_TRUE(c->first());
    EXPECT_TRUE(idx->removeKey(t, u8("ABCDEFGH"), 1));
    EXPECT_FALSE(idx->removeKey(t, u8("ABCDEFGH"), 1));
    EXPECT_FALSE(c->first());
}

TEST(CdxIndex, CursorFollowsAChangeUnderIt) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("t.cdx"), LockMode::None);
    Keys k{4, {}, {}};
    for (uint32_t r = 1; r <= 6; ++r) k.add(std::string(1, char('A' + r)), r);
    int t = create(*idx, tagInfo("K", 4), k);
    auto c = idx->cursor(t);
    ASSERT_TRUE(c->seek(u8("D"), 1));  // record 3
    ASSERT_TRUE(idx->removeKey(t, u8("D   "), 3));
    ASSERT_TRUE(c->next());  // the removed entry's successor
    EXPECT_EQ(c->recno(), 4u);
    idx->insertKey(t, u8("EE  "), 9);
    ASSERT_TRUE(c->next());
    EXPECT_EQ(c->recno(), 9u);
}
