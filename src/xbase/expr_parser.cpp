#include "xbase/expr_parser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "xbase/ascii_text.h"
#include "xbase/codepage.h"
#include "xbase/expr_lexer.h"
#include "xbase/message_text.h"

namespace pc::xbase::expr {
namespace {

struct ParseError {
    std::string message;
};

struct FunctionInfo {
    const char* name;
    Fn fn;
    int minArgs, maxArgs;
};

constexpr int kMany = 1000;

constexpr FunctionInfo kFunctions[] = {
    {"UPPER", Fn::Upper, 1, 1},
    {"LOWER", Fn::Lower, 1, 1},
    {"DELETED", Fn::Deleted, 0, 0},
    {"RECNO", Fn::Recno, 0, 0},
    {"EMPTY", Fn::Empty, 1, 1},
    {"LEFT", Fn::Left, 2, 2},
    {"RIGHT", Fn::Right, 2, 2},
    {"SUBSTR", Fn::Substr, 2, 3},
    {"TRIM", Fn::Trim, 1, 1},
    {"RTRIM", Fn::Trim, 1, 1},
    {"LTRIM", Fn::Ltrim, 1, 1},
    {"ALLTRIM", Fn::Alltrim, 1, 1},
    {"STR", Fn::Str, 1, 3},
    {"VAL", Fn::Val, 1, 1},
    {"DTOS", Fn::Dtos, 1, 1},
    {"DTOC", Fn::Dtoc, 1, 1},
    {"CTOD", Fn::Ctod, 1, 1},
    {"IIF", Fn::Iif, 3, 3},
    {"LEN", Fn::Len, 1, 1},
    {"SPACE", Fn::Space, 1, 1},
    {"REPLICATE", Fn::Replicate, 2, 2},
    {"AT", Fn::At, 2, 3},
    {"CHR", Fn::Chr, 1, 1},
    {"ASC", Fn::Asc, 1, 1},
    {"DATE", Fn::Date, 0, 0},
    {"YEAR", Fn::Year, 1, 1},
    {"MONTH", Fn::Month, 1, 1},
    {"DAY", Fn::Day, 1, 1},
    {"ABS", Fn::Abs, 1, 1},
    {"INT", Fn::Int, 1, 1},
    {"ROUND", Fn::Round, 2, 2},
    {"MAX", Fn::Max, 2, kMany},
    {"MIN", Fn::Min, 2, kMany},
    {"BETWEEN", Fn::Between, 3, 3},
    {"INLIST", Fn::Inlist, 2, kMany},
    {"PADL", Fn::Padl, 2, 3},
    {"PADR", Fn::Padr, 2, 3},
    {"PADC", Fn::Padc, 2, 3},
    {"ISNULL", Fn::Isnull, 1, 1},
    {"TRANSFORM", Fn::Transform, 1, 1},
};

// Width of a character result whose length depends on the record (a
// non-literal count): short enough for a key, long enough for most uses.
constexpr uint32_t kUnknownWidth = 10;

const char* typeName(ValueType t) {
    switch (t) {
        case ValueType::Character:
            return "character";
        case ValueType::Numeric:
            return "numeric";
        case ValueType::Date:
            return "date";
        default:
            return "logical";
    }
}

// Exact name, or (as xBase allows) an unambiguous abbreviation of at least
// four letters.
const FunctionInfo* findFunction(const std::string& upper) {
    const FunctionInfo* prefix = nullptr;
    int prefixCount = 0;
    for (const auto& f : kFunctions) {
        std::string_view name(f.name);
        if (name == upper) return &f;
        if (upper.size() >= 4 && name.substr(0, upper.size()) == upper) {
            if (!prefix || prefix->fn != f.fn) ++prefixCount;
            prefix = &f;
        }
    }
    return prefixCount == 1 ? prefix : nullptr;
}

class Parser {
  public:
    Parser(std::vector<Token> toks, const std::vector<FieldDef>& fields, const ExprSettings* s,
           ExprReads* reads)
        : toks_(std::move(toks)), fields_(fields), settings_(s), reads_(reads) {}

    NodePtr parseAll() {
        if (peek().kind == Tok::End) throw ParseError{"Empty expression"};
        NodePtr n = parseOr();
        if (peek().kind != Tok::End) syntax(peek());
        return n;
    }

