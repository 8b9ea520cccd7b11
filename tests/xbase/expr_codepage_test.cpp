// Code pages: language-driver marks, conversion to and from UTF-8, and the
// case tables UPPER and LOWER use.
#include <gtest/gtest.h>

#include "xbase/codepage.h"

namespace pc::xbase {
namespace {

const int kCodePages[] = {437, 850, 852, 865, 866, 1250, 1251, 1252, 10000};

TEST(CodePage, MarksMapBothWays) {
    const std::pair<uint8_t, int> marks[] = {{0x01, 437},   {0x02, 850},  {0x03, 1252},
                                             {0x04, 10000}, {0x64, 852},  {0x65, 866},
                                             {0x66, 865},   {0xC8, 1250}, {0xC9, 1251}};
    for (auto [mark, cp] : marks) {
        EXPECT_EQ(codePageFromMark(mark), cp);
        EXPECT_EQ(markFromCodePage(cp), mark);
    }
    EXPECT_EQ(codePageFromMark(0), 0);
    EXPECT_EQ(codePageFromMark(0xFE), 0);
    EXPECT_EQ(markFromCodePage(0), 0);
    EXPECT_EQ(markFromCodePage(1253), 0);
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    for (int cp : kCodePages) {
        std::string utf8 = toUtf8(all, cp);
        EXPECT_EQ(fromUtf8(utf8, cp), all) << cp;
        EXPECT_GT(utf8.size(), all.size()) << cp;
    }
}

TEST(CodePage, KnownCharacters) {
    struct Case {
        int cp;
        const char* bytes;
        const char* utf8;
    } cases[] = {
        {437, "\x82\x9B\xE1\xC9", "é¢ß╔"},
        {850, "\x9B\xB5\xD5", "øÁı"},
        {852, "\xA5\xE7\xFD", "ąšř"},
        {865, "\x9B\x9D\xAF", "øØ¤"},
        {866, "\x80\xA0\xE0\xF1", "Аарё"},
        {1250, "\xB9\x8A\xDE", "ąŠŢ"},
        {1251, "\xC0\xFF\xA8\x88", "АяЁ€"},
        {1252, "\x80\xE9\x9F\xFF", "€éŸÿ"},
        {10000, "\x8E\xA5\xDB\xF0", "é•€\xEF\xA3\xBF"},
        {0, "\xE9\x80", "é€"},  // unmarked tables read as 1252
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toUtf8(c.bytes, c.cp), c.utf8) << c.cp;
        EXPECT_EQ(fromUtf8(c.utf8, c.cp), c.bytes) << c.cp;
    }
    EXPECT_EQ(toUtf8("plain ASCII", 866), "plain ASCII");
}

TEST(CodePage, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(fromUtf8("a€b", 437), "a?b");
    EXPECT_EQ(fromUtf8("Жé", 1252), "?\xE9");
    EXPECT_EQ(fromUtf8("日本", 1251), "??");
    EXPECT_EQ(fromUtf8("😀", 1252), "?");
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b",
                       1252),
              "a?b");
    EXPECT_EQ(fromUtf8("\xC3", 1252), "?");            // truncated
    EXPECT_EQ(fromUtf8("\xC0\xAF", 1252), "??");       // overlong
    EXPECT_EQ(fromUtf8("\xED\xA0\x80", 1252), "???");  // surrogate
    EXPECT_EQ(fromUtf8("\xE2\x82"
                       "x",
                       1252),
              "?x");  // cut short
}

TEST(CodePage, CaseTables) {
    const uint8_t* up = upperTable(1252);
    const uint8_t* low = lowerTable(1252);
    EXPECT_EQ(up['a'], 'A');
    EXPECT_EQ(up[0xE0], 0xC0);   // à
    EXPECT_EQ(up[0xFE], 0xDE);   // þ
    EXPECT_EQ(up[0xF7], 0xF7);   // ÷ is not a letter
    EXPECT_EQ(up[0xDF], 0xDF);   // ß has no single-byte capital
    EXPECT_EQ(up[0x9A], 0x8A);   // š
    EXPECT_EQ(up[0x9C], 0x8C);   // œ
    EXPECT_EQ(up[0x9E], 0x8E);   // ž
    EXPECT_EQ(up[0xFF], 0x9F);   // ÿ
    EXPECT_EQ(low[0xD7], 0xD7);  // ×
    EXPECT_EQ(low[0x9F], 0xFF);
    for (int b = 0; b < 256; ++b) {
        if (up[b] != b) {
            EXPECT_EQ(low[up[b]], b) << b;
        }
        if (low[b] != b) {
            EXPECT_EQ(up[low[b]], b) << b;
        }
    }
    EXPECT_EQ(upperTable(0), up);
    for (int cp : {437, 850, 866, 1250, 1251, 10000}) {
        EXPECT_EQ(upperTable(cp)['z'], 'Z') << cp;
        EXPECT_EQ(upperTable(cp)[0xE0], 0xE0) << cp;
        EXPECT_EQ(lowerTable(cp)[0xC0], 0xC0) << cp;
    }
}

}  // namespace
}  // namespace pc::xbase
