// Index keys: widths fixed by the expression and the exact bytes other
// programs expect to find in the address tags.
#include <algorithm>
#include <array>

#include "expr_test_records.h"

namespace pc::xbase {
namespace {

using test::TestTable;

std::string key(const Expression& e, const std::string& rec, uint32_t recno = 1) {
    std::string out(e.keyLength() + 4, '#');  // guard bytes must survive
    e.evalKey({rec.data(), recno, nullptr}, reinterpret_cast<uint8_t*>(out.data()));
    EXPECT_EQ(out.substr(e.keyLength()), "####") << e.text();
    return out.substr(0, e.keyLength());
}

std::string pad(std::string s, size_t n) {
    s.resize(n, ' ');
    return s;
}

std::string bytes(std::initializer_list<int> b) {
    std::string s;
    for (int x : b) s += char(x);
    return s;
}

TEST(ExprKeys, AddressTagWidthsAndTypes) {
    TestTable t = test::addressTable();
    const std::pair<const char*, int> tags[] = {{"UPPER(LNAME-FNAME)", 60},
                                                {"UPPER(LNAME)+UPPER(FNAME)", 60},
                                                {"UPPER(FNAME)", 30},
                                                {"UPPER(TITLE)", 30},
                                                {"UPPER(ORG)", 30},
                                                {"UPPER(STREET)", 40},
                                                {"UPPER(STREET2)", 40},
                                                {"UPPER(CITY+STATE)", 50},
                                                {"UPPER(STATE)", 20},
                                                {"UPPER(ZIP)", 10},
                                                {"UPPER(COUNTRY)", 30},
                                                {"UPPER(PHONE)", 30},
                                                {"UPPER(PHONE2)", 30},
                                                {"UPPER(EMAIL)", 40},
                                                {"UPPER(FAX)", 40},
                                                {"UPPER(USER1)", 40},
                                                {"UPPER(USER2)", 40},
                                                {"UPPER(DATE)", 15},
                                                {"UPPER(TAG)", 8},
                                                {"UPPER(CODES)", 30},
                                                {"UPPER(PREFIX)", 12},
                                                {"UPPER(MIDDLE)", 1},
                                                {"DELETED()", 1},
                                                {"UPPER(STATE-ZIP)", 30},
                                                {"ISDEL", 1},
                                                {"!ISDEL", 1}};
    for (auto [text, width] : tags) {
        auto e = t.compile(text);
        ASSERT_TRUE(e) << text;
        EXPECT_EQ(e->keyLength(), width) << text;
        EXPECT_EQ(e->text(), text);
        bool logical = width == 1 && std::string(text).find("UPPER") == std::string::npos;
        EXPECT_EQ(e->keyType(), logical ? KeyType::Logical : KeyType::Character) << text;
    }
}

TEST(ExprKeys, AddressTagBytes) {
    TestTable t = test::addressTable();
    std::string r = t.record({{"LNAME", "Smith"},
                              {"FNAME", "John"},
                              {"CITY", "New York"},
                              {"STATE", "ny"},
                              {"ZIP", "10012"},
                              {"ISDEL", "T"}},
                             true);
    auto k = [&](const char* text) {
        auto e = t.compile(text);
        return e ? key(*e, r) : std::string();
    };
    EXPECT_EQ(k("UPPER(LNAME-FNAME)"), pad("SMITHJOHN", 60));
    EXPECT_EQ(k("UPPER(LNAME)+UPPER(FNAME)"), pad("SMITH", 30) + pad("JOHN", 30));
    EXPECT_EQ(k("UPPER(CITY+STATE)"), pad("NEW YORK", 30) + pad("NY", 20));
    EXPECT_EQ(k("UPPER(STATE-ZIP)"), pad("NY10012", 30));
    EXPECT_EQ(k("UPPER(ZIP)"), pad("10012", 10));
    EXPECT_EQ(k("UPPER(TAG)"), pad("", 8));
    EXPECT_EQ(k("DELETED()"), "T");
    EXPECT_EQ(k("ISDEL"), "T");
    EXPECT_EQ(k("!ISDEL"), "F");
    std::string live = t.record({{"ISDEL", "F"}});
    auto del = t.compile("DELETED()");
    auto notDel = t.compile("!ISDEL");
    ASSERT_TRUE(del && notDel);
    EXPECT_EQ(key(*del, live), "F");
    EXPECT_EQ(key(*notDel, live), "T");
}

TEST(ExprKeys, NumericAndDateKeys) {
    TestTable t{{"AMOUNT", 'N', 12, 2}, {"BORN", 'D', 8}};
    auto amount = t.compile("AMOUNT");
    auto born = t.compile("BORN");
    ASSERT_TRUE(amount && born);
    EXPECT_EQ(amount->keyLength(), 8);
    EXPECT_EQ(amount->keyType(), KeyType::Numeric);
    EXPECT_EQ(born->keyType(), KeyType::Date);
    EXPECT_EQ(key(*amount, t.record({{"AMOUNT", "0.00"}})), bytes({0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(key(*amount, t.record({})), bytes({0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(key(*amount, t.record({{"AMOUNT", "-1000000.00"}})),
              bytes({0x3E, 0xD1, 0x7B, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}));
    std::string k = key(*born, t.record({{"BORN", "19540215"}}));
    EXPECT_EQ(decodeNumericKey(reinterpret_cast<const uint8_t*>(k.data())), 2434789);
    EXPECT_EQ(key(*born, t.record({})), bytes({0x80, 0, 0, 0, 0, 0, 0, 0}));

    // Byte order of the keys is numeric order.
    std::vector<std::string> keys;
    for (const char* v : {"-1000000", "-5.5", "-0.01", "0", "0.01", "3", "99.99", "1234567.89"})
        keys.push_back(key(*amount, t.record({{"AMOUNT", v}})));
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
}

TEST(ExprKeys, WidthsOfCharacterFunctions) {
    TestTable t{{"LNAME", 'C', 30}, {"ZIP", 'C', 10},  {"BORN", 'D', 8},
                {"QTY", 'N', 5},    {"ISDEL", 'L', 1}, {"NOTES", 'M', 10}};
    ExprSettings shortYears;
    shortYears.century = false;
    const std::pair<const char*, int> cases[] = {{"TRIM(LNAME)", 30},
                                                 {"ALLTRIM(LNAME)", 30},
                                                 {"LTRIM(LNAME)+ZIP", 40},
                                                 {"LEFT(LNAME, 5)", 5},
                                                 {"LEFT(LNAME, 50)", 30},
                                                 {"RIGHT(LNAME, 2+1)", 3},
                                                 {"SUBSTR(LNAME, 3, 4)", 4},
                                                 {"SUBSTR(LNAME, 29)", 2},
                                                 {"SUBSTR(LNAME, 40)", 0},
                                                 {"SUBSTR(LNAME, QTY, 4)", 4},
                                                 {"SUBSTR(LNAME, 2, QTY)", 29},
                                                 {"LEFT(LNAME, QTY)", 30},
                                                 {"PADL(ZIP, 12)", 12},
                                                 {"PADR(ZIP, QTY)", 10},
                                                 {"SPACE(3)", 3},
                                                 {"REPLICATE('ab', 3)", 6},
                                                 {"REPLICATE(ZIP, QTY)", 10},
                                                 {"STR(QTY)", 10},
                                                 {"STR(QTY, 7, 2)", 7},
                                                 {"STR(QTY, QTY)", 10},
                                                 {"DTOS(BORN)", 8},
                                                 {"DTOC(BORN)", 10},
                                                 {"IIF(ISDEL, LNAME, ZIP)", 30},
                                                 {"'abc'", 3},
                                                 {"DTOS(BORN)+UPPER(LNAME)", 38},
                                                 {"CHR(65)", 1},
                                                 {"TRANSFORM(ISDEL)", 3},
                                                 {"NOTES", 10},
                                                 {"MAX(ZIP, LNAME)", 30},
                                                 {"UPPER(TRIM('ab  '))", 4}};
    for (auto [text, width] : cases) {
        auto e = t.compile(text);
        ASSERT_TRUE(e) << text;
        EXPECT_EQ(e->keyLength(), width) << text;
    }
    auto dtoc = t.compile("DTOC(BORN)", &shortYears);
    ASSERT_TRUE(dtoc);
    EXPECT_EQ(dtoc->keyLength(), 8);
}

TEST(ExprKeys, ShortAndLongValuesArePaddedOrCut) {
    TestTable t{{"LNAME", 'C', 30}, {"QTY", 'N', 5}};
    std::string r = t.record({{"LNAME", "Smith"}, {"QTY", "40"}});
    auto trimmed = t.compile("TRIM(LNAME)+'x'");
    auto repeated = t.compile("REPLICATE('ab', QTY)");
    auto empty = t.compile("SUBSTR(LNAME, 40)");
    ASSERT_TRUE(trimmed && repeated && empty);
    EXPECT_EQ(key(*trimmed, r), pad("Smithx", 31));
    EXPECT_EQ(key(*repeated, r), "ababababab");
    EXPECT_EQ(key(*empty, r), "");
    EXPECT_EQ(trimmed->evaluate({r.data(), 1, nullptr}).text, "Smithx");
}

TEST(ExprKeys, RepeatedEvaluationReusesNothingStale) {
    TestTable t = test::addressTable();
    auto e = t.compile("UPPER(LNAME)+UPPER(FNAME)");
    ASSERT_TRUE(e);
    std::string a = t.record({{"LNAME", "Long-Surname-Here"}, {"FNAME", "Alexandra"}});
    std::string b = t.record({{"LNAME", "Li"}, {"FNAME", "Bo"}});
    EXPECT_EQ(key(*e, a), pad("LONG-SURNAME-HERE", 30) + pad("ALEXANDRA", 30));
    EXPECT_EQ(key(*e, b), pad("LI", 30) + pad("BO", 30));
    EXPECT_EQ(e->evaluate({b.data(), 1, nullptr}).text, pad("LI", 30) + pad("BO", 30));
}

// Index upkeep skips tags whose inputs did not change, so what an expression
// reports reading must be complete.
TEST(ExprKeys, ReportsWhatItReads) {
    TestTable t = test::addressTable();
    auto names = [&](const Expression& e) {
        std::vector<std::string> out;
        for (int f : e.reads().fields) out.push_back(t.fields[f].name);
        return out;
    };
    auto e = t.compile("UPPER(STATE-ZIP)");
    EXPECT_EQ(names(*e), (std::vector<std::string>{"STATE", "ZIP"}));
    EXPECT_FALSE(e->reads().deletionMark);
    EXPECT_FALSE(e->reads().varies);
    e = t.compile("DELETED() .or. !ISDEL");
    EXPECT_TRUE(e->reads().deletionMark);
    EXPECT_EQ(names(*e), (std::vector<std::string>{"ISDEL"}));
    EXPECT_TRUE(t.compile("\"x\" $ MEMO")->reads().varies);
    EXPECT_TRUE(t.compile("DATE() > CTOD(\"01/01/2000\")")->reads().varies);
}

}  // namespace
}  // namespace pc::xbase