  private:
    // ---- token helpers ----
    const Token& peek(size_t ahead = 0) const {
        return toks_[std::min(pos_ + ahead, toks_.size() - 1)];
    }
    const Token& take() {
        const Token& t = toks_[pos_];
        if (pos_ + 1 < toks_.size()) ++pos_;
        return t;
    }
    [[noreturn]] static void syntax(const Token& t) {
        if (t.kind == Tok::End)
            throw ParseError{"Syntax error at position " + std::to_string(t.pos + 1) +
                             ": the expression ends too soon"};
        throw ParseError{"Syntax error at position " + std::to_string(t.pos + 1)};
    }
    [[noreturn]] static void mismatch(uint32_t pos, const std::string& what) {
        throw ParseError{"Type mismatch at position " + std::to_string(pos + 1) + ": " + what};
    }
    void expect(Tok k) {
        if (peek().kind != k) syntax(peek());
        take();
    }

    static bool startsOperand(const Token& t) {
        switch (t.kind) {
            case Tok::Number:
            case Tok::String:
            case Tok::Ident:
            case Tok::True:
            case Tok::False:
            case Tok::LParen:
            case Tok::Not:
            case Tok::Minus:
            case Tok::Plus:
                return true;
            default:
                return false;
        }
    }

    // Every recursive entry goes through here so nesting stays bounded.
    struct DepthGuard {
        explicit DepthGuard(int& d) : d_(d) {
            if (++d_ > kMaxDepth) throw ParseError{"Expression is nested too deeply"};
        }
        ~DepthGuard() { --d_; }
        int& d_;
    };

    NodePtr finish(NodePtr n) {
        if (n->depth > kMaxDepth) throw ParseError{"Expression is nested too deeply"};
        return fold(std::move(n));
    }

    // ---- grammar ----
    NodePtr parseOr() {
        DepthGuard g(depth_);
        NodePtr l = parseAnd();
        while (peek().kind == Tok::Or || isWord(peek(), "OR")) {
            const Token& op = take();
            NodePtr r = parseAnd();
            l = logical(Op::Or, std::move(l), std::move(r), op.pos);
        }
        return l;
    }

    NodePtr parseAnd() {
        NodePtr l = parseNot();
        while (peek().kind == Tok::And || isWord(peek(), "AND")) {
            const Token& op = take();
            NodePtr r = parseNot();
            l = logical(Op::And, std::move(l), std::move(r), op.pos);
        }
        return l;
    }

    NodePtr logical(Op op, NodePtr l, NodePtr r, uint32_t pos) {
        if (l->type != ValueType::Logical || r->type != ValueType::Logical)
            mismatch(pos, std::string(op == Op::And ? "AND" : "OR") +
                              " needs logical operands, not " + typeName(l->type) + " and " +
                              typeName(r->type));
        return finish(makeBinary(op, std::move(l), std::move(r), settings_));
    }

    NodePtr parseNot() {
        const Token& t = peek();
        // NOT is a word only when an operand follows it: a field may be named NOT.
        if (t.kind == Tok::Not || (isWord(t, "NOT") && startsOperand(peek(1)))) {
            DepthGuard g(depth_);
            take();
            NodePtr x = parseNot();
            if (x->type != ValueType::Logical)
                mismatch(t.pos,
                         std::string("NOT needs a logical operand, not ") + typeName(x->type));
            return finish(makeNot(std::move(x)));
        }
        return parseRelation();
    }

    static bool relational(Tok k, Op* op) {
        switch (k) {
            case Tok::Eq:
                *op = Op::Eq;
                return true;
            case Tok::EqEq:
                *op = Op::ExactEq;
                return true;
            case Tok::Ne:
                *op = Op::Ne;
                return true;
            case Tok::Lt:
                *op = Op::Lt;
                return true;
            case Tok::Le:
                *op = Op::Le;
                return true;
            case Tok::Gt:
                *op = Op::Gt;
                return true;
            case Tok::Ge:
                *op = Op::Ge;
                return true;
            case Tok::Dollar:
                *op = Op::Contains;
                return true;
            default:
                return false;
        }
    }

