#include "design/component_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace pc::design;

namespace {

QByteArray encoded(const StreamValue& v) {
    QByteArray out;
    writeValue(out, v);
    return out;
}

QByteArray hex(const char* h) {
    return QByteArray::fromHex(h);
}

// A stream of one component with one property holding `value`'s bytes.
QByteArray streamWithValue(const QByteArray& value) {
    return hex("01") + "TPF0" + hex("03") + "TXy" + hex("01") + "n" + hex("01") + "P" + value +
           hex("0000") + hex("00");
}

TEST(ComponentStreamWrite, IntegersTakeTheSmallestType) {
    EXPECT_EQ(encoded(StreamValue::makeInteger(0)), hex("0200"));
    EXPECT_EQ(encoded(StreamValue::makeInteger(127)), hex("027f"));
    EXPECT_EQ(encoded(StreamValue::makeInteger(-128)), hex("0280"));
    EXPECT_EQ(encoded(StreamValue::makeInteger(128)), hex("038000"));
    EXPECT_EQ(encoded(StreamValue::makeInteger(-129)), hex("037fff"));
    EXPECT_EQ(encoded(StreamValue::makeInteger(32767)), hex("03ff7f"));
    EXPECT_EQ(encoded(StreamValue::makeInteger(32768)), hex("0400800000"));
    EXPECT_EQ(encoded(StreamValue::makeInteger(-32769)), hex("04ff7fffff"));
    // Beyond 32 bits the format has no room: saturated, never wrapped.
    EXPECT_EQ(encoded(StreamValue::makeInteger(qint64(1) << 40)), hex("04ffffff7f"));
}

TEST(ComponentStreamWrite, ScalarsStringsAndContainers) {
    EXPECT_EQ(encoded(StreamValue::makeBoolean(false)), hex("08"));
    EXPECT_EQ(encoded(StreamValue::makeBoolean(true)), hex("09"));
    EXPECT_EQ(encoded(StreamValue{}), hex("0d"));
    EXPECT_EQ(encoded(StreamValue::makeIdentifier("taCenter")), hex("0708") + "taCenter");
    EXPECT_EQ(encoded(StreamValue::makeString("Ab")), hex("0602") + "Ab");
    const QByteArray s255(255, 'x');
    EXPECT_EQ(encoded(StreamValue::makeString(s255)), hex("06ff") + s255);
    const QByteArray s300(300, 'y');
    EXPECT_EQ(encoded(StreamValue::makeString(s300)), hex("0c2c010000") + s300);
    EXPECT_EQ(encoded(StreamValue::makeSet({})), hex("0b00"));
    EXPECT_EQ(encoded(StreamValue::makeSet({"fsBold", "fsItalic"})),
              hex("0b06") + "fsBold" + hex("08") + "fsItalic" + hex("00"));
    EXPECT_EQ(
        encoded(StreamValue::makeList({StreamValue::makeString("a"), StreamValue::makeString("")})),
        hex("01060161060000"));
    EXPECT_EQ(encoded(StreamValue::makeBinary("xyz")), hex("0a03000000") + "xyz");
}

TEST(ComponentStreamWrite, ExtendedFloatsAreEightyBitLittleEndian) {
    EXPECT_EQ(encoded(StreamValue::makeFloat(1.0L)), hex("050000000000000080ff3f"));
    EXPECT_EQ(encoded(StreamValue::makeFloat(-2.5L)), hex("0500000000000000a000c0"));
    EXPECT_EQ(encoded(StreamValue::makeFloat(0.0L)), hex("0500000000000000000000"));
    for (long double v : {0.1L, 2.625L, -1e300L, 1e-300L, 123456789.0L,
                          std::numeric_limits<long double>::infinity()}) {
        QByteArray out;
        writeExtended(out, v);
        ASSERT_EQ(out.size(), 10);
        EXPECT_EQ(readExtended(out.constData()), v);
    }
#if defined(__x86_64__) || defined(__i386__)
    // There long double is the same format: the portable conversion agrees.
    for (long double v : {0.1L, -3.75L, 1e-4940L, 1.18e4931L}) {
        QByteArray out;
        writeExtended(out, v);
        EXPECT_EQ(out, QByteArray(reinterpret_cast<const char*>(&v), 10));
    }
#endif
    QByteArray nan;
    writeExtended(nan, std::numeric_limits<long double>::quiet_NaN());
    EXPECT_TRUE(std::isnan(readExtended(nan.constData())));
}

TEST(ComponentStreamWrite, AComponentIsSignatureNamesPropertiesAndTwoZeros) {
    StreamComponent c{"TGPLabel", "Label1", {{"Locked", StreamValue::makeBoolean(false)}}};
    EXPECT_EQ(writeComponents({c}), hex("01") + "TPF0" + hex("08") + "TGPLabel" + hex("06") +
                                        "Label1" + hex("06") + "Locked" + hex("08") + hex("0000") +
                                        hex("00"));
    EXPECT_EQ(writeComponents({}), hex("0100"));
}

TEST(ComponentStreamRead, EveryValueTypeReadsBack) {
    StreamComponent c{"TGPLabel", "Label1", {}};
    c.properties = {
        {"I8", StreamValue::makeInteger(-5)},
        {"I16", StreamValue::makeInteger(1000)},
        {"I32", StreamValue::makeInteger(-100000)},
        {"F", StreamValue::makeFloat(2.625L)},
        {"S", StreamValue::makeString("Caption")},
        {"L", StreamValue::makeString(QByteArray(1000, 'z'))},
        {"Id", StreamValue::makeIdentifier("clRed")},
        {"B0", StreamValue::makeBoolean(false)},
        {"B1", StreamValue::makeBoolean(true)},
        {"Bin", StreamValue::makeBinary(QByteArray("\0\1\2", 3))},
        {"Set", StreamValue::makeSet({"fsBold", "fsUnderline"})},
        {"List", StreamValue::makeList({StreamValue::makeString("a"),
                                        StreamValue::makeList({StreamValue::makeInteger(1)})})},
        {"Nil", StreamValue{}},
    };
    StreamComponent empty{"TGLine", "", {}};
    const ComponentList read = readComponents(writeComponents({c, empty}));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.components.size(), 2u);
    EXPECT_EQ(read.components[0], c);
    EXPECT_EQ(read.components[1], empty);
}

