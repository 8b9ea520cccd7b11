// Text a code page cannot hold is found before it is stored as "?".
#include <gtest/gtest.h>

#include <cstring>

#include "xbase/codepage.h"
#include "xbase/message_text.h"
#include "xbase/number_text.h"

using namespace pc::xbase;

namespace {

using Chars = std::vector<std::string>;

TEST(UnstorableTextTest, FindsWhat1252CannotHoldEachOnce) {
    EXPECT_TRUE(unstorableCharacters("Müller, Señor Ñandú €5", 1252).empty());
    EXPECT_EQ(unstorableCharacters("王小明", 1252).characters, (Chars{"王", "小", "明"}));
    UnstorableText cyrillic = unstorableCharacters("Иван Иванов", 1252);
    EXPECT_EQ(cyrillic.count, 10u);
    EXPECT_EQ(cyrillic.characters, (Chars{"И", "в", "а", "н", "о"}));
    EXPECT_EQ(unstorableCharacters("Ωmega", 1252).characters, (Chars{"Ω"}));
    EXPECT_EQ(unstorableCharacters("Łódź", 1252).characters, (Chars{"Ł", "ź"}));
    EXPECT_EQ(unstorableCharacters("Kęsy", 1252).characters, (Chars{"ę"}));
    EXPECT_EQ(unstorableCharacters("hi 😀", 1252).characters, (Chars{"😀"}));
    EXPECT_EQ(unstorableCharacters("a\xFF"
                                   "b",
                                   1252)
                  .characters,
              (Chars{"invalid UTF-8"}));
    // Another code page holds other letters.
    EXPECT_TRUE(unstorableCharacters("Иван", 1251).empty());
}

TEST(UnstorableTextTest, ADecomposedLetterIsStoredComposed) {
    const std::string decomposed = "Jose\xCC\x81";  // e + combining acute
    EXPECT_TRUE(unstorableCharacters(decomposed, 1252).empty());
    EXPECT_EQ(fromUtf8(decomposed, 1252), "Jos\xE9");
    // A combining mark with no composed form in the code page is refused.
    EXPECT_EQ(unstorableCharacters("q\xCC\x81", 1252).characters, (Chars{"\xCC\x81"}));
    EXPECT_EQ(fromUtf8("q\xCC\x81", 1252), "q?");
}

TEST(NumberTextTest, OnlyDecimalTextIsANumber) {
    for (const char* bad : {"0x10", "0X1F", "inf", "-infinity", "nan", "1e", "e5", ".", "-+5",
                            "1.2.3", "5 5", "0x1p3"}) {
        EXPECT_FALSE(parseNumberText(bad, std::strlen(bad))) << bad;
    }
    for (auto [text, value] : {std::pair<const char*, double>{"16", 16},
                               {" -1.5 ", -1.5},
                               {"+2", 2},
                               {"1e3", 1000},
                               {"12345678901234567", 12345678901234567.0},
                               {".5", 0.5},
                               {"7.", 7}}) {
        auto v = parseNumberText(text, std::strlen(text));
        ASSERT_TRUE(v) << text;
        EXPECT_DOUBLE_EQ(*v, value) << text;
    }
}

TEST(MessageTextTest, QuotesAtMost200Characters) {
    EXPECT_EQ(clipForMessage("short"), "short");
    const std::string huge(120 * 1024, 'x');
    const std::string shown = clipForMessage(huge);
    EXPECT_EQ(shown.substr(0, 200), huge.substr(0, 200));
    EXPECT_LT(shown.size(), 230u);
    // A cut never splits a character.
    std::string accents;
    for (int i = 0; i < 300; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(clipForMessage(accents).substr(0, 400), accents.substr(0, 400));
    EXPECT_EQ(clipForMessage(accents)[400], '.');
}

}  // namespace
