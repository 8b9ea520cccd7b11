// Malformed and hostile expressions give messages, never crashes; literals
// made by quoteLiteral read back as the text they stand for.
#include <random>

#include "expr_test_records.h"
#include "xbase/codepage.h"

namespace pc::xbase {
namespace {

using test::TestTable;

TestTable table() {
    return TestTable{{"NAME", 'C', 10}, {"QTY", 'N', 5, 0}, {"BORN", 'D', 8},
                     {"FLAG", 'L', 1},  {"NOTE", 'M', 10},  {"STAMP", 'T', 8}};
}

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

TEST(ExprErrors, NamesAndFieldTypes) {
    TestTable t = table();
    EXPECT_EQ(t.error("FOO"), "Unknown field or function: FOO");
    EXPECT_EQ(t.error("NAME + foo(1)"), "Unknown field or function: foo");
    EXPECT_EQ(t.error("TRI(NAME)"), "Unknown field or function: TRI");  // too short to abbreviate
    EXPECT_EQ(t.error("UPPER NAME"), "Unknown field or function: UPPER");
    EXPECT_EQ(t.error("STAMP"), "Field type T of STAMP is not supported in expressions");
}

TEST(ExprErrors, SyntaxErrorsCarryPositions) {
    TestTable t = table();
    EXPECT_EQ(t.error(""), "Empty expression");
    EXPECT_EQ(t.error("  \t "), "Empty expression");
    EXPECT_EQ(t.error("NAME)"), "Syntax error at position 5");
    EXPECT_EQ(t.error("'abc"), "Unterminated string at position 1");
    EXPECT_EQ(t.error("NAME = [abc"), "Unterminated string at position 8");
    EXPECT_EQ(t.error("NAME @ 1"), "Syntax error at position 6");
    EXPECT_EQ(t.error("NAME [x]"), "Syntax error at position 6");  // no string after an operand
    EXPECT_EQ(t.error("1 +* 2"), "Syntax error at position 4");
    EXPECT_EQ(t.error("QTY .XOR. QTY"), "Syntax error at position 5");
    for (const char* e :
         {"(NAME", "NAME =", "UPPER(NAME", "UPPER(NAME,)", "NAME->", "1 2", "NAME FLAG", "()"})
        EXPECT_TRUE(startsWith(t.error(e), "Syntax error at position")) << e;
}

TEST(ExprErrors, TypesAreCheckedWhenCompiling) {
    TestTable t = table();
    for (const char* e : {"'abc' + 1",
                          "NAME - QTY",
                          "NAME $ 1",
                          "QTY $ QTY",
                          "!NAME",
                          "-'a'",
                          "1 .AND. .T.",
                          "FLAG .OR. QTY",
                          "BORN + BORN",
                          "QTY - BORN",
                          "NAME = QTY",
                          "NAME * 2",
                          "UPPER(QTY)",
                          "SUBSTR(NAME, 'a')",
                          "IIF(FLAG, 1, 'a')",
                          "IIF(1, 1, 2)",
                          "DTOS(NAME)",
                          "YEAR(QTY)",
                          "MAX(1, 'a')",
                          "MAX(.T., .F.)",
                          "INLIST(1, 'a')",
                          "PADL(NAME, 'a')",
                          "VAL(QTY)",
                          "CTOD(BORN)"})
        EXPECT_TRUE(startsWith(t.error(e), "Type mismatch at position")) << e;
    EXPECT_EQ(t.error("'abc' + 1"),
              "Type mismatch at position 7: cannot apply + to character and numeric");
}

TEST(ExprErrors, ArgumentCounts) {
    TestTable t = table();
    for (const char* e : {"UPPER()", "UPPER(NAME, NAME)", "SUBSTR('a')", "DELETED(1)",
                          "IIF(FLAG, 1)", "MAX(1)", "STR(1, 2, 3, 4)", "INLIST(1)"})
        EXPECT_TRUE(startsWith(t.error(e), "Wrong number of arguments for")) << e;
}

TEST(ExprErrors, NestingIsBounded) {
    TestTable t = table();
    auto nested = [](int depth, const std::string& open, const std::string& inner,
                     const std::string& close) {
        std::string s;
        for (int i = 0; i < depth; ++i) s += open;
        s += inner;
        for (int i = 0; i < depth; ++i) s += close;
        return s;
    };
    EXPECT_TRUE(t.compile(nested(50, "(", "QTY", ")")));
    EXPECT_TRUE(t.compile(nested(50, "UPPER(", "NAME", ")")));
    EXPECT_EQ(t.error(nested(100000, "(", "1", ")")), "Expression is nested too deeply");
    EXPECT_EQ(t.error(nested(100000, "(", "", "")), "Expression is nested too deeply");
    EXPECT_EQ(t.error(nested(100000, "!", ".T.", "")), "Expression is nested too deeply");
    EXPECT_EQ(t.error(nested(100000, "-", "1", "")), "Expression is nested too deeply");
    EXPECT_EQ(t.error(nested(5000, "NAME+", "NAME", "")), "Expression is nested too deeply");
    // Constant chains fold as they grow, so they never get deep...
    EXPECT_TRUE(t.compile(nested(5000, "1+", "1", "")));
    EXPECT_TRUE(t.compile(nested(1000, "'ab'+", "'c'", "")));
    // ...unless the constant gets long: then the chain is bounded like any other.
    EXPECT_EQ(t.error(nested(20000, "", "SPACE(60000)", "+'x'")),
              "Expression is nested too deeply");
}

TEST(ExprErrors, RandomInputNeverCrashes) {
    TestTable t = table();
    std::string rec = t.record({{"NAME", "Smith"}, {"QTY", "12"}, {"BORN", "19540215"}});
    const char* vocabulary[] = {
        "NAME",       "QTY",   "BORN",  "FLAG",  "NOTE", "(",      ")",       ",",         "+",
        "-",          "*",     "/",     "^",     "%",    "$",      "=",       "==",        "<>",
        "<",          ">=",    "!",     ".AND.", ".OR.", "and",    "not",     "'a'",       "[b]",
        "\"c\"",      "1",     "0",     "-1.5",  ".T.",  "UPPER(", "SUBSTR(", "IIF(",      "STR(",
        "REPLICATE(", "CTOD(", "DTOS(", "PADC(", "AT(",  "MAX(",   "INLIST(", "TRANSFORM("};
    std::mt19937 rng(20240601);
    int compiled = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        if (i % 2) {
            int n = int(rng() % 24);
            for (int k = 0; k < n; ++k) text += char(rng() % 256);
        } else {
            int n = 1 + int(rng() % 12);
            for (int k = 0; k < n; ++k) text += vocabulary[rng() % std::size(vocabulary)];
        }
        std::string error;
        auto e = Expression::compile(text, t.fields, nullptr, &error);
        if (!e) {
            EXPECT_FALSE(error.empty()) << text;
            continue;
        }
        ++compiled;
        std::vector<uint8_t> key(e->keyLength());
        e->evaluate({rec.data(), 1, nullptr});
        e->evalLogical({rec.data(), 1, nullptr});
        e->evalKey({rec.data(), 1, nullptr}, key.data());
    }
    EXPECT_GT(compiled, 100);  // the generator must reach the evaluator too
}

TEST(QuoteLiteral, PicksADelimiterTheTextLacks) {
    EXPECT_EQ(quoteLiteral(""), "\"\"");
    EXPECT_EQ(quoteLiteral("it's"), "\"it's\"");
    EXPECT_EQ(quoteLiteral("say \"hi\""), "'say \"hi\"'");
    EXPECT_EQ(quoteLiteral("\"it's\""), "[\"it's\"]");
    EXPECT_EQ(quoteLiteral("\"'[]"), "[\"'[]+\"]\"");
}

TEST(QuoteLiteral, EvaluatesBackToTheText) {
    TestTable t = table();
    std::string every;
    for (int c = 1; c < 128; ++c) every += char(c);
    std::vector<std::string> texts = {"",
                                      "plain",
                                      "it's",
                                      "say \"hi\"",
                                      "both ' and \"",
                                      "all ' \" ]",
                                      "]]]'''\"\"\"",
                                      "[bracket]",
                                      "x]y'z\"w",
                                      "\"'",
                                      "]'\"]'\"",
                                      every,
                                      std::string("nul\0byte", 8),
                                      "Zoë Ünal – 5 €"};
    ExprSettings s;
    for (const auto& text : texts) {
        std::string quoted = quoteLiteral(text);
        auto e = t.compile(quoted, &s);
        ASSERT_TRUE(e) << quoted;
        Value v = e->evaluate({});
        EXPECT_EQ(v.text, fromUtf8(text, s.codePage)) << quoted;
        EXPECT_EQ(e->keyLength(), v.text.size()) << quoted;
        // It also works inside a larger expression.
        auto cmp = t.compile("NAME = 'x' .OR. " + quoted + " == " + quoted, &s);
        ASSERT_TRUE(cmp) << quoted;
        EXPECT_TRUE(cmp->evalLogical({}));
    }
}

}  // namespace
}  // namespace pc::xbase
