#include "design/layout_json.h"

#include <gtest/gtest.h>

#include <random>

#include "design/component_stream.h"
#include "stream_probe.h"

using namespace pc::design;
using pc::design::testing::probeFactory;
using pc::design::testing::TStreamProbe;

namespace {

QByteArray loadThroughObjects(const QByteArray& json) {
    const ReadObjects read = objectsFromJsonLines(json, probeFactory());
    EXPECT_TRUE(read.ok()) << read.error.toStdString();
    std::vector<const TGGraphicControl*> objects;
    for (const auto& o : read.objects) objects.push_back(o.get());
    return writeObjects(objects);
}

TEST(LayoutJson, DumpLineFormat) {
    StreamComponent c{"TGPLabel", "Label1", {}};
    c.properties = {
        {"Left", StreamValue::makeInteger(-12)},
        {"Ratio", StreamValue::makeFloat(2.5L)},
        {"Whole", StreamValue::makeFloat(3.0L)},
        {"Caption", StreamValue::makeString("Say \"hi\"\t\x80")},
        {"Alignment", StreamValue::makeIdentifier("taCenter")},
        {"Locked", StreamValue::makeBoolean(false)},
        {"Font.Style", StreamValue::makeSet({"fsBold", "fsItalic"})},
        {"Items.Strings", StreamValue::makeList({StreamValue::makeString("a")})},
        {"Picture.Data", StreamValue::makeBinary("\x07TBitmap")},
        {"Nothing", StreamValue{}},
    };
    EXPECT_EQ(componentToJson(c),
              QByteArray("{\"class\": \"TGPLabel\", \"name\": \"Label1\", \"properties\": "
                         "{\"Left\": -12, \"Ratio\": 2.5, \"Whole\": 3.0, "
                         "\"Caption\": \"Say \\\"hi\\\"\\t\xe2\x82\xac\", "
                         "\"Alignment\": \"taCenter\", \"Locked\": false, "
                         "\"Font.Style\": [\"fsBold\", \"fsItalic\"], \"Items.Strings\": [\"a\"], "
                         "\"Picture.Data\": {\"base64\": \"B1RCaXRtYXA=\"}, \"Nothing\": null}}"));
    EXPECT_EQ(componentsToJsonLines({c, c}).count('\n'), 2);
}

TEST(LayoutJson, AmbiguousValuesAreOfferedInEachForm) {
    const JsonComponents read = componentsFromJsonLines(
        "{\"class\": \"T\", \"name\": \"\", \"properties\": {\"A\": \"taCenter\", "
        "\"B\": \"two words\", \"C\": 7, \"D\": 1.5, \"E\": [\"fsBold\"], \"F\": [\"x y\"], "
        "\"G\": {\"base64\": \"AAE=\"}, \"H\": [1, \"id\"]}}\n");
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.components.size(), 1u);
    std::vector<StreamProperty> expected = {
        {"A", StreamValue::makeIdentifier("taCenter")},
        {"A", StreamValue::makeString("taCenter")},
        {"B", StreamValue::makeString("two words")},
        {"C", StreamValue::makeInteger(7)},
        {"C", StreamValue::makeFloat(7)},
        {"D", StreamValue::makeFloat(1.5)},
        {"E", StreamValue::makeSet({"fsBold"})},
        {"E", StreamValue::makeList({StreamValue::makeString("fsBold")})},
        {"F", StreamValue::makeList({StreamValue::makeString("x y")})},
        {"G", StreamValue::makeBinary(QByteArray("\0\1", 2))},
        {"H", StreamValue::makeList({StreamValue::makeInteger(1), StreamValue::makeString("id")})},
    };
    EXPECT_EQ(read.components[0].properties, expected);
}

// For what the program saves, loading the dump gives the same bytes.
TEST(LayoutJson, DumpThenLoadIsByteIdentical) {
    TStreamProbe a;
    a.setName("Special1");
    a.setBounds(-5, 300, 40000, 7);
    a.setHint("clRed");  // a text that looks like an identifier stays a text
    a.alignment = 2;
    a.caption = QString::fromUtf8("Line \"one\" \u00e9\u20ac\\");
    a.color = 0xFF;  // clRed, stored as an identifier
    a.font.color = 0x123456;
    a.font.italic = true;
    a.font.pitch = pc::design::FontPitch::fpFixed;
    a.lines = {"taCenter", "", "two words"};
    a.picture = QByteArray("\x07TBitmap\0\xff", 10);
    TStreamProbe b;
    b.setName("Special2");
    b.setUnselectable(true);
    b.setLocked(true);
    b.setTag(-70000);
    const QByteArray saved = writeObjects({&a, &b});
    const ComponentList components = readComponents(saved);
    ASSERT_TRUE(components.ok());
    const QByteArray json = componentsToJsonLines(components.components);
    EXPECT_EQ(loadThroughObjects(json), saved);
}