    NodePtr parseRelation() {
        NodePtr l = parseSum();
        Op op;
        while (relational(peek().kind, &op)) {
            uint32_t pos = take().pos;
            NodePtr r = parseSum();
            if (l->type != r->type)
                mismatch(pos, std::string("cannot compare ") + typeName(l->type) + " with " +
                                  typeName(r->type));
            if (op == Op::Contains && l->type != ValueType::Character)
                mismatch(pos, "$ needs character operands");
            l = finish(makeBinary(op, std::move(l), std::move(r), settings_));
        }
        return l;
    }

    NodePtr parseSum() {
        NodePtr l = parseProduct();
        while (peek().kind == Tok::Plus || peek().kind == Tok::Minus) {
            bool plus = peek().kind == Tok::Plus;
            uint32_t pos = take().pos;
            NodePtr r = parseProduct();
            ValueType a = l->type, b = r->type;
            Op op;
            if (a == ValueType::Character && b == ValueType::Character)
                op = plus ? Op::Concat : Op::ConcatTrim;
            else if (a == ValueType::Numeric && b == ValueType::Numeric)
                op = plus ? Op::Add : Op::Sub;
            else if (a == ValueType::Date && b == ValueType::Numeric)
                op = plus ? Op::DateAdd : Op::DateSub;
            else if (plus && a == ValueType::Numeric && b == ValueType::Date)
                op = Op::DateAdd;
            else if (!plus && a == ValueType::Date && b == ValueType::Date)
                op = Op::DateDiff;
            else
                mismatch(pos, std::string("cannot apply ") + (plus ? "+" : "-") + " to " +
                                  typeName(a) + " and " + typeName(b));
            l = finish(makeBinary(op, std::move(l), std::move(r), settings_));
        }
        return l;
    }

    NodePtr parseProduct() {
        NodePtr l = parsePower();
        for (;;) {
            Op op;
            switch (peek().kind) {
                case Tok::Star:
                    op = Op::Mul;
                    break;
                case Tok::Slash:
                    op = Op::Div;
                    break;
                case Tok::Percent:
                    op = Op::Mod;
                    break;
                default:
                    return l;
            }
            const Token& t = take();
            NodePtr r = parsePower();
            l = arithmetic(op, std::move(l), std::move(r), t);
        }
    }

    NodePtr parsePower() {
        NodePtr l = parseUnary();
        while (peek().kind == Tok::Power) {
            const Token& t = take();
            NodePtr r = parseUnary();
            l = arithmetic(Op::Pow, std::move(l), std::move(r), t);
        }
        return l;
    }

    NodePtr arithmetic(Op op, NodePtr l, NodePtr r, const Token& t) {
        if (l->type != ValueType::Numeric || r->type != ValueType::Numeric)
            mismatch(t.pos, std::string("arithmetic needs numbers, not ") + typeName(l->type) +
                                " and " + typeName(r->type));
        return finish(makeBinary(op, std::move(l), std::move(r), settings_));
    }

    NodePtr parseUnary() {
        if (peek().kind == Tok::Minus || peek().kind == Tok::Plus) {
            DepthGuard g(depth_);
            const Token& t = take();
            NodePtr x = parseUnary();
            if (x->type != ValueType::Numeric)
                mismatch(t.pos,
                         std::string("unary minus needs a number, not ") + typeName(x->type));
            if (t.kind == Tok::Plus) return x;
            return finish(makeNegate(std::move(x)));
        }
        return parsePrimary();
    }

    NodePtr parsePrimary() {
        const Token& t = peek();
        switch (t.kind) {
            case Tok::Number: {
                take();
                return makeNumber(std::strtod(t.text.c_str(), nullptr));
            }
            case Tok::String: {
                take();
                return makeString(fromUtf8(t.text, settings_->codePage));
            }
            case Tok::True:
                take();
                return makeLogical(true);
            case Tok::False:
                take();
                return makeLogical(false);
            case Tok::LParen: {
                take();
                NodePtr n = parseOr();
                expect(Tok::RParen);
                return n;
            }
            case Tok::Ident:
                return parseName();
            default:
                syntax(t);
        }
    }

