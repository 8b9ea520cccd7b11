// Evaluation: field reading, operators, precedence, string comparison rules
// and the function library.
#include <cmath>
#include <cstring>

#include "expr_test_records.h"
#include "xbase/codepage.h"
#include "xbase/xbase_date.h"

namespace pc::xbase {
namespace {

using test::TestTable;

TestTable mixedTable() {
    return TestTable{{"NAME", 'C', 10},  {"AMOUNT", 'N', 12, 2}, {"BORN", 'D', 8},
                     {"FLAG", 'L', 1},   {"NOTE", 'M', 10},      {"ORG", 'C', 6},
                     {"ANDREW", 'C', 5}, {"QTY", 'N', 5},        {"STATE", 'C', 4}};
}

class CountingMemo : public MemoSource {
  public:
    std::string memoText(const char*, uint32_t, int field) const override {
        ++calls;
        return field == 4 ? "memo text" : "";
    }
    mutable int calls = 0;
};

double num(const TestTable& t, const std::string& e, const std::string& rec = {}) {
    Value v = t.eval(e, rec.empty() ? t.record({}) : rec);
    EXPECT_TRUE(v.type == ValueType::Numeric || v.type == ValueType::Date) << e;
    return v.number;
}

std::string text(const TestTable& t, const std::string& e, const std::string& rec = {},
                 const ExprSettings* s = nullptr) {
    Value v = t.eval(e, rec.empty() ? t.record({}) : rec, s);
    EXPECT_EQ(v.type, ValueType::Character) << e;
    return v.text;
}

bool truth(const TestTable& t, const std::string& e, const std::string& rec = {},
           const ExprSettings* s = nullptr) {
    auto x = t.compile(e, s);
    if (!x) return false;
    EXPECT_EQ(x->type(), ValueType::Logical) << e;
    std::string r = rec.empty() ? t.record({}) : rec;
    return x->evalLogical({r.data(), 1, nullptr});
}

TEST(ExprFields, ReadsEachFieldTypeFromRecordBytes) {
    TestTable t = mixedTable();
    std::string r = t.record(
        {{"NAME", "Smith"}, {"AMOUNT", "-3.25"}, {"BORN", "19540215"}, {"FLAG", "y"}, {"QTY", ""}});
    EXPECT_EQ(text(t, "NAME", r), "Smith     ");
    EXPECT_EQ(text(t, "name", r), "Smith     ");
    EXPECT_EQ(text(t, "people->Name", r), "Smith     ");
    EXPECT_DOUBLE_EQ(num(t, "AMOUNT", r), -3.25);
    EXPECT_DOUBLE_EQ(num(t, "QTY", r), 0);
    EXPECT_DOUBLE_EQ(num(t, "BORN", r), 2434789);
    EXPECT_TRUE(truth(t, "FLAG", r));
    for (const char* f : {"T", "t", "Y"}) EXPECT_TRUE(truth(t, "FLAG", t.record({{"FLAG", f}})));
    for (const char* f : {"F", "N", " ", "?"})
        EXPECT_FALSE(truth(t, "FLAG", t.record({{"FLAG", f}})));
    EXPECT_DOUBLE_EQ(num(t, "BORN", t.record({{"BORN", "        "}})), 0);
    EXPECT_DOUBLE_EQ(num(t, "BORN", t.record({{"BORN", "19540231"}})), 0);
}

TEST(ExprFields, MemoReadsThroughTheSourceOrEmpty) {
    TestTable t = mixedTable();
    std::string r = t.record({});
    CountingMemo memo;
    EXPECT_EQ(t.eval("NOTE", r, nullptr, &memo).text, "memo text");
    EXPECT_EQ(t.eval("NOTE", r).text, "");
    EXPECT_TRUE(t.eval("'text' $ NOTE", r, nullptr, &memo).logical);
}

TEST(ExprFields, BinaryNumericTypes) {
    TestTable t{{"I", 'I', 4}, {"B", 'B', 8}, {"Y", 'Y', 8}};
    std::string r(21, ' ');
    int32_t i = -123456;
    double b = 2.75;
    int64_t y = 123456789;  // 12345.6789
    std::memcpy(&r[1], &i, 4);
    std::memcpy(&r[5], &b, 8);
    std::memcpy(&r[13], &y, 8);
    EXPECT_DOUBLE_EQ(num(t, "I", r), -123456);
    EXPECT_DOUBLE_EQ(num(t, "B * 2", r), 5.5);
    EXPECT_DOUBLE_EQ(num(t, "Y", r), 12345.6789);
}

TEST(ExprFields, MissingRecordReadsAsBlank) {
    TestTable t = mixedTable();
    auto e = t.compile("EMPTY(NAME) .AND. AMOUNT = 0 .AND. !FLAG .AND. !DELETED()");
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->evalLogical({}));
}

TEST(ExprOperators, ArithmeticAndPrecedence) {
    TestTable t = mixedTable();
    std::string r = t.record({{"AMOUNT", "10.50"}});
    const std::pair<const char*, double> cases[] = {
        {"1+2*3", 7},  {"(1+2)*3", 9},    {"2^3^2", 64},   {"2**3", 8},      {"-2^2", 4},
        {"2^-1", 0.5}, {"10/4", 2.5},     {"7%3", 1},      {"-7%3", 2},      {"7%-3", -2},
        {"1/0", 0},    {"5%0", 0},        {"(-8)^0.5", 0}, {"AMOUNT*2", 21}, {"-AMOUNT+1", -9.5},
        {"+3", 3},     {"1 - 2 - 3", -4}, {"12/2/3", 2},   {".5+5.", 5.5}};
    for (auto [e, want] : cases) EXPECT_DOUBLE_EQ(num(t, e, r), want) << e;
}

TEST(ExprOperators, LogicalPrecedenceAndWords) {
    TestTable t = mixedTable();
    EXPECT_TRUE(truth(t, ".T. .OR. .F. .AND. .F."));  // AND before OR
    EXPECT_FALSE(truth(t, "!.F. .AND. .F."));         // NOT before AND
    EXPECT_TRUE(truth(t, "!1 = 2"));                  // relations before NOT
    EXPECT_TRUE(truth(t, "1 < 2 .and. 3 > 2"));
    EXPECT_TRUE(truth(t, ".F. .or..not. .F."));
    EXPECT_TRUE(truth(t, ".t. .and..not.(1=2)"));
    EXPECT_TRUE(truth(t, ".y. And .T."));
    EXPECT_TRUE(truth(t, ".n. oR .T."));
    EXPECT_TRUE(truth(t, "not .F. and not .F."));
    EXPECT_TRUE(truth(t, "NOT(1=2)"));
}

TEST(ExprOperators, DotlessWordsLeaveFieldNamesAlone) {
    TestTable t = mixedTable();
    std::string r = t.record({{"ORG", "Acme"}, {"ANDREW", "x"}, {"NAME", "Smith"}});
    EXPECT_TRUE(truth(t, "ORG = 'Acme' and ANDREW = 'x'", r));
    EXPECT_TRUE(truth(t, "ORG='Zed' or ANDREW='x'", r));
    EXPECT_TRUE(truth(t, "not ORG = 'Zed'", r));
    EXPECT_TRUE(truth(t, "NAME='Sm' and not ANDREW='y' and ORG<>'Q'", r));
    CountingMemo memo;
    EXPECT_TRUE(t.eval("NOTE = 'memo' and ORG = 'Acme'", r, nullptr, &memo).logical);
    // A field named like the word is still a field where an operand stands.
    TestTable words{{"AND", 'C', 3}, {"NOT", 'L', 1}};
    std::string w = words.record({{"AND", "abc"}, {"NOT", "T"}});
    EXPECT_TRUE(truth(words, "AND = 'abc' and NOT", w));
    EXPECT_TRUE(truth(words, "not NOT = .F.", w));
}

TEST(ExprOperators, ShortCircuitSkipsTheOtherSide) {
    TestTable t = mixedTable();
    std::string r = t.record({});
    CountingMemo memo;
    auto e1 = t.compile(".F. .AND. NOTE = 'x'");
    auto e2 = t.compile("FLAG .OR. NOTE = 'x'");
    ASSERT_TRUE(e1 && e2);
    std::string flagged = t.record({{"FLAG", "T"}});
    EXPECT_FALSE(e1->evalLogical({r.data(), 1, &memo}));
    EXPECT_TRUE(e2->evalLogical({flagged.data(), 1, &memo}));
    EXPECT_EQ(memo.calls, 0);
    EXPECT_FALSE(e2->evalLogical({r.data(), 1, &memo}));
    EXPECT_EQ(memo.calls, 1);
}

TEST(ExprStrings, ConcatenationKeepsOrMovesBlanks) {
    TestTable t = mixedTable();
    std::string r = t.record({{"NAME", "Smith"}, {"STATE", "NY"}});
    EXPECT_EQ(text(t, "'NY   '-'10012'"), "NY10012   ");
    EXPECT_EQ(text(t, "'NY   '+'10012'"), "NY   10012");
    EXPECT_EQ(text(t, "NAME-STATE-'!'", r), "SmithNY!       ");
    EXPECT_EQ(text(t, "'   '-'a'"), "a   ");
    EXPECT_EQ(text(t, "'a'-''"), "a");
}

TEST(ExprStrings, EqualsFollowsExactSetting) {
    TestTable t = mixedTable();
    std::string r = t.record({{"NAME", "Smith"}});
    ExprSettings off, on;
    on.exact = true;
    struct Case {
        const char* e;
        bool exactOff, exactOn;
    } cases[] = {{"NAME = 'Sm'", true, false},
                 {"NAME = 'Smith'", true, true},
                 {"NAME = ''", true, false},
                 {"'Sm' = NAME", false, false},
                 {"'ab' = 'ab '", false, true},
                 {"'ab ' = 'ab'", true, true},
                 {"' ab' = 'ab'", false, false},
                 {"NAME = 'Smith  x'", false, false},
                 {"NAME <> 'Sm'", false, true},
                 {"NAME # 'Jo'", true, true},
                 {"NAME != 'Smi'", false, true},
                 {"NAME < 'Sn'", true, true},
                 {"NAME < 'Sm'", false, false},
                 {"NAME >= 'Sm'", true, true},
                 {"NAME > 'Sm'", false, true},
                 {"NAME <= 'Sm'", true, false},
                 {"'Sm' < 'Smith'", true, true},
                 {"'ab' < 'ab '", true, false},
                 {"'é' > 'z'", true, true},  // bytes compare unsigned
                 {"UPPER(NAME) = 'SMI'", true, false},
                 {"UPPER(NAME) < 'SMJ'", true, true},
                 {"UPPER(NAME) > 'SMITH'", false, false},
                 {"UPPER(NAME) = 'SMITH      X'", false, false},
                 {"LOWER(UPPER(NAME)) = 'smith   '", true, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(truth(t, c.e, r, &off), c.exactOff) << c.e << " exact off";
        EXPECT_EQ(truth(t, c.e, r, &on), c.exactOn) << c.e << " exact on";
    }
}

TEST(ExprStrings, ExactSettingIsReadWhenEvaluating) {
    TestTable t = mixedTable();
    std::string r = t.record({{"NAME", "Smith"}});
    ExprSettings s;
    auto e = t.compile("NAME = 'Sm'", &s);
    auto c = t.compile("'Smith' = 'Sm'", &s);  // constants are not folded past the setting
    ASSERT_TRUE(e && c);
    EXPECT_TRUE(e->evalLogical({r.data(), 1, nullptr}));
    EXPECT_TRUE(c->evalLogical({r.data(), 1, nullptr}));
    s.exact = true;
    EXPECT_FALSE(e->evalLogical({r.data(), 1, nullptr}));
    EXPECT_FALSE(c->evalLogical({r.data(), 1, nullptr}));
}

TEST(ExprStrings, DoubleEqualsAndContains) {
    TestTable t = mixedTable();
    std::string r = t.record({{"NAME", "Smith"}});
    EXPECT_FALSE(truth(t, "NAME == 'Smith'", r));
    EXPECT_TRUE(truth(t, "TRIM(NAME) == 'Smith'", r));
    EXPECT_TRUE(truth(t, "NAME == 'Smith     '", r));
    EXPECT_FALSE(truth(t, "'abc ' == 'abc'"));
    EXPECT_TRUE(truth(t, "'mit' $ NAME", r));
    EXPECT_FALSE(truth(t, "'' $ NAME", r));
    EXPECT_FALSE(truth(t, "'smi' $ NAME", r));
    EXPECT_TRUE(truth(t, "'SMI' $ UPPER(NAME)", r));
}

TEST(ExprValues, NumbersDatesAndLogicalsCompareByValue) {
    TestTable t = mixedTable();
    std::string r = t.record({{"AMOUNT", "10.5"}, {"BORN", "19540215"}, {"FLAG", "T"}});
    EXPECT_TRUE(truth(t, "AMOUNT = 10.50", r));
    EXPECT_TRUE(truth(t, "AMOUNT > 10 .AND. AMOUNT < 11", r));
    EXPECT_TRUE(truth(t, "BORN = CTOD('02/15/1954')", r));
    EXPECT_TRUE(truth(t, "BORN < CTOD('01/01/1960')", r));
    EXPECT_TRUE(truth(t, "FLAG = .T. .AND. .F. < .T.", r));
    EXPECT_TRUE(truth(t, "AMOUNT == 10.5", r));
}

TEST(ExprValues, DateArithmetic) {
    TestTable t = mixedTable();
    std::string r = t.record({{"BORN", "19540215"}});
    EXPECT_EQ(t.eval("BORN + 1", r).type, ValueType::Date);
    EXPECT_DOUBLE_EQ(num(t, "BORN + 14", r), 2434803);
    EXPECT_DOUBLE_EQ(num(t, "14 + BORN", r), 2434803);
    EXPECT_DOUBLE_EQ(num(t, "BORN - 15", r), 2434774);
    EXPECT_EQ(text(t, "DTOS(BORN + 14)", r), "19540301");
    Value diff = t.eval("CTOD('03/01/1954') - BORN", r);
    EXPECT_EQ(diff.type, ValueType::Numeric);
    EXPECT_DOUBLE_EQ(diff.number, 14);
    EXPECT_DOUBLE_EQ(num(t, "CTOD('') + 5"), 0);  // an empty date stays empty
}

TEST(ExprFunctions, CharacterResults) {
    TestTable t = mixedTable();
    std::string r = t.record({{"NAME", "Smith"}, {"BORN", "19540215"}, {"AMOUNT", "1234.5"}});
    const std::pair<const char*, const char*> cases[] = {{"UPPER('abc')", "ABC"},
                                                         {"LOWER('AbC')", "abc"},
                                                         {"LEFT('abcdef', 3)", "abc"},
                                                         {"LEFT('abc', 10)", "abc"},
                                                         {"LEFT('abc', -1)", ""},
                                                         {"RIGHT('abcdef', 2)", "ef"},
                                                         {"RIGHT(NAME, 3)", "   "},
                                                         {"SUBSTR('abcdef', 2, 3)", "bcd"},
                                                         {"SUBSTR('abcdef', 5)", "ef"},
                                                         {"SUBSTR('abc', 9)", ""},
                                                         {"SUBSTR('abc', 0, 2)", "ab"},
                                                         {"SUBS('abcdef', 2, 2)", "bc"},
                                                         {"TRIM('  a  ')", "  a"},
                                                         {"RTRIM(NAME) + '|'", "Smith|"},
                                                         {"LTRIM('  a  ')", "a  "},
                                                         {"ALLTRIM('  a b  ')", "a b"},
                                                         {"STR(42)", "        42"},
                                                         {"STR(3.14159, 6, 2)", "  3.14"},
                                                         {"STR(2.5)", "         3"},
                                                         {"STR(-2.5, 4)", "  -3"},
                                                         {"STR(1.005, 5, 2)", " 1.01"},
                                                         {"STR(-0.4, 3)", "  0"},
                                                         {"STR(123456, 3)", "***"},
                                                         {"STR(123.456, 5, 2)", "123.5"},
                                                         {"STR(AMOUNT, 8, 1)", "  1234.5"},
                                                         {"STR(1, 0)", ""},
                                                         {"DTOS(BORN)", "19540215"},
                                                         {"DTOS(CTOD(''))", "        "},
                                                         {"DTOC(BORN)", "02/15/1954"},
                                                         {"DTOC(CTOD('x'))", "  /  /    "},
                                                         {"SPACE(3)", "   "},
                                                         {"SPACE(-3)", ""},
                                                         {"REPLICATE('ab', 3)", "ababab"},
                                                         {"REPLICATE('', 3)", ""},
                                                         {"CHR(65) + CHR(97)", "Aa"},
                                                         {"PADL('ab', 5)", "   ab"},
                                                         {"PADR('ab', 5, '*')", "ab***"},
                                                         {"PADC('ab', 6)", "  ab  "},
                                                         {"PADL('abcdef', 3)", "abc"},
                                                         {"PADL(7, 3, '0')", "007"},
                                                         {"TRANSFORM(12.5)", "12.5"},
                                                         {"TRANSFORM(-3)", "-3"},
                                                         {"TRANSFORM(.T.)", ".T."},
                                                         {"TRANSFORM(BORN)", "02/15/1954"},
                                                         {"IIF(.T., 'a', 'bb')", "a"},
                                                         {"IIF(NAME = 'X', 'a', 'bb')", "bb"},
                                                         {"MAX('abc', 'abd', 'ab')", "abd"},
                                                         {"MIN('b', 'a ', 'a')", "a"}};
    for (auto [e, want] : cases) EXPECT_EQ(text(t, e, r), want) << e;
}

TEST(ExprFunctions, NumericResults) {
    TestTable t = mixedTable();
    std::string r = t.record({{"BORN", "19540215"}});
    const std::pair<const char*, double> cases[] = {{"LEN('abc ')", 4},
                                                    {"LEN(NAME)", 10},
                                                    {"VAL('  12.5abc')", 12.5},
                                                    {"VAL('abc')", 0},
                                                    {"VAL('-3')", -3},
                                                    {"VAL('1e3')", 1000},
                                                    {"VAL('.')", 0},
                                                    {"AT('b', 'abcb')", 2},
                                                    {"AT('b', 'abcb', 2)", 4},
                                                    {"AT('', 'abc')", 0},
                                                    {"AT('x', 'abc')", 0},
                                                    {"ASC('A')", 65},
                                                    {"ASC('')", 0},
                                                    {"YEAR(BORN)", 1954},
                                                    {"MONTH(BORN)", 2},
                                                    {"DAY(BORN)", 15},
                                                    {"YEAR(CTOD(''))", 0},
                                                    {"ABS(-3)", 3},
                                                    {"INT(-3.7)", -3},
                                                    {"INT(3.7)", 3},
                                                    {"ROUND(2.5, 0)", 3},
                                                    {"ROUND(-2.5, 0)", -3},
                                                    {"ROUND(1234.5678, 2)", 1234.57},
                                                    {"ROUND(1250, -2)", 1300},
                                                    {"MAX(1, 5, 3)", 5},
                                                    {"MIN(4, 2)", 2},
                                                    {"IIF(.F., 1, 2)", 2},
                                                    {"LEN(SPACE(5))", 5},
                                                    {"RECNO()", 1},
                                                    {"LEN(REPLICATE('x', 1000000))", 65535}};
    for (auto [e, want] : cases) EXPECT_DOUBLE_EQ(num(t, e, r), want) << e;
    EXPECT_DOUBLE_EQ(t.eval("RECNO()", r, nullptr, nullptr, 17).number, 17);
}

TEST(ExprFunctions, LogicalResults) {
    TestTable t = mixedTable();
    std::string live = t.record({{"NAME", "Smith"}});
    std::string gone = t.record({}, true);
    EXPECT_FALSE(truth(t, "DELETED()", live));
    EXPECT_TRUE(truth(t, "DELETED()", gone));
    EXPECT_TRUE(truth(t, "EMPTY(NAME) .AND. EMPTY(AMOUNT) .AND. EMPTY(BORN) .AND. EMPTY(FLAG)"));
    EXPECT_TRUE(truth(t, "EMPTY(' ' + CHR(9))"));
    EXPECT_FALSE(truth(t, "EMPTY(NAME)", live));
    EXPECT_FALSE(truth(t, "EMPTY(-1)"));
    EXPECT_TRUE(truth(t, "BETWEEN(5, 1, 10) .AND. !BETWEEN(11, 1, 10)"));
    EXPECT_TRUE(truth(t, "BETWEEN(NAME, 'R', 'T')", live));
    EXPECT_TRUE(truth(t, "INLIST(3, 1, 2, 3) .AND. !INLIST(4, 1, 2, 3)"));
    EXPECT_TRUE(truth(t, "INLIST(NAME, 'Jones', 'Sm')", live));  // = semantics, exact off
    EXPECT_FALSE(truth(t, "ISNULL(NAME)", live));
    EXPECT_TRUE(truth(t, "VAL(REPLICATE('1', 200)) > 10^70"));  // longer than VAL's buffer
    EXPECT_TRUE(truth(t, "IIF(NAME = 'S', .T., .F.)", live));
}

TEST(ExprFunctions, DatesFollowTheSettings) {
    TestTable t = mixedTable();
    std::string r = t.record({{"BORN", "19540215"}});
    ExprSettings s;
    EXPECT_DOUBLE_EQ(num(t, "CTOD('02/15/1954')"), 2434789);
    EXPECT_DOUBLE_EQ(num(t, "CTOD('2/15/54')"), 2434789);
    EXPECT_DOUBLE_EQ(num(t, "CTOD('13/45/1954')"), 0);
    s.century = false;
    EXPECT_EQ(text(t, "DTOC(BORN)", r, &s), "02/15/54");
    s.century = true;
    s.dateFormat = "DD.MM.YYYY";
    EXPECT_EQ(text(t, "DTOC(BORN)", r, &s), "15.02.1954");
    EXPECT_DOUBLE_EQ(t.eval("CTOD('15.02.1954')", r, &s).number, 2434789);
    s.dateFormat = "YYYY-MM-DD";
    EXPECT_DOUBLE_EQ(t.eval("CTOD('1954-02-15')", r, &s).number, 2434789);
    Value today = t.eval("DATE()", r);
    EXPECT_EQ(today.type, ValueType::Date);
    EXPECT_GT(today.number, julianDay(2024, 1, 1));
}

TEST(ExprCodePage, CaseMapsAndLiteralsUseTheTableCodePage) {
    TestTable t = mixedTable();
    ExprSettings ansi, dos, cyr;
    dos.codePage = 437;
    cyr.codePage = 866;
    EXPECT_EQ(text(t, "UPPER('àéþ÷ÿ')", {}, &ansi), "\xC0\xC9\xDE\xF7\x9F");
    EXPECT_EQ(text(t, "LOWER('ÀŠ')", {}, &ansi), "\xE0\x9A");
    EXPECT_EQ(text(t, "UPPER('éa')", {}, &dos),
              "\x82"
              "A");
    EXPECT_EQ(text(t, "'Ж€'", {}, &cyr), "\x86?");
    std::string r = t.record({{"NAME", "M\xFCller"}});  // 1252 bytes in the record
    EXPECT_TRUE(truth(t, "UPPER(NAME) = 'MÜLLER'", r, &ansi));
    EXPECT_EQ(toUtf8(text(t, "UPPER(NAME)", r, &ansi), 1252), "MÜLLER    ");
}

TEST(ExprCodePage, CaseMapsMatchTheTablesForEveryByte) {
    // Long enough that bytes land in every position of the word-wise path.
    TestTable t{{"TEXT", 'C', 45}};
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    all += "azAZ@[`{";
    for (int cp : {1252, 437}) {
        ExprSettings s;
        s.codePage = cp;
        for (size_t from = 0; from < all.size(); from += 45) {
            std::string chunk = all.substr(from, 45);
            std::string r = t.record({{"TEXT", chunk}});
            chunk.resize(45, ' ');
            std::string up = chunk, low = chunk;
            for (char& c : up) c = char(upperTable(cp)[uint8_t(c)]);
            for (char& c : low) c = char(lowerTable(cp)[uint8_t(c)]);
            EXPECT_EQ(text(t, "UPPER(TEXT)", r, &s), up) << cp << " at " << from;
            EXPECT_EQ(text(t, "LOWER(TEXT)", r, &s), low) << cp << " at " << from;
            EXPECT_EQ(text(t, "LEFT(UPPER(TEXT), 11)", r, &s), up.substr(0, 11));
        }
    }
}

}  // namespace
}  // namespace pc::xbase
