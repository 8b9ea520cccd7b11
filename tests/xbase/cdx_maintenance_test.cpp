// Inserting and removing entries in place, checked against a model after
// every batch and after reopening the file.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "cdx_test_support.h"
#include "test_support.h"
#include "xbase/cdx_index.h"

using namespace pc::xbase;

namespace {

using pc::test::Entry;
using pc::test::u8;
using pc::test::walk;

// Keys from a small alphabet so that duplicates, shared prefixes and
// trailing fill are all common.
std::string randomKey(std::mt19937& rng, uint16_t len, uint8_t fill) {
    std::string k(len, char(fill));
    size_t used = rng() % (len + 1);
    for (size_t i = 0; i < used; ++i) k[i] = "AAB \x01"[rng() % 5];
    return k;
}

struct Case {
    uint16_t len;
    KeyType type;
    size_t initial, rounds;
};

void runMaintenance(const Case& cs) {
    SCOPED_TRACE("key length " + std::to_string(cs.len));
    pc::test::TempDir dir;
    std::string path = dir.file("m.cdx");
    const uint8_t fill = keyFillByte(cs.type);
    std::mt19937 rng(cs.len * 7919u);
    std::set<Entry> model;
    std::string keys;
    std::vector<uint32_t> recnos;
    for (size_t i = 0; i < cs.initial; ++i) {
        std::string k = randomKey(rng, cs.len, fill);
        if (!model.insert({k, uint32_t(i + 1)}).second) continue;
        keys += k;
        recnos.push_back(uint32_t(i + 1));
    }
    uint32_t nextRecno = uint32_t(cs.initial + 1);
    {
        auto idx = CdxIndex::create(path, LockMode::None);
        CdxTagInfo info;
        info.name = "M";
        info.keyExpr = "M";
        info.keyLength = cs.len;
        info.keyType = cs.type;
        int t = idx->createTag(info, u8(keys), recnos.data(), recnos.size());
        for (size_t round = 0; round < cs.rounds; ++round) {
            for (int op = 0; op < 200; ++op) {
                if (rng() % 2 && !model.empty()) {
                    // Remove a present entry, or try an absent one.
                    auto it = model.lower_bound({randomKey(rng, cs.len, fill), 0});
                    if (it == model.end()) it = model.begin();
                    Entry e = *it;
                    ASSERT_TRUE(idx->removeKey(t, u8(e.first), e.second));
                    model.erase(it);
                    EXPECT_FALSE(idx->removeKey(t, u8(e.first), e.second));
                } else {
                    // Record numbers grow past what the first leaf widths hold.
                    uint32_t r = rng() % 4 ? nextRecno++ : uint32_t(rng() % nextRecno + 1);
                    if (round == cs.rounds / 2 && op == 0) r = 0xFFFFFF0u + op;
                    std::string k = randomKey(rng, cs.len, fill);
                    idx->insertKey(t, u8(k), r);
                    model.insert({k, r});
                }
            }
            ASSERT_EQ(idx->verifyTag(t), "") << "round " << round;
            ASSERT_EQ(walk(*idx, t), std::vector<Entry>(model.begin(), model.end()))
                << "round " << round;
        }
        // Empty the tag completely, then grow it again from nothing.
        if (cs.len == 10) {
            for (const Entry& e : model) ASSERT_TRUE(idx->removeKey(t, u8(e.first), e.second));
            model.clear();
            EXPECT_EQ(idx->verifyTag(t), "");
            EXPECT_EQ(idx->keyCount(t), 0u);
            for (uint32_t r = 1; r <= 3000; ++r) {
                std::string k = randomKey(rng, cs.len, fill);
                idx->insertKey(t, u8(k), r);
                model.insert({k, r});
            }
            EXPECT_EQ(idx->verifyTag(t), "");
        }
    }
    auto idx = CdxIndex::open(path, OpenMode::ReadOnly, LockMode::None);
    idx->setKeyType(0, cs.type);
    EXPECT_EQ(idx->verifyTag(0), "");
    EXPECT_EQ(walk(*idx, 0), std::vector<Entry>(model.begin(), model.end()));
    EXPECT_EQ(idx->keyCount(0), model.size());
}

}  // namespace

// Enough entries for three or more levels at every key length.
TEST(CdxMaintenance, RandomInsertsAndRemovesMatchAModel) {
    for (const Case& cs :
         {Case{1, KeyType::Logical, 20000, 20}, Case{8, KeyType::Numeric, 8000, 20},
          Case{10, KeyType::Character, 8000, 20}, Case{60, KeyType::Character, 3000, 20},
          Case{240, KeyType::Character, 600, 15}})
        runMaintenance(cs);
}

TEST(CdxMaintenance, AppendingInOrderAndRemovingFromTheFront) {
    pc::test::TempDir dir;
    auto idx = CdxIndex::create(dir.file("a.cdx"), LockMode::None);
    CdxTagInfo info;
    info.name = "SEQ";
    info.keyExpr = "SEQ";
    info.keyLength = 12;
    int t = idx->createTag(info, nullptr, nullptr, 0);
    char buf[16];
    for (uint32_t r = 1; r <= 20000; ++r) {
        snprintf(buf, sizeof buf, "%012u", r);
        idx->insertKey(t, u8(buf), r);
    }
    EXPECT_EQ(idx->verifyTag(t), "");
    EXPECT_EQ(idx->keyCount(t), 20000u);
    for (uint32_t r = 1; r <= 19990; ++r) {
        snprintf(buf, sizeof buf, "%012u", r);
        ASSERT_TRUE(idx->removeKey(t, u8(buf), r));
    }
    EXPECT_EQ(idx->verifyTag(t), "");
    auto entries = walk(*idx, t);
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries.front().second, 19991u);
}
