#include "xbase/field_codec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace pc::xbase {
namespace {

// A record holding one field right after the deletion flag.
struct OneField {
    FieldDef f;
    std::string rec;
    OneField(char type, uint16_t width, uint8_t decimals = 0) : rec(1u + width, ' ') {
        f.name = "F";
        f.type = type;
        f.width = width;
        f.decimals = decimals;
        f.offset = 1;
    }
    std::string bytes() const { return std::string(fieldBytes(rec.data(), f)); }
    template <typename T>
    void put(const T& v) {
        static_assert(sizeof(T) <= 8);
        std::memcpy(rec.data() + 1, &v, sizeof v);
    }
};

TEST(FieldCodec, NumbersAreRightAlignedWithTheFieldsDecimals) {
    OneField n('N', 12, 2);
    EXPECT_TRUE(setFieldNumber(n.rec.data(), n.f, 10.5));
    EXPECT_EQ(n.bytes(), "       10.50");
    EXPECT_TRUE(setFieldText(n.rec.data(), n.f, "  -3.25 "));
    EXPECT_EQ(n.bytes(), "       -3.25");
    EXPECT_EQ(fieldNumber(n.rec.data(), n.f), -3.25);
    // Halves round away from zero even when binary makes them a hair short.
    EXPECT_TRUE(setFieldNumber(n.rec.data(), n.f, 10.505));
    EXPECT_EQ(n.bytes(), "       10.51");
    EXPECT_TRUE(setFieldNumber(n.rec.data(), n.f, -0.001));
    EXPECT_EQ(n.bytes(), "        0.00");
    EXPECT_TRUE(setFieldText(n.rec.data(), n.f, "1e3"));
    EXPECT_EQ(n.bytes(), "     1000.00");

    OneField i('N', 5, 0);
    EXPECT_TRUE(setFieldNumber(i.rec.data(), i.f, 99999));
    EXPECT_EQ(i.bytes(), "99999");
    EXPECT_TRUE(setFieldNumber(i.rec.data(), i.f, 2.5));
    EXPECT_EQ(i.bytes(), "    3");
}

TEST(FieldCodec, RejectedNumbersLeaveTheFieldAlone) {
    OneField n('N', 6, 2);
    ASSERT_TRUE(setFieldNumber(n.rec.data(), n.f, 1.25));
    EXPECT_FALSE(setFieldNumber(n.rec.data(), n.f, 1234.5));  // "1234.50" is 7 wide
    EXPECT_FALSE(setFieldText(n.rec.data(), n.f, "abc"));
    EXPECT_FALSE(setFieldText(n.rec.data(), n.f, "1.2.3"));
    EXPECT_FALSE(setFieldNumber(n.rec.data(), n.f, 0.0 / 0.0));
    EXPECT_EQ(n.bytes(), "  1.25");
    EXPECT_TRUE(setFieldText(n.rec.data(), n.f, "   "));
    EXPECT_EQ(n.bytes(), "      ");
    EXPECT_EQ(fieldNumber(n.rec.data(), n.f), std::nullopt);
    std::memcpy(n.rec.data() + 1, "******", 6);  // another program's overflow mark
    EXPECT_EQ(fieldNumber(n.rec.data(), n.f), std::nullopt);
}

TEST(FieldCodec, CharacterFieldsAreCutOrPadded) {
    OneField c('C', 5);
    EXPECT_TRUE(setFieldText(c.rec.data(), c.f, "ab"));
    EXPECT_EQ(c.bytes(), "ab   ");
    EXPECT_EQ(fieldText(c.rec.data(), c.f), "ab");
    EXPECT_TRUE(setFieldText(c.rec.data(), c.f, "abcdefgh"));
    EXPECT_EQ(c.bytes(), "abcde");
    // NUL padding from other writers reads like blanks.
    std::memcpy(c.rec.data() + 1, "x\0\0\0\0", 5);
    EXPECT_EQ(fieldText(c.rec.data(), c.f), "x");
}

TEST(FieldCodec, LogicalsAcceptTheUsualSpellings) {
    OneField l('L', 1);
    for (const char* t : {"T", "y", ".T.", "true", "1", " TRUE "}) {
        ASSERT_TRUE(setFieldText(l.rec.data(), l.f, t)) << t;
        EXPECT_EQ(fieldLogical(l.rec.data(), l.f), true) << t;
    }
    for (const char* t : {"f", "N", ".F.", "False", "0"}) {
        ASSERT_TRUE(setFieldText(l.rec.data(), l.f, t)) << t;
        EXPECT_EQ(fieldLogical(l.rec.data(), l.f), false) << t;
    }
    EXPECT_FALSE(setFieldText(l.rec.data(), l.f, "maybe"));
    EXPECT_EQ(l.bytes(), "F");
    EXPECT_TRUE(setFieldText(l.rec.data(), l.f, ""));
    EXPECT_EQ(fieldLogical(l.rec.data(), l.f), std::nullopt);
    l.rec[1] = '?';
    EXPECT_EQ(fieldLogical(l.rec.data(), l.f), std::nullopt);
    setFieldLogical(l.rec.data(), l.f, true);
    EXPECT_EQ(l.bytes(), "T");
}

TEST(FieldCodec, DatesMustBeRealDates) {
    OneField d('D', 8);
    EXPECT_TRUE(setFieldText(d.rec.data(), d.f, "20240229"));
    EXPECT_EQ(fieldDate(d.rec.data(), d.f), "20240229");
    EXPECT_FALSE(setFieldText(d.rec.data(), d.f, "20230229"));
    EXPECT_FALSE(setFieldText(d.rec.data(), d.f, "2024-01-01"));
    EXPECT_EQ(d.bytes(), "20240229");
    EXPECT_TRUE(setFieldText(d.rec.data(), d.f, ""));
    EXPECT_EQ(d.bytes(), "        ");
    EXPECT_EQ(fieldDate(d.rec.data(), d.f), "");
    std::memcpy(d.rec.data() + 1, "00000000", 8);
    EXPECT_EQ(fieldDate(d.rec.data(), d.f), "");
}

TEST(FieldCodec, MemoPointersInTextAndBinaryForm) {
    OneField m('M', 10);
    setFieldMemoBlock(m.rec.data(), m.f, 16);
    EXPECT_EQ(m.bytes(), "        16");
    EXPECT_EQ(fieldMemoBlock(m.rec.data(), m.f), 16u);
    setFieldMemoBlock(m.rec.data(), m.f, 0);
    EXPECT_EQ(m.bytes(), std::string(10, ' '));
    EXPECT_EQ(fieldMemoBlock(m.rec.data(), m.f), 0u);
    std::memcpy(m.rec.data() + 1, "0000000042", 10);
    EXPECT_EQ(fieldMemoBlock(m.rec.data(), m.f), 42u);
    std::memcpy(m.rec.data() + 1, "99999999999", 10);  // more than 32 bits: no memo
    EXPECT_EQ(fieldMemoBlock(m.rec.data(), m.f), 0u);
    std::memcpy(m.rec.data() + 1, "      1x  ", 10);
    EXPECT_EQ(fieldMemoBlock(m.rec.data(), m.f), 0u);

    OneField v('M', 4);
    setFieldMemoBlock(v.rec.data(), v.f, 0x01020304);
    EXPECT_EQ(v.bytes(), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(fieldMemoBlock(v.rec.data(), v.f), 0x01020304u);
    EXPECT_EQ(fieldText(v.rec.data(), v.f), std::to_string(0x01020304));
}

TEST(FieldCodec, BinaryFieldsOfOtherProgramsReadAsText) {
    OneField i('I', 4);
    i.put(int32_t(-42));
    EXPECT_EQ(fieldText(i.rec.data(), i.f), "-42");
    EXPECT_EQ(fieldNumber(i.rec.data(), i.f), -42.0);

    OneField b('B', 8);
    b.put(1.5);
    EXPECT_EQ(fieldText(b.rec.data(), b.f), "1.5");
    EXPECT_EQ(fieldNumber(b.rec.data(), b.f), 1.5);
    b.f.decimals = 2;
    EXPECT_EQ(fieldText(b.rec.data(), b.f), "1.50");

    OneField y('Y', 8);
    y.put(int64_t(123400));
    EXPECT_EQ(fieldText(y.rec.data(), y.f), "12.3400");
    y.put(int64_t(-5));
    EXPECT_EQ(fieldText(y.rec.data(), y.f), "-0.0005");
    EXPECT_EQ(fieldNumber(y.rec.data(), y.f), -0.0005);

    OneField t('T', 8);
    int32_t dt[2] = {2460341, (13 * 3600 + 45 * 60) * 1000};  // 2024-01-31 13:45
    std::memcpy(t.rec.data() + 1, dt, 8);
    EXPECT_EQ(fieldText(t.rec.data(), t.f), "20240131 13:45:00");
    EXPECT_EQ(fieldDate(t.rec.data(), t.f), "20240131");
    dt[0] = 0, dt[1] = 0;
    std::memcpy(t.rec.data() + 1, dt, 8);
    EXPECT_EQ(fieldText(t.rec.data(), t.f), "");
    dt[0] = -7;  // garbage day numbers must not reach the calendar maths
    std::memcpy(t.rec.data() + 1, dt, 8);
    EXPECT_EQ(fieldText(t.rec.data(), t.f), "");

    // These types are read only; writing them as text is refused.
    EXPECT_FALSE(setFieldText(t.rec.data(), t.f, "20240131"));
    EXPECT_FALSE(setFieldText(i.rec.data(), i.f, "5"));
}

TEST(FieldCodec, TypeTables) {
    for (char c : std::string("CNFLDM")) EXPECT_TRUE(isWritableType(c)) << c;
    for (char c : std::string("IBYTGPV0\0", 9)) EXPECT_FALSE(isWritableType(c)) << c;
    for (char c : std::string("CNFLDMIBYTGPWVQ@+0")) EXPECT_TRUE(isKnownType(c)) << c;
    for (char c : std::string("XZ\0", 3)) EXPECT_FALSE(isKnownType(c)) << c;
}

}  // namespace
}  // namespace pc::xbase
