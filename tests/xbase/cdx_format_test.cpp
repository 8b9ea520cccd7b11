// Leaf compression: widths chosen like other engines choose them, and pages
// that decode to exactly what was packed.
#include "xbase/cdx_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xbase/error.h"

using namespace pc::xbase;
using namespace pc::xbase::cdx;

TEST(CdxFormat, LeafWidthsMatchWhatOtherEnginesWrite) {
    struct Want {
        uint16_t keyLength;
        uint32_t maxRecno;
        int rec, dup, trail, bytes;
    } const want[] = {{60, 2000, 12, 6, 6, 3},       {60, 100000, 20, 6, 6, 4},
                      {1, 300, 22, 1, 1, 3},         {10, 49664, 16, 4, 4, 3},
                      {8, 1000000, 24, 4, 4, 4},     {240, 70000, 24, 8, 8, 5},
                      {240, 0xFFFFFFFF, 32, 8, 8, 6}};
    for (const Want& w : want) {
        LeafLayout l = chooseLeafLayout(w.keyLength, w.maxRecno);
        EXPECT_EQ(l.recBits, w.rec) << w.keyLength << "/" << w.maxRecno;
        EXPECT_EQ(l.dupBits, w.dup);
        EXPECT_EQ(l.trailBits, w.trail);
        EXPECT_EQ(l.bytes, w.bytes);
        EXPECT_TRUE(l.holds(w.maxRecno));
    }
}

TEST(CdxFormat, PackedLeafDecodesToTheSameEntries) {
    const uint16_t len = 12;
    // Repeats, shared prefixes, all-fill keys, inner blanks after a short key.
    std::vector<std::string> keys = {"",       "",    "A",       "AB",           "AB   X",
                                     "AB   X", "ABC", "ABC\x01", "ZZZZZZZZZZZZ", "ZZZZZZZZZZZZ"};
    for (auto& k : keys) k.resize(len, ' ');
    uint8_t page[kPageSize];
    LeafPacker packer(page, len, ' ', chooseLeafLayout(len, 5000));
    for (size_t i = 0; i < keys.size(); ++i)
        ASSERT_TRUE(
            packer.add(reinterpret_cast<const uint8_t*>(keys[i].data()), uint32_t(i * 500)));
    packer.finish(kLeafNode | kRootNode, kNoPage, kNoPage);

    LeafEntries out;
    EXPECT_EQ(decodeLeaf(page, len, ' ', out), leafFreeBytes(page));
    ASSERT_EQ(out.size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.key(i)), len), keys[i]) << i;
        EXPECT_EQ(out.recnos[i], i * 500);
    }
    // Equal keys store no bytes; the fully filled key stores none either.
    EXPECT_GT(leafFreeBytes(page), kLeafArea - keys.size() * 3 - 2 * len - 10);

    // A reader that restores dropped fill with another byte must still get
    // the inner blanks of "AB   X" right: they are never taken from the
    // previous key's dropped fill.
    LeafEntries zeros;
    decodeLeaf(page, len, 0, zeros);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(zeros.key(4)), 6), "AB   X");
}

TEST(CdxFormat, PackerStopsWhenThePageIsFull) {
    const uint16_t len = 100;
    uint8_t page[kPageSize];
    LeafPacker packer(page, len, ' ', chooseLeafLayout(len, 10));
    std::vector<std::string> keys;
    for (char c = 'A'; c <= 'Z'; ++c) keys.push_back(std::string(len, c));  // nothing shared
    int added = 0;
    while (packer.add(reinterpret_cast<const uint8_t*>(keys[added].data()), 1)) ++added;
    EXPECT_EQ(added, int(kLeafArea / (len + 3)));
    packer.finish(kLeafNode, kNoPage, kNoPage);
    LeafEntries out;
    EXPECT_EQ(decodeLeaf(page, len, ' ', out), leafFreeBytes(page));
    EXPECT_EQ(out.size(), size_t(added));
}

TEST(CdxFormat, DecodeRejectsInconsistentLeaves) {
    const uint16_t len = 10;
    uint8_t good[kPageSize];
    LeafPacker packer(good, len, ' ', chooseLeafLayout(len, 100));
    for (const char* k : {"ALPHA     ", "BETA      ", "GAMMA     "})
        packer.add(reinterpret_cast<const uint8_t*>(k), 7);
    packer.finish(kLeafNode, kNoPage, kNoPage);
    LeafEntries out;
    uint8_t page[kPageSize];
    auto expectThrow = [&](auto change, const char* what) {
        std::memcpy(page, good, kPageSize);
        change(page);
        EXPECT_THROW(decodeLeaf(page, len, ' ', out), Error) << what;
    };
    expectThrow([](uint8_t* p) { p[2] = 200; }, "more entries than the area holds");
    expectThrow([](uint8_t* p) { p[23] = 0; }, "zero-byte entries");
    expectThrow([](uint8_t* p) { p[20] = 40; }, "record bits past 32");
    expectThrow([](uint8_t* p) { p[14] ^= 1; }, "mask disagrees with width");
    // First entry claims a shared prefix although nothing precedes it.
    expectThrow([](uint8_t* p) { p[24 + 2] |= 0x01; }, "duplicate count on the first key");
    // Counts that add up to more than the key length.
    expectThrow([](uint8_t* p) { p[24 + 5] = 0xFF; }, "dup + trail > key length");
    // Many entries whose key bytes would run into the entry area.
    expectThrow(
        [](uint8_t* p) {
            p[2] = 150;
            std::memset(p + 24, 0, 450);
        },
        "keys overlapping entries");
}
