#include "xbase/memo_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"
#include "xbase/error.h"

namespace pc::xbase {
namespace {

using pc::test::readFile;
using pc::test::TempDir;
using pc::test::writeFile;

uint32_t be32At(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) << 24 | uint32_t(uint8_t(s[at + 1])) << 16 |
           uint32_t(uint8_t(s[at + 2])) << 8 | uint32_t(uint8_t(s[at + 3]));
}

std::string be32(uint32_t v) {
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

// An .FPT made by hand: header, then the given bytes from block 8 (64-byte blocks).
std::string fpt(uint32_t nextFree, const std::string& body) {
    std::string h(512, '\0');
    h.replace(0, 4, be32(nextFree));
    h[7] = 64;
    return h + body;
}

TEST(MemoFile, NewFileLayoutAndBlockUse) {
    TempDir dir;
    auto path = dir.file("m.fpt");
    {
        auto m = MemoFile::create(path, 64, LockMode::Exclusive);
        EXPECT_EQ(m->kind(), MemoKind::Fpt);
        EXPECT_EQ(m->blockSize(), 64);
        EXPECT_EQ(m->write(0, ""), 0u);
        EXPECT_EQ(m->write(0, std::string(56, 'a')), 8u);  // 8 + 56 fills one block
        EXPECT_EQ(m->write(0, std::string(57, 'b')), 9u);  // one byte more needs two
        EXPECT_EQ(m->write(0, "c"), 11u);
        EXPECT_EQ(m->read(9), std::string(57, 'b'));
        EXPECT_EQ(m->read(0), "");
    }
    std::string bytes = readFile(path);
    EXPECT_EQ(be32At(bytes, 0), 12u);  // next free
    EXPECT_EQ(bytes[6], 0);
    EXPECT_EQ(bytes[7], 64);
    EXPECT_EQ(bytes.size(), 12u * 64);
    EXPECT_EQ(be32At(bytes, 8 * 64), 1u);  // text memo
    EXPECT_EQ(be32At(bytes, 8 * 64 + 4), 56u);
}

TEST(MemoFile, RewriteReusesBlocksOnlyWhenTheTextFits) {
    TempDir dir;
    auto path = dir.file("m.fpt");
    auto m = MemoFile::create(path, 64, LockMode::None);
    uint32_t a = m->write(0, std::string(100, 'a'));   // blocks 8-9
    uint32_t b = m->write(0, "second");                // block 10
    EXPECT_EQ(m->write(a, std::string(120, 'x')), a);  // 128 bytes: still two blocks
    EXPECT_EQ(m->read(a), std::string(120, 'x'));
    EXPECT_EQ(m->read(b), "second");
    uint32_t moved = m->write(a, std::string(121, 'y'));
    EXPECT_EQ(moved, 11u);
    EXPECT_EQ(m->read(moved), std::string(121, 'y'));
    EXPECT_EQ(m->read(b), "second");
    // A broken old pointer is not trusted: the text goes to new blocks.
    uint32_t fresh = m->write(2, "z");
    EXPECT_GT(fresh, moved);
    EXPECT_EQ(m->read(fresh), "z");
}

TEST(MemoFile, ExistingBlockSizeAndNextFreeAreHonoured) {
    TempDir dir;
    auto path = dir.file("m.fpt");
    MemoFile::create(path, 512, LockMode::None)->write(0, "one");
    auto m = MemoFile::open(path, MemoKind::Fpt, OpenMode::ReadWrite, LockMode::None);
    EXPECT_EQ(m->blockSize(), 512);
    EXPECT_EQ(m->read(1), "one");
    EXPECT_EQ(m->write(0, "two"), 2u);

    // A next-free pointer that lags behind the data must not overwrite it.
    auto lagging = dir.file("lag.fpt");
    std::string memo = be32(1) + be32(5) + "hello";
    memo.resize(64, '\0');
    writeFile(lagging, fpt(8, memo));
    auto l = MemoFile::open(lagging, MemoKind::Fpt, OpenMode::ReadWrite, LockMode::None);
    EXPECT_EQ(l->write(0, "new"), 9u);
    EXPECT_EQ(l->read(8), "hello");
}

TEST(MemoFile, DamagedFptThrows) {
    TempDir dir;
    auto path = dir.file("bad.fpt");
    std::string memo = be32(1) + be32(1000) + "short";  // length runs past the end
    writeFile(path, fpt(9, memo));
    auto m = MemoFile::open(path, MemoKind::Fpt, OpenMode::ReadOnly, LockMode::None);
    EXPECT_THROW(m->read(8), Error);
    EXPECT_THROW(m->read(3), Error);  // inside the header
    EXPECT_THROW(m->read(9), Error);  // past the end
    EXPECT_THROW(m->read(0xFFFFFFFFu), Error);
    EXPECT_THROW(m->write(0, "x"), Error);  // read-only

    writeFile(path, std::string(100, '\0'));
    EXPECT_THROW(MemoFile::open(path, MemoKind::Fpt, OpenMode::ReadOnly, LockMode::None), Error);
    writeFile(path, std::string(512, '\0'));  // block size 0
    EXPECT_THROW(MemoFile::open(path, MemoKind::Fpt, OpenMode::ReadOnly, LockMode::None), Error);
    EXPECT_THROW(
        MemoFile::open(dir.file("none.fpt"), MemoKind::Fpt, OpenMode::ReadOnly, LockMode::None),
        Error);
}

TEST(MemoFile, DbaseMemoFiles) {
    TempDir dir;
    // dBASE III: 512-byte blocks, text up to an end-of-file byte.
    auto d3 = dir.file("d3.dbt");
    std::string h3(512, '\0');
    h3[0] = 3;
    std::string b1 = "first memo\x1A\x1A";
    b1.resize(512, '\0');
    writeFile(d3, h3 + b1 + "unterminated tail");
    auto m3 = MemoFile::open(d3, MemoKind::Dbt3, OpenMode::ReadOnly, LockMode::None);
    EXPECT_EQ(m3->read(1), "first memo");
    EXPECT_EQ(m3->read(2), "unterminated tail");
    EXPECT_THROW(m3->read(3), Error);

    // dBASE IV: block size in the header, FF FF 08 00 and a length that
    // counts the 8 header bytes.
    auto d4 = dir.file("d4.dbt");
    std::string h4(512, '\0');
    h4[20] = 0x00, h4[21] = 0x02;  // 512
    std::string b4 =
        std::string("\xFF\xFF\x08\x00", 4) + std::string("\x0D\x00\x00\x00", 4) + "hello";
    b4.resize(512, '\0');
    std::string bad = std::string("\xFF\xFF\x08\x00", 4) + std::string("\x00\x10\x00\x00", 4);
    writeFile(d4, h4 + b4 + bad);
    auto m4 = MemoFile::open(d4, MemoKind::Dbt4, OpenMode::ReadWrite, LockMode::None);
    EXPECT_EQ(m4->blockSize(), 512);
    EXPECT_EQ(m4->read(1), "hello");
    EXPECT_THROW(m4->read(2), Error);
    EXPECT_THROW(m4->write(0, "x"), Error);  // dBASE memo files are read only
}

}  // namespace
}  // namespace pc::xbase