TEST(LayoutJson, LoadGoesThroughTheSaveRules) {
    // Missing properties take the initial values; defaults are left out.
    const QByteArray bytes = loadThroughObjects(
        "{\"class\": \"TStreamProbe\", \"name\": \"Kept Name\", \"properties\": "
        "{\"Alignment\": \"taLeftJustify\", \"Left\": 4, \"OnClick\": \"Label1Click\", "
        "\"Unheard\": 1}}");
    TStreamProbe expected;
    expected.setName("Kept Name");
    expected.setBounds(4, 0, 0, 0);
    EXPECT_EQ(bytes, writeObjects({&expected}));
    EXPECT_FALSE(bytes.contains("Alignment"));
    EXPECT_FALSE(bytes.contains("OnClick"));
}

TEST(LayoutJson, BadInputIsAnErrorWithItsPlace) {
    struct Case {
        QByteArray json;
        const char* says;
    };
    const QByteArray longName(256, 'n');
    const Case cases[] = {
        {"{\"class\": \"TStreamProbe\", \"name\": \"x\", \"properties\": {", "line 1, column"},
        {"\n\n  [1]", "line 3, column 3: an object per line"},
        {"{\"name\": \"x\"}", "no \"class\""},
        {"{\"class\": \"TStreamProbe\"}", "no \"name\""},
        {"{\"class\": \"TStreamProbe\", \"name\": \"x\", \"properties\": []}", "not an object"},
        {"{\"class\": \"TStreamProbe\", \"name\": \"" + longName + "\"}", "longer than 255"},
        {"{\"class\": \"T\", \"name\": \"x\", \"properties\": {\"P\": {\"base64\": \"@@\"}}}",
         "malformed base64"},
        {"{\"class\": \"T\", \"name\": \"x\", \"properties\": {\"P\": {\"x\": 1}}}",
         "other than {\"base64\""},
        {"{\"class\": \"T\", \"name\": \"x\", \"properties\": {\"P\": 1e999}}", "out of range"},
        {"{\"class\": \"T\", \"name\": \"\\q\"}", "unknown escape"},
        {"{\"class\": \"T\", \"name\": \"\\uD800\\u0041\"}", "surrogate"},
        {"{\"class\": \"T\", \"name\": \"x\"} tru", "not a JSON value"},
        {"{\"class\": \"T\", \"name\": \"x\", \"properties\": {\"P\": -}}", "malformed number"},
        {QByteArray(100, '['), "nested too deeply"},
    };
    for (const Case& c : cases) {
        const JsonComponents read = componentsFromJsonLines(c.json);
        EXPECT_FALSE(read.ok()) << c.says;
        EXPECT_TRUE(read.components.empty());
        EXPECT_TRUE(read.error.contains(QLatin1String(c.says))) << read.error.toStdString();
    }
    const ReadObjects foreign = objectsFromJsonLines(
        "{\"class\": \"TStreamProbe\", \"name\": \"a\"}\n{\"class\": \"TOther\", \"name\": \"b\"}",
        probeFactory());
    EXPECT_FALSE(foreign.ok());
    EXPECT_TRUE(foreign.objects.empty());
    EXPECT_TRUE(foreign.error.contains("TOther"));
}

// Hand-edited JSON: cut or garbled text gives an error or components,
// never a crash or a runaway.
TEST(LayoutJson, CutAndGarbledTextIsSurvived) {
    StreamComponent c{"TGPLabel", "Label1", {}};
    c.properties = {{"Caption", StreamValue::makeString("a\"b\\c")},
                    {"Left", StreamValue::makeInteger(-3)},
                    {"Ratio", StreamValue::makeFloat(0.25L)},
                    {"Font.Style", StreamValue::makeSet({"fsBold"})},
                    {"Picture.Data", StreamValue::makeBinary("xyz")},
                    {"Deep", StreamValue::makeList({StreamValue::makeList({})})}};
    const QByteArray json = componentsToJsonLines({c, c});
    for (qsizetype n = 0; n < json.size(); ++n) {
        const JsonComponents read = componentsFromJsonLines(json.left(n));
        EXPECT_TRUE(read.ok() || read.components.empty());
    }
    std::mt19937 random(20261209);
    const char alphabet[] = "{}[]\":,\\u0123456789.eE+- \ntrufalsn";
    for (int round = 0; round < 3000; ++round) {
        QByteArray garbled = json;
        for (int k = 0; k < 3; ++k) {
            const auto at = static_cast<qsizetype>(random() % garbled.size());
            garbled[at] = alphabet[random() % (sizeof alphabet - 1)];
        }
        const JsonComponents read = componentsFromJsonLines(garbled);
        EXPECT_TRUE(read.ok() || read.components.empty());
    }
}

}  // namespace