// Every cut of a valid stream is an error with no components.
TEST(ComponentStreamRead, TruncatedStreamsFailCleanly) {
    StreamComponent c{"TGPLabel",
                      "Label1",
                      {{"Caption", StreamValue::makeString("Hello")},
                       {"Width", StreamValue::makeInteger(40000)},
                       {"Font.Style", StreamValue::makeSet({"fsBold"})},
                       {"Items.Strings", StreamValue::makeList({StreamValue::makeString("x")})},
                       {"Picture.Data", StreamValue::makeBinary("BM..")},
                       {"F", StreamValue::makeFloat(1.5L)}}};
    const QByteArray whole = writeComponents({c, c});
    for (qsizetype n = 0; n < whole.size(); ++n) {
        const ComponentList read = readComponents(whole.left(n));
        EXPECT_FALSE(read.ok()) << n;
        EXPECT_TRUE(read.components.empty()) << n;
    }
    EXPECT_TRUE(readComponents(whole).ok());
}

TEST(ComponentStreamRead, HostileInputIsNamedWithItsOffset) {
    struct Case {
        QByteArray bytes;
        const char* says;
    };
    const Case cases[] = {
        {hex(""), "byte 0"},
        {hex("00"), "does not start with a list"},
        {hex("01") + "TPF1", "TPF0"},
        {hex("01") + "TPF0" + hex("00"), "without a class name"},
        // A binary claiming 4 GB in a few bytes.
        {streamWithValue(hex("0affffffff")), "binary data of 4294967295 bytes, only"},
        {streamWithValue(hex("0c10000000") + "abc"), "long string of 16 bytes"},
        {streamWithValue(hex("0e")), "unknown value type 14"},
        {streamWithValue(hex("00")), "a list end where a value belongs"},
        {streamWithValue(QByteArray(200, '\x01')), "nested deeper than 32"},
        {hex("01") + "TPF0" + hex("01") + "T" + hex("00") + hex("00") + "TPF0",
         "objects within objects"},
        {writeComponents({}) + "junk", "4 bytes after the end of the object list"},
    };
    for (const Case& c : cases) {
        const ComponentList read = readComponents(c.bytes);
        EXPECT_FALSE(read.ok()) << c.says;
        EXPECT_TRUE(read.error.contains(QLatin1String(c.says))) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(QLatin1String("at byte"))) << read.error.toStdString();
    }
    // The offset is where the fault begins: the type byte of the value.
    const ComponentList unknown = readComponents(streamWithValue(hex("0e")));
    EXPECT_TRUE(unknown.error.contains(QLatin1String("at byte 13"))) << unknown.error.toStdString();
}

TEST(ComponentStreamRead, ManyTinyValuesAreBounded) {
    // Two million booleans in one list: refused before memory grows with them.
    const QByteArray bytes = streamWithValue(hex("01") + QByteArray(2'000'000, '\x08') + hex("00"));
    const ComponentList read = readComponents(bytes);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error.contains(QLatin1String("more than"))) << read.error.toStdString();
}

}  // namespace
