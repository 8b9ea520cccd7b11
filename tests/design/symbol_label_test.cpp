// The symbol object: its characters drawn through the symbol table, its
// self-sizing, and its stored font name.
#include "design/symbol_label.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>

#include "design/property_writer.h"
#include "design/symbol_font_map.h"

using namespace pc::design;

TEST(SymbolFontMap, CodesMapToSymbolsTheFontCanDraw) {
    EXPECT_EQ(symbolForCode(32), U' ');
    EXPECT_EQ(symbolForCode(0xFC), U'\u2714');  // the check mark
    EXPECT_EQ(symbolForCode(31), U'?');
    EXPECT_EQ(symbolForCode(256), U'?');
    EXPECT_EQ(mapSymbolText(QStringLiteral("J")), QString::fromUcs4(U"\u263A"));
    // Stored captions are Windows-1252: the euro sign is code 0x80.
    EXPECT_EQ(mapSymbolText(QString(QChar(0x20AC))), QString::fromUcs4(U"\u24EA"));
    ASSERT_TRUE(QFontDatabase::families().contains(symbolFontFamily()))
        << "the symbol font package is missing";
    const QFontMetrics symbols{QFont(symbolFontFamily())};
    for (int code = 33; code <= 255; ++code)
        EXPECT_TRUE(symbols.inFontUcs4(symbolForCode(code))) << "code " << code;
}

TEST(SymbolLabel, StartsAsTheDesignsSymbolAndKeepsItsFontName) {
    TGSymbolLabel symbol;
    EXPECT_EQ(symbol.caption(), "[");
    EXPECT_EQ(symbol.font().name, "WingDings");
    EXPECT_EQ(symbol.font().pointSize(), 24);
    EXPECT_EQ(symbol.layout().font.family(), symbolFontFamily());
    PropertyWriter out;
    symbol.writeProperties(out);
    bool named = false;
    for (const auto& p : out.take())
        if (p.name == "Font.Name") named = p.value == StreamValue::makeString("WingDings");
    EXPECT_TRUE(named);
}

TEST(SymbolLabel, SizesItselfToItsCharacterExceptWhileLoading) {
    TGSymbolLabel symbol;
    symbol.setBounds(5, 6, 300, 300);
    const int fitted = symbol.width();
    EXPECT_LT(fitted, 100);
    EXPECT_LT(symbol.height(), 100);
    EXPECT_EQ(symbol.left(), 5);

    symbol.setSymbolCode(0xFC);
    EXPECT_EQ(symbol.symbolCode(), 0xFC);

    symbol.setLoading(true);
    symbol.setBounds(5, 6, 300, 300);
    EXPECT_EQ(symbol.width(), 300);
    symbol.setLoading(false);
}