    NodePtr parseName() {
        const Token& first = take();
        if (peek().kind == Tok::LParen) return parseCall(first);
        const Token* name = &first;
        if (peek().kind == Tok::Arrow) {  // ALIAS->FIELD: the alias is ignored
            take();
            if (peek().kind != Tok::Ident) syntax(peek());
            name = &take();
        }
        std::string upper = upperAscii(name->text);
        for (size_t i = 0; i < fields_.size(); ++i) {
            if (upperAscii(fields_[i].name) != upper) continue;
            NodePtr f = makeField(fields_[i], int(i));
            if (!f)
                throw ParseError{std::string("Field type ") + fields_[i].type + " of " +
                                 fields_[i].name + " is not supported in expressions"};
            reads_->fields.push_back(int(i));
            if (fields_[i].type == 'M') reads_->varies = true;
            return f;
        }
        throw ParseError{"Unknown field or function: " + clipForMessage(name->text)};
    }

    NodePtr parseCall(const Token& name) {
        DepthGuard g(depth_);
        const FunctionInfo* info = findFunction(upperAscii(name.text));
        if (!info) throw ParseError{"Unknown field or function: " + clipForMessage(name.text)};
        take();  // (
        std::vector<NodePtr> args;
        std::vector<uint32_t> positions;
        if (peek().kind != Tok::RParen) {
            for (;;) {
                positions.push_back(peek().pos);
                args.push_back(parseOr());
                if (peek().kind != Tok::Comma) break;
                take();
            }
        }
        expect(Tok::RParen);
        if (int(args.size()) < info->minArgs || int(args.size()) > info->maxArgs)
            throw ParseError{"Wrong number of arguments for " + std::string(info->name) +
                             " at position " + std::to_string(name.pos + 1)};
        return finish(buildCall(*info, std::move(args), positions));
    }

    // ---- function typing and widths ----
    static bool literalCount(const NodePtr& n, double* v) {
        if (!n->isLiteral()) return false;
        *v = n->num(RecordRef{});
        return true;
    }

    static uint32_t clampWidth(double v, uint32_t max = uint32_t(kMaxBuiltString)) {
        if (!(v > 0)) return 0;
        return v >= max ? max : uint32_t(v);
    }

