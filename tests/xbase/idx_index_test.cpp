// Single-order index files: what we write reads back in the same order (also
// as a tree of several levels), changes follow through an open cursor, and a
// damaged file is an error, never a crash. Perl's XBase::Index, another
// reader, must list the same entries as we do.
#include "xbase/idx_index.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "test_support.h"
#include "xbase/byte_order.h"
#include "xbase/error.h"

using namespace pc::xbase;
using pc::test::TempDir;

namespace {

CdxTagInfo charKey(uint16_t length, bool unique = false) {
    CdxTagInfo info;
    info.keyExpr = "upper(LNAME)+upper(FNAME)";
    info.keyLength = length;
    info.unique = unique;
    return info;
}

std::string padded(std::string s, size_t n) {
    s.resize(n, ' ');
    return s;
}

const uint8_t* bytes(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

// "KEY:recno" per entry, trailing blanks of the key dropped.
std::vector<std::string> listing(const IdxIndex& x) {
    std::vector<std::string> out;
    auto c = x.cursor();
    for (bool ok = c->first(); ok; ok = c->next()) {
        std::string k(reinterpret_cast<const char*>(c->key()), x.info().keyLength);
        k.erase(k.find_last_not_of(' ') + 1);
        out.push_back(k + ":" + std::to_string(c->recno()));
    }
    return out;
}

std::string run(const std::string& cmd) {
    std::string out;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    ::pclose(p);
    return out;
}

}  // namespace

TEST(IdxIndex, KeysAddedOneAtATimeReadBackInKeyThenRecordOrder) {
    TempDir dir;
    std::string path = dir.file("_chksz.idx");
    {
        auto x = IdxIndex::create(path, charKey(10));
        EXPECT_EQ(x->info().name, "_CHKSZ");
        EXPECT_EQ(x->keyCount(), 0u);
        for (auto [k, r] : std::vector<std::pair<const char*, uint32_t>>{
                 {"SMITH", 9}, {"BAKER", 4}, {"SMITH", 2}, {"ADAMS", 7}, {"BAKER", 4}})
            x->insertKey(bytes(padded(k, 10)), r);
        EXPECT_EQ(listing(*x),
                  (std::vector<std::string>{"ADAMS:7", "BAKER:4", "SMITH:2", "SMITH:9"}));
    }
    auto back = IdxIndex::open(path, true);
    EXPECT_EQ(back->info().keyExpr, "upper(LNAME)+upper(FNAME)");
    EXPECT_EQ(back->info().keyLength, 10);
    EXPECT_EQ(listing(*back),
              (std::vector<std::string>{"ADAMS:7", "BAKER:4", "SMITH:2", "SMITH:9"}));
    // A prefix seek rests on the first key that begins with it.
    auto c = back->cursor();
    ASSERT_TRUE(c->seek(bytes("SM"), 2));
    EXPECT_EQ(c->recno(), 2u);
    EXPECT_FALSE(c->seek(bytes("T"), 1));
    EXPECT_THROW(back->insertKey(bytes(padded("X", 10)), 1), Error);
}

TEST(IdxIndex, ManyKeysMakeATreeOfSeveralLevelsThatReadsBackWhole) {
    TempDir dir;
    std::string path = dir.file("big.idx");
    // 40-byte keys: 11 entries a node, so 20000 keys need four levels.
    std::mt19937 rng(7);
    std::vector<std::string> expected;
    {
        auto x = IdxIndex::create(path, charKey(40));
        for (uint32_t r = 1; r <= 20000; ++r) {
            std::string k = "K" + std::to_string(rng() % 5000);
            x->insertKey(bytes(padded(k, 40)), r);
            char line[64];
            snprintf(line, sizeof line, "%-40s%010u", k.c_str(), r);
            expected.push_back(line);
        }
    }
    std::sort(expected.begin(), expected.end());
    std::string file = pc::test::readFile(path);
    ASSERT_EQ(file.size() % 512, 0u);
    const uint8_t* root = bytes(file) + le32(bytes(file));
    EXPECT_EQ(le16(root) & 1, 1) << "the header points at the root";
    EXPECT_EQ(le16(root) & 2, 0) << "the root is an interior node";
    EXPECT_EQ(le32(bytes(file) + 8), file.size());

    auto back = IdxIndex::open(path, true);
    ASSERT_EQ(back->keyCount(), 20000u);
    auto c = back->cursor();
    size_t i = 0;
    for (bool ok = c->first(); ok; ok = c->next(), ++i) {
        char line[64];
        snprintf(line, sizeof line, "%.40s%010u", reinterpret_cast<const char*>(c->key()),
                 c->recno());
        ASSERT_EQ(line, expected[i]) << "entry " << i;
    }
    EXPECT_EQ(i, expected.size());
    // Backwards from the end gives the same entries reversed.
    ASSERT_TRUE(c->last());
    for (i = expected.size(); i-- > 0;) {
        EXPECT_EQ(c->recno(), std::stoul(expected[i].substr(40)));
        if (c->prev() != (i > 0)) FAIL() << "prev at " << i;
    }
}

TEST(IdxIndex, CursorFollowsRemovalsAndInsertsAndUniqueKeepsTheFirst) {
    TempDir dir;
    auto x = IdxIndex::create(dir.file("u.idx"), charKey(4, true));
    EXPECT_TRUE(x->insertKey(bytes("BBBB"), 5));
    EXPECT_FALSE(x->insertKey(bytes("BBBB"), 2));
    EXPECT_TRUE(x->insertKey(bytes("AAAA"), 9));
    EXPECT_TRUE(x->insertKey(bytes("CCCC"), 1));
    auto c = x->cursor();
    ASSERT_TRUE(c->seek(bytes("BBBB"), 4));
    EXPECT_TRUE(x->removeKey(bytes("BBBB"), 5));
    EXPECT_FALSE(x->removeKey(bytes("BBBB"), 5));
    ASSERT_TRUE(c->next()) << "a removed entry's successor comes next";
    EXPECT_EQ(c->recno(), 1u);
    x->insertKey(bytes("BBBC"), 3);
    ASSERT_TRUE(c->prev());
    EXPECT_EQ(c->recno(), 3u);
    // A pack renumbers: record 9 goes, 3 becomes 2, 1 stays.
    x->renumber({0, 1, 0, 2, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(listing(*x), (std::vector<std::string>{"BBBC:2", "CCCC:1"}));
}

TEST(IdxIndex, DamagedFilesAreErrors) {
    TempDir dir;
    std::string path = dir.file("d.idx");
    {
        auto x = IdxIndex::create(path, charKey(8));
        for (uint32_t r = 1; r <= 300; ++r) x->insertKey(bytes(padded(std::to_string(r), 8)), r);
    }
    const std::string good = pc::test::readFile(path);
    auto damage = [&](size_t at, std::vector<uint8_t> with) {
        std::string bad = good;
        for (size_t i = 0; i < with.size(); ++i) bad[at + i] = static_cast<char>(with[i]);
        pc::test::writeFile(path, bad);
    };
    uint32_t root = le32(bytes(good));
    std::vector<std::pair<size_t, std::vector<uint8_t>>> cases = {
        {0, {0x10, 0, 0, 0}},              // root not on a node boundary
        {0, {0, 0, 0, 0x7F}},              // root far past the end
        {12, {0, 0}},                      // key length 0
        {12, {0xFF, 0}},                   // key length too long
        {14, {0x20}},                      // compact layout
        {16, {0}},                         // no key expression
        {root + 2, {0xFF, 0x7F}},          // too many keys in the root
        {root + 12 + 8, {0, 0, 0, 0}},     // child pointer to the header
        {root + 12 + 8, {0x7F, 0, 0, 0}},  // child pointer past the end
        {root, {0, 0}},                    // root marked interior, children fine
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        damage(cases[i].first, cases[i].second);
        if (i + 1 == cases.size()) {
            EXPECT_NO_THROW(IdxIndex::open(path, true));
            continue;
        }
        EXPECT_THROW(IdxIndex::open(path, true), Error) << "case " << i;
    }
    // A leaf chain that loops back on itself.
    std::string loop = good;
    putLe32(reinterpret_cast<uint8_t*>(&loop[512 + 8]), 512);
    pc::test::writeFile(path, loop);
    EXPECT_THROW(IdxIndex::open(path, true), Error);
    pc::test::writeFile(path, good.substr(0, 700));
    EXPECT_THROW(IdxIndex::open(path, true), Error);
}

TEST(IdxIndex, PerlReadsOurTreesInTheSameOrder) {
    if (std::system("perl -MXBase::Index -e 1 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "perl with XBase::Index is not installed";
    TempDir dir;
    for (uint32_t count : {0u, 5u, 3000u}) {
        std::string path = dir.file("p" + std::to_string(count) + ".idx");
        std::mt19937 rng(count);
        {
            auto x = IdxIndex::create(path, charKey(24));
            for (uint32_t r = 1; r <= count; ++r)
                x->insertKey(bytes(padded("N" + std::to_string(rng() % 700), 24)), r);
            x->flush();
        }
        auto back = IdxIndex::open(path, true);
        std::string ours;
        auto c = back->cursor();
        for (bool ok = c->first(); ok; ok = c->next()) {
            char hex[3];
            for (size_t i = 0; i < 24; ++i) {  // this reader keeps the blanks
                snprintf(hex, sizeof hex, "%02x", c->key()[i]);
                ours += hex;
            }
            ours += " " + std::to_string(c->recno()) + "\n";
        }
        std::string script = pc::test::fixture("../xbase/scripts/cdx_dump.pl");
        std::string perl = run("perl '" + script + "' '" + path + "' X C 2>&1");
        EXPECT_TRUE(perl == ours) << count << " keys; Perl lists\n" << perl.substr(0, 2000);
    }
}
