// Damaged index files must end in an Error: never a crash, a hang or a read
// outside the file.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "test_support.h"
#include "xbase/cdx_index.h"
#include "xbase/error.h"

using namespace pc::xbase;

namespace {

uint32_t le32(const std::string& d, size_t at) {
    uint32_t v;
    std::memcpy(&v, d.data() + at, 4);
    return v;
}
void putLe32(std::string& d, size_t at, uint32_t v) {
    std::memcpy(d.data() + at, &v, 4);
}

// Everything a reader might do with a file; returns false when it was refused.
bool exercise(const std::string& path) {
    try {
        auto idx = CdxIndex::open(path, OpenMode::ReadOnly, LockMode::None);
        for (int t = 0; t < int(idx->tags().size()); ++t) {
            idx->verifyTag(t);
            auto c = idx->cursor(t);
            for (bool ok = c->first(); ok; ok = c->next()) {
            }
            for (bool ok = c->last(); ok; ok = c->prev()) {
            }
            c->seek(reinterpret_cast<const uint8_t*>("M"), 1);
            idx->keyCount(t);
        }
        return true;
    } catch (const Error&) {
        return false;
    }
}

// A tag with three levels of 20-byte keys, written by us.
std::string deepIndex(const pc::test::TempDir& dir) {
    std::string path = dir.file("deep.cdx");
    auto idx = CdxIndex::create(path, LockMode::None);
    std::string keys;
    std::vector<uint32_t> recnos;
    for (uint32_t r = 1; r <= 20000; ++r) {
        char k[24];
        snprintf(k, sizeof k, "%-20u", r * 2654435761u);
        keys.append(k, 20);
        recnos.push_back(r);
    }
    CdxTagInfo info;
    info.name = "DEEP";
    info.keyExpr = "DEEP";
    info.keyLength = 20;
    idx->createTag(info, reinterpret_cast<const uint8_t*>(keys.data()), recnos.data(),
                   recnos.size());
    return path;
}

}  // namespace

TEST(CdxMalformed, TruncatedFiles) {
    pc::test::TempDir dir;
    for (std::string source : {pc::test::fixture("xbase/tags26.cdx"), deepIndex(dir)}) {
        std::string bytes = pc::test::readFile(source);
        std::string path = dir.file("cut.cdx");
        for (size_t cut :
             {size_t(0), size_t(100), size_t(1023), size_t(1536), size_t(2047), bytes.size() / 3,
              bytes.size() / 2, bytes.size() - 512, bytes.size() - 1}) {
            pc::test::writeFile(path, bytes.substr(0, cut));
            if (cut < 1536)
                EXPECT_FALSE(exercise(path)) << cut;
            else
                exercise(path);
        }
    }
}

TEST(CdxMalformed, RandomByteFlips) {
    pc::test::TempDir dir;
    std::mt19937 rng(77);
    for (std::string source : {pc::test::fixture("xbase/edge.cdx"), deepIndex(dir)}) {
        std::string bytes = pc::test::readFile(source);
        std::string path = dir.file("flip.cdx");
        for (int round = 0; round < 300; ++round) {
            std::string d = bytes;
            for (int i = 0, n = 1 + round % 8; i < n; ++i)
                d[rng() % d.size()] ^= char(1 << (rng() % 8));
            pc::test::writeFile(path, d);
            exercise(path);  // may or may not be refused, but must return
        }
    }
}

TEST(CdxMalformed, BadOffsetsAndLoops) {
    pc::test::TempDir dir;
    std::string good = pc::test::readFile(deepIndex(dir));
    std::string path = dir.file("bad.cdx");
    ASSERT_TRUE(exercise(dir.file("deep.cdx")));
    const uint32_t header = 1536;  // the first tag's header follows the directory
    const uint32_t root = le32(good, header);
    ASSERT_EQ(good[root] & 2, 0) << "the root should be a branch";

    auto expectRefused = [&](std::string d, const char* what) {
        pc::test::writeFile(path, d);
        EXPECT_FALSE(exercise(path)) << what;
        try {
            auto idx = CdxIndex::open(path, OpenMode::ReadOnly, LockMode::None);
            EXPECT_NE(idx->verifyTag(0), "") << what;
        } catch (const Error&) {
        }
    };
    std::string d = good;
    putLe32(d, header, root + 7);
    expectRefused(d, "root not on a page boundary");
    d = good;
    putLe32(d, header, uint32_t(good.size()));
    expectRefused(d, "root past the end");
    d = good;
    d[1024 + 2] = char(0xFF);  // directory leaf claims 255 keys
    expectRefused(d, "impossible directory key count");

    // Child pointer of the root's first entry pointing back at the root.
    d = good;
    std::string be(4, '\0');
    for (int i = 0; i < 4; ++i) be[i] = char(root >> (24 - 8 * i));
    d.replace(root + 12 + 20 + 4, 4, be);
    expectRefused(d, "child points at its own parent");

    // The leaf level's right link looping back: find the leftmost leaf.
    uint32_t page = root;
    while (!(good[page] & 2)) {
        const unsigned char* e =
            reinterpret_cast<const unsigned char*>(good.data() + page + 12 + 24);
        page = uint32_t(e[0]) << 24 | e[1] << 16 | e[2] << 8 | e[3];
    }
    uint32_t second = le32(good, page + 8);
    d = good;
    putLe32(d, second + 8, page);
    expectRefused(d, "sibling links form a cycle");
    d = good;
    putLe32(d, page + 8, page);
    expectRefused(d, "page is its own right neighbour");
}