    NodePtr buildCall(const FunctionInfo& f, std::vector<NodePtr> args,
                      const std::vector<uint32_t>& pos) {
        auto need = [&](size_t i, ValueType t) {
            if (i < args.size() && args[i]->type != t)
                mismatch(pos[i], "argument " + std::to_string(i + 1) + " of " + f.name +
                                     " must be " + typeName(t) + ", not " +
                                     typeName(args[i]->type));
        };
        auto sameTypes = [&](size_t from, bool allowLogical) {
            ValueType t = args[0]->type;
            if (!allowLogical && t == ValueType::Logical)
                mismatch(pos[0], std::string(f.name) + " cannot take logical values");
            for (size_t i = from; i < args.size(); ++i)
                if (args[i]->type != t)
                    mismatch(pos[i], "argument " + std::to_string(i + 1) + " of " + f.name +
                                         " must be " + typeName(t) + " like the first");
        };
        auto width = [&](size_t i) { return args[i]->width; };
        double n = 0, m = 0;
        ValueType result = ValueType::Character;
        uint32_t w = 0;
        switch (f.fn) {
            case Fn::Upper:
            case Fn::Lower:
            case Fn::Trim:
            case Fn::Ltrim:
            case Fn::Alltrim:
                need(0, ValueType::Character);
                w = width(0);
                break;
            case Fn::Deleted:
                result = ValueType::Logical;
                reads_->deletionMark = true;
                break;
            case Fn::Recno:
                result = ValueType::Numeric;
                break;
            case Fn::Empty:
            case Fn::Isnull:
                result = ValueType::Logical;
                break;
            case Fn::Left:
            case Fn::Right:
                need(0, ValueType::Character);
                need(1, ValueType::Numeric);
                w = literalCount(args[1], &n) ? std::min(width(0), clampWidth(n)) : width(0);
                break;
            case Fn::Substr: {
                need(0, ValueType::Character);
                need(1, ValueType::Numeric);
                need(2, ValueType::Numeric);
                w = width(0);
                if (literalCount(args[1], &n)) {
                    uint32_t start = std::max<uint32_t>(1, clampWidth(n, UINT32_MAX));
                    w = start > w ? 0 : w - start + 1;
                }
                if (args.size() > 2 && literalCount(args[2], &m)) w = std::min(w, clampWidth(m));
                break;
            }
            case Fn::Str:
                need(0, ValueType::Numeric);
                need(1, ValueType::Numeric);
                need(2, ValueType::Numeric);
                w = args.size() < 2 ? 10
                                    : (literalCount(args[1], &n) ? clampWidth(n) : kUnknownWidth);
                break;
            case Fn::Val:
            case Fn::Len:
            case Fn::Asc:
                need(0, ValueType::Character);
                result = ValueType::Numeric;
                break;
            case Fn::Dtos:
                need(0, ValueType::Date);
                w = 8;
                break;
            case Fn::Dtoc:
                need(0, ValueType::Date);
                w = uint32_t(dateToText(2451545, *settings_).size());
                break;
            case Fn::Ctod:
                need(0, ValueType::Character);
                result = ValueType::Date;
                break;
            case Fn::Iif:
                need(0, ValueType::Logical);
                if (args[1]->type != args[2]->type)
                    mismatch(pos[2], std::string("IIF branches must have one type, not ") +
                                         typeName(args[1]->type) + " and " +
                                         typeName(args[2]->type));
                result = args[1]->type;
                w = std::max(width(1), width(2));
                break;
            case Fn::Space:
                need(0, ValueType::Numeric);
                w = literalCount(args[0], &n) ? clampWidth(n) : kUnknownWidth;
                break;
            case Fn::Replicate:
                need(0, ValueType::Character);
                need(1, ValueType::Numeric);
                w = literalCount(args[1], &n)
                        ? clampWidth(double(width(0)) * std::max(0.0, std::trunc(n)))
                        : kUnknownWidth;
                break;
            case Fn::At:
                need(0, ValueType::Character);
                need(1, ValueType::Character);
                need(2, ValueType::Numeric);
                result = ValueType::Numeric;
                break;
            case Fn::Chr:
                need(0, ValueType::Numeric);
                w = 1;
                break;
            case Fn::Date:
                result = ValueType::Date;
                reads_->varies = true;
                break;
            case Fn::Year:
            case Fn::Month:
            case Fn::Day:
                need(0, ValueType::Date);
                result = ValueType::Numeric;
                break;
            case Fn::Abs:
            case Fn::Int:
            case Fn::Round:
                need(0, ValueType::Numeric);
                need(1, ValueType::Numeric);
                result = ValueType::Numeric;
                break;
            case Fn::Max:
            case Fn::Min:
                sameTypes(1, false);
                result = args[0]->type;
                for (size_t i = 0; i < args.size(); ++i) w = std::max(w, width(i));
                break;
            case Fn::Between:
            case Fn::Inlist:
                sameTypes(1, true);
                result = ValueType::Logical;
                break;
            case Fn::Padl:
            case Fn::Padr:
            case Fn::Padc:
                need(1, ValueType::Numeric);
                need(2, ValueType::Character);
                w = literalCount(args[1], &n) ? clampWidth(n) : kUnknownWidth;
                break;
            case Fn::Transform:
                switch (args[0]->type) {
                    case ValueType::Character:
                        w = width(0);
                        break;
                    case ValueType::Date:
                        w = uint32_t(dateToText(2451545, *settings_).size());
                        break;
                    case ValueType::Logical:
                        w = 3;
                        break;
                    default:
                        w = kUnknownWidth;
                }
                break;
        }
        if (result != ValueType::Character) w = 0;
        return makeCall(f.fn, std::move(args), result, w, settings_);
    }

    std::vector<Token> toks_;
    size_t pos_ = 0;
    int depth_ = 0;
    const std::vector<FieldDef>& fields_;
    const ExprSettings* settings_;
    ExprReads* reads_;
};

}  // namespace

NodePtr parseExpression(std::string_view text, const std::vector<FieldDef>& fields,
                        const ExprSettings* settings, std::string* error, ExprReads* reads) {
    std::string ignored;
    if (!error) error = &ignored;
    try {
        std::vector<Token> toks;
        if (!tokenize(text, &toks, error)) return nullptr;
        ExprReads ignoredReads;
        Parser p(std::move(toks), fields, settings, reads ? reads : &ignoredReads);
        return p.parseAll();
    } catch (const ParseError& e) {
        *error = e.message;
    } catch (const std::exception& e) {
        *error = std::string("Cannot compile the expression: ") + e.what();
    }
    return nullptr;
}

}  // namespace pc::xbase::expr
