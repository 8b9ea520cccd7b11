#include "xbase/expr_nodes.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "xbase/codepage.h"
#include "xbase/number_text.h"
#include "xbase/xbase_date.h"

namespace pc::xbase::expr {

Node::Node(ValueType t, std::vector<NodePtr> a) : type(t), args(std::move(a)) {
    for (const auto& x : args) depth = std::max(depth, x->depth + 1);
}

void Node::appendStr(const RecordRef& r, std::string& out) const {
    std::string_view v = str(r);
    out.append(v.data(), v.size());
}

namespace {

// ---- small helpers ----------------------------------------------------------

double clean(double v) {
    return std::isnan(v) ? 0.0 : v;
}

// Whole-number argument: NaN is 0, huge values are clamped.
int toInt(double v) {
    if (!(v == v)) return 0;
    if (v > 1e9) return 1000000000;
    if (v < -1e9) return -1000000000;
    return int(std::trunc(v));
}

size_t builtLength(double v) {
    int n = toInt(v);
    return n <= 0 ? 0 : std::min(size_t(n), kMaxBuiltString);
}

std::string_view trimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

std::string_view trimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return s.substr(i);
}

bool blank(std::string_view s) {
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\0') return false;
    return true;
}

// memcmp that accepts the null data of an empty view.
int compareBytes(const char* a, const char* b, size_t n) {
    return n == 0 ? 0 : std::memcmp(a, b, n);
}

// Byte order, then length.
int lexical(std::string_view a, std::string_view b) {
    int c = compareBytes(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0) return c < 0 ? -1 : 1;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// xBase string comparison. Exact off: only as far as the right side goes
// (a shorter left side sorts first). Exact on: the shorter side is padded
// with blanks.
int compareText(std::string_view a, std::string_view b, bool exact) {
    if (!exact) {
        if (a.size() >= b.size()) {
            int c = compareBytes(a.data(), b.data(), b.size());
            return c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
        return lexical(a, b);
    }
    size_t n = std::min(a.size(), b.size());
    int c = compareBytes(a.data(), b.data(), n);
    if (c != 0) return c < 0 ? -1 : 1;
    std::string_view rest = a.size() > n ? a.substr(n) : b.substr(n);
    int sign = a.size() > n ? 1 : -1;
    for (char ch : rest) {
        auto u = uint8_t(ch);
        if (u != ' ') return u > ' ' ? sign : -sign;
    }
    return 0;
}

bool relation(Op op, int c) {
    switch (op) {
        case Op::Eq:
        case Op::ExactEq:
            return c == 0;
        case Op::Ne:
            return c != 0;
        case Op::Lt:
            return c < 0;
        case Op::Le:
            return c <= 0;
        case Op::Gt:
            return c > 0;
        case Op::Ge:
            return c >= 0;
        default:
            return false;
    }
}

int compareNumbers(double a, double b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

void appendNumberText(double v, std::string& out) {
    char buf[64];
    if (std::isfinite(v) && std::fabs(v) < 1e15 && v == std::trunc(v)) {
        std::snprintf(buf, sizeof buf, "%.0f", v == 0 ? 0.0 : v);
    } else {
        std::snprintf(buf, sizeof buf, "%.15g", v);
    }
    out += buf;
}

double today() {
    time_t now = ::time(nullptr);
    struct tm local {};
    if (!::localtime_r(&now, &local)) return 0;
    return double(julianDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

// ---- literals and fields -------------------------------------------------------

class Literal final : public Node {
  public:
    explicit Literal(std::string s) : Node(ValueType::Character), text_(std::move(s)) {
        width = uint32_t(std::min<size_t>(text_.size(), UINT32_MAX));
    }
    Literal(ValueType t, double n, bool b) : Node(t), number_(n), logical_(b) {}
    bool isLiteral() const override { return true; }
    std::string_view str(const RecordRef&) const override { return text_; }
    double num(const RecordRef&) const override { return number_; }
    bool logic(const RecordRef&) const override { return logical_; }

  private:
    std::string text_;
    double number_ = 0;
    bool logical_ = false;
};

class FieldNode : public Node {
  public:
    FieldNode(ValueType t, const FieldDef& f) : Node(t), off_(f.offset), len_(f.width) {}
    bool pure() const override { return false; }

  protected:
    const char* at(const RecordRef& r) const { return r.data + off_; }
    uint32_t off_, len_;
};

class CharField final : public FieldNode {
  public:
    explicit CharField(const FieldDef& f) : FieldNode(ValueType::Character, f) { width = len_; }
    std::string_view str(const RecordRef& r) const override { return {at(r), len_}; }
};

class NumField final : public FieldNode {
  public:
    using FieldNode::FieldNode;
    double num(const RecordRef& r) const override {
        return parseNumberText(at(r), len_).value_or(0.0);
    }
};

uint64_t littleEndian(const char* p, int n) {
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | uint8_t(p[i]);
    return v;
}

class BinaryNumField final : public FieldNode {
  public:
    BinaryNumField(const FieldDef& f) : FieldNode(ValueType::Numeric, f), kind_(f.type) {}
    double num(const RecordRef& r) const override {
        switch (kind_) {
            case 'I':
                if (len_ < 4) return 0;
                return double(int32_t(uint32_t(littleEndian(at(r), 4))));
            case 'B': {
                if (len_ < 8) return 0;
                uint64_t bits = littleEndian(at(r), 8);
                double d;
                std::memcpy(&d, &bits, 8);
                return clean(d);
            }
            default:  // 'Y': currency, four implied decimals
                if (len_ < 8) return 0;
                return double(int64_t(littleEndian(at(r), 8))) / 10000.0;
        }
    }

  private:
    char kind_;
};

class DateField final : public FieldNode {
  public:
    explicit DateField(const FieldDef& f) : FieldNode(ValueType::Date, f) {}
    double num(const RecordRef& r) const override {
        return len_ == 8 ? double(julianFromDtos({at(r), 8})) : 0.0;
    }
};

class LogField final : public FieldNode {
  public:
    explicit LogField(const FieldDef& f) : FieldNode(ValueType::Logical, f) {}
    bool logic(const RecordRef& r) const override {
        if (len_ == 0) return false;
        char c = *at(r);
        return c == 'T' || c == 't' || c == 'Y' || c == 'y';
    }
};

class MemoField final : public FieldNode {
  public:
    MemoField(const FieldDef& f, int index) : FieldNode(ValueType::Character, f), index_(index) {
        width = len_;
    }
    std::string_view str(const RecordRef& r) const override {
        buf_.clear();
        // A damaged memo throws: reading it as empty would count wrong.
        if (r.memo) buf_ = r.memo->memoText(r.data, r.recno, index_);
        return buf_;
    }

  private:
    int index_;
    mutable std::string buf_;
};

// ---- operators ----------------------------------------------------------------

class Concat final : public Node {
  public:
    Concat(NodePtr l, NodePtr r, bool moveBlanks) : Node(ValueType::Character), trim_(moveBlanks) {
        width = uint32_t(std::min<uint64_t>(uint64_t(l->width) + r->width, UINT32_MAX));
        args.push_back(std::move(l));
        args.push_back(std::move(r));
        depth = std::max(args[0]->depth, args[1]->depth) + 1;
    }
    std::string_view str(const RecordRef& r) const override {
        buf_.clear();
        appendStr(r, buf_);
        return buf_;
    }
    void appendStr(const RecordRef& r, std::string& out) const override {
        size_t start = out.size();
        args[0]->appendStr(r, out);
        if (!trim_) {
            args[1]->appendStr(r, out);
            return;
        }
        size_t end = out.size();
        while (end > start && out[end - 1] == ' ') --end;
        size_t blanks = out.size() - end;
        out.resize(end);
        args[1]->appendStr(r, out);
        out.append(blanks, ' ');
    }

  private:
    bool trim_;
    mutable std::string buf_;
};

class Arith final : public Node {
  public:
    Arith(Op op, ValueType t, std::vector<NodePtr> a) : Node(t, std::move(a)), op_(op) {}
    double num(const RecordRef& r) const override {
        double a = args[0]->num(r), b = args[1]->num(r);
        switch (op_) {
            case Op::Add:
                return a + b;
            case Op::Sub:
            case Op::DateDiff:
                return a - b;
            case Op::Mul:
                return clean(a * b);
            case Op::Div:
                return b == 0 ? 0.0 : clean(a / b);
            case Op::Mod: {
                // The sign follows the divisor, as xBase's MOD does.
                if (b == 0) return 0;
                double m = std::fmod(a, b);
                if (m != 0 && ((m < 0) != (b < 0))) m += b;
                return clean(m);
            }
            case Op::Pow:
                return clean(std::pow(a, b));
            case Op::DateAdd:
                return a == 0 ? 0.0 : a + std::trunc(clean(b));
            case Op::DateSub:
                return a == 0 ? 0.0 : a - std::trunc(clean(b));
            default:
                return 0;
        }
    }

  private:
    Op op_;
};

class Negate final : public Node {
  public:
    explicit Negate(std::vector<NodePtr> a) : Node(ValueType::Numeric, std::move(a)) {}
    double num(const RecordRef& r) const override { return -args[0]->num(r); }
};

class CompareText final : public Node {
  public:
    CompareText(Op op, std::vector<NodePtr> a, const ExprSettings* s)
        : Node(ValueType::Logical, std::move(a)), op_(op), settings_(s) {}
    bool pure() const override { return op_ == Op::ExactEq || op_ == Op::Contains; }
    bool logic(const RecordRef& r) const override {
        if (op_ == Op::ExactEq) return args[0]->str(r) == args[1]->str(r);
        if (op_ == Op::Contains) {
            std::string_view a = args[0]->str(r);
            return !a.empty() && args[1]->str(r).find(a) != std::string_view::npos;
        }
        std::string_view b = args[1]->str(r);
        bool exact = settings_->exact;
        // Exact off looks no further than the right side.
        std::string_view a = exact ? args[0]->str(r) : args[0]->strPrefix(r, b.size());
        return relation(op_, compareText(a, b, exact));
    }

  private:
    Op op_;
    const ExprSettings* settings_;
};

class CompareValue final : public Node {
  public:
    CompareValue(Op op, std::vector<NodePtr> a) : Node(ValueType::Logical, std::move(a)), op_(op) {}
    bool logic(const RecordRef& r) const override {
        if (args[0]->type == ValueType::Logical)
            return relation(op_, int(args[0]->logic(r)) - int(args[1]->logic(r)));
        return relation(op_, compareNumbers(args[0]->num(r), args[1]->num(r)));
    }

  private:
    Op op_;
};

class AndOr final : public Node {
  public:
    AndOr(bool isAnd, std::vector<NodePtr> a)
        : Node(ValueType::Logical, std::move(a)), and_(isAnd) {}
    bool logic(const RecordRef& r) const override {
        bool a = args[0]->logic(r);
        if (a != and_) return a;  // short circuit
        return args[1]->logic(r);
    }

  private:
    bool and_;
};

class Not final : public Node {
  public:
    explicit Not(std::vector<NodePtr> a) : Node(ValueType::Logical, std::move(a)) {}
    bool logic(const RecordRef& r) const override { return !args[0]->logic(r); }
};

class CaseMap final : public Node {
  public:
    CaseMap(std::vector<NodePtr> a, const uint8_t* table, bool upper)
        : Node(ValueType::Character, std::move(a)), table_(table), upper_(upper) {
        width = args[0]->width;
    }
    std::string_view str(const RecordRef& r) const override {
        return mapInto(args[0]->str(r), SIZE_MAX);
    }
    std::string_view strPrefix(const RecordRef& r, size_t n) const override {
        return mapInto(args[0]->strPrefix(r, n), n);
    }
    void appendStr(const RecordRef& r, std::string& out) const override {
        std::string_view v = args[0]->str(r);
        size_t at = out.size();
        out.resize(at + v.size());
        map(v.data(), v.size(), out.data() + at);
    }

  private:
    std::string_view mapInto(std::string_view v, size_t limit) const {
        size_t n = std::min(v.size(), limit);
        if (buf_.size() < n) buf_.resize(n);
        map(v.data(), n, buf_.data());
        return {buf_.data(), n};
    }

    void map(const char* from, size_t n, char* to) const {
        // Eight ASCII bytes at a time (every table agrees with ASCII there);
        // words holding other bytes go through the table.
        constexpr uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
        const uint64_t first = (0x80 - uint64_t(upper_ ? 'a' : 'A')) * kOnes;
        const uint64_t last = (0x80 - uint64_t(upper_ ? 'z' : 'Z') - 1) * kOnes;
        size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            uint64_t x;
            std::memcpy(&x, from + i, 8);
            if ((x & kHigh) == 0) {
                uint64_t inRange = (x + first) & ~(x + last) & kHigh;
                x ^= inRange >> 2;  // flips 0x20 in the letters
                std::memcpy(to + i, &x, 8);
            } else {
                for (size_t k = i; k < i + 8; ++k) to[k] = char(table_[uint8_t(from[k])]);
            }
        }
        for (; i < n; ++i) to[i] = char(table_[uint8_t(from[i])]);
    }

    const uint8_t* table_;
    bool upper_;
    mutable std::string buf_;
};

// ---- functions ----------------------------------------------------------------

struct DateLayout {
    enum Part : uint8_t { Year, Month, Day, Literal };
    Part parts[32];
    char literal[32];
    int count = 0;
};

DateLayout dateLayout(const std::string& format) {
    DateLayout l;
    for (size_t i = 0; i < format.size() && l.count < 32;) {
        char c = char(format[i] & ~0x20);
        if (c == 'Y' || c == 'M' || c == 'D') {
            while (i < format.size() && char(format[i] & ~0x20) == c) ++i;
            l.parts[l.count++] =
                c == 'Y' ? DateLayout::Year : (c == 'M' ? DateLayout::Month : DateLayout::Day);
        } else {
            l.literal[l.count] = format[i++];
            l.parts[l.count++] = DateLayout::Literal;
        }
    }
    return l;
}

class Call final : public Node {
  public:
    Call(Fn fn, ValueType t, std::vector<NodePtr> a, const ExprSettings* s)
        : Node(t, std::move(a)), fn_(fn), settings_(s) {}

    bool pure() const override {
        switch (fn_) {
            case Fn::Deleted:
            case Fn::Recno:
            case Fn::Date:
            case Fn::Dtoc:
            case Fn::Ctod:
            case Fn::Transform:  // dates follow the date format
                return false;
            case Fn::Between:
            case Fn::Inlist:
                return args[0]->type != ValueType::Character;  // follow SET EXACT
            default:
                return true;
        }
    }

    std::string_view str(const RecordRef& r) const override {
        switch (fn_) {
            case Fn::Iif:
                return args[cond(r)]->str(r);
            case Fn::Left: {
                std::string_view s = args[0]->str(r);
                return s.substr(0, size_t(std::max(0, toInt(args[1]->num(r)))));
            }
            case Fn::Right: {
                std::string_view s = args[0]->str(r);
                size_t n = std::min(s.size(), size_t(std::max(0, toInt(args[1]->num(r)))));
                return s.substr(s.size() - n);
            }
            case Fn::Substr: {
                std::string_view s = args[0]->str(r);
                int start = std::max(1, toInt(args[1]->num(r)));
                if (size_t(start) > s.size()) return {};
                s = s.substr(size_t(start - 1));
                if (args.size() > 2) s = s.substr(0, size_t(std::max(0, toInt(args[2]->num(r)))));
                return s;
            }
            case Fn::Trim:
                return trimRight(args[0]->str(r));
            case Fn::Ltrim:
                return trimLeft(args[0]->str(r));
            case Fn::Alltrim:
                return trimLeft(trimRight(args[0]->str(r)));
            case Fn::Str: {
                int len = args.size() > 1 ? int(builtLength(args[1]->num(r))) : 10;
                int dec = args.size() > 2 ? std::clamp(toInt(args[2]->num(r)), 0, 18) : 0;
                formatStr(args[0]->num(r), len, dec, buf_);
                return buf_;
            }
            case Fn::Dtos: {
                double jd = args[0]->num(r);
                buf_ = jd > 0 && jd < 1e8 ? dtosFromJulian(int64_t(jd)) : std::string(8, ' ');
                return buf_;
            }
            case Fn::Dtoc:
                buf_ = dateToText(args[0]->num(r), *settings_);
                return buf_;
            case Fn::Space:
                buf_.assign(builtLength(args[0]->num(r)), ' ');
                return buf_;
            case Fn::Replicate: {
                std::string_view s = args[0]->str(r);
                size_t times = builtLength(args[1]->num(r));
                buf_.clear();
                if (!s.empty())
                    for (size_t i = 0; i < times && buf_.size() + s.size() <= kMaxBuiltString; ++i)
                        buf_.append(s.data(), s.size());
                return buf_;
            }
            case Fn::Chr:
                buf_.assign(1, char(uint8_t(toInt(args[0]->num(r)) & 0xFF)));
                return buf_;
            case Fn::Max:
            case Fn::Min: {
                // Views of earlier arguments stay valid: each node has its own buffer.
                std::string_view best = args[0]->str(r);
                for (size_t i = 1; i < args.size(); ++i) {
                    std::string_view v = args[i]->str(r);
                    int c = lexical(v, best);
                    if (fn_ == Fn::Max ? c > 0 : c < 0) best = v;
                }
                return best;
            }
            case Fn::Padl:
            case Fn::Padr:
            case Fn::Padc:
                return pad(r);
            case Fn::Transform: {
                buf_.clear();
                appendText(*args[0], r, buf_);
                return buf_;
            }
            default:
                return {};
        }
    }

    double num(const RecordRef& r) const override {
        switch (fn_) {
            case Fn::Iif:
                return args[cond(r)]->num(r);
            case Fn::Recno:
                return double(r.recno);
            case Fn::Len:
                return double(args[0]->str(r).size());
            case Fn::Val:
                return val(args[0]->str(r));
            case Fn::Ctod:
                return textToDate(args[0]->str(r), *settings_);
            case Fn::At: {
                std::string_view needle = args[0]->str(r), hay = args[1]->str(r);
                int nth = args.size() > 2 ? toInt(args[2]->num(r)) : 1;
                if (needle.empty() || nth < 1) return 0;
                size_t at = 0;
                for (int k = 0;; ++k) {
                    at = hay.find(needle, k == 0 ? 0 : at + 1);
                    if (at == std::string_view::npos) return 0;
                    if (k + 1 == nth) return double(at + 1);
                }
            }
            case Fn::Asc: {
                std::string_view s = args[0]->str(r);
                return s.empty() ? 0.0 : double(uint8_t(s[0]));
            }
            case Fn::Date:
                return today();
            case Fn::Year:
            case Fn::Month:
            case Fn::Day: {
                double jd = args[0]->num(r);
                if (!(jd > 0 && jd < 1e8)) return 0;
                CivilDate d = civilFromJulian(int64_t(jd));
                return fn_ == Fn::Year ? d.year : (fn_ == Fn::Month ? d.month : d.day);
            }
            case Fn::Abs:
                return std::fabs(args[0]->num(r));
            case Fn::Int:
                return std::trunc(args[0]->num(r));
            case Fn::Round:
                return roundHalfAway(args[0]->num(r), toInt(args[1]->num(r)));
            case Fn::Max:
            case Fn::Min: {
                double best = args[0]->num(r);
                for (size_t i = 1; i < args.size(); ++i) {
                    double v = args[i]->num(r);
                    if (fn_ == Fn::Max ? v > best : v < best) best = v;
                }
                return best;
            }
            default:
                return 0;
        }
    }

    bool logic(const RecordRef& r) const override {
        switch (fn_) {
            case Fn::Iif:
                return args[cond(r)]->logic(r);
            case Fn::Deleted:
                return r.data && r.data[0] == '*';
            case Fn::Isnull:
                return false;
            case Fn::Empty: {
                const Node& x = *args[0];
                switch (x.type) {
                    case ValueType::Character:
                        return blank(x.str(r));
                    case ValueType::Logical:
                        return !x.logic(r);
                    default:
                        return x.num(r) == 0;
                }
            }
            case Fn::Between: {
                if (args[0]->type == ValueType::Character) {
                    std::string_view v = args[0]->str(r), lo = args[1]->str(r),
                                     hi = args[2]->str(r);
                    bool exact = settings_->exact;
                    return compareText(v, lo, exact) >= 0 && compareText(v, hi, exact) <= 0;
                }
                if (args[0]->type == ValueType::Logical) {
                    int v = args[0]->logic(r), lo = args[1]->logic(r), hi = args[2]->logic(r);
                    return v >= lo && v <= hi;
                }
                double v = args[0]->num(r);
                return v >= args[1]->num(r) && v <= args[2]->num(r);
            }
            case Fn::Inlist: {
                const Node& x = *args[0];
                if (x.type == ValueType::Character) {
                    std::string_view v = x.str(r);
                    for (size_t i = 1; i < args.size(); ++i)
                        if (compareText(v, args[i]->str(r), settings_->exact) == 0) return true;
                    return false;
                }
                if (x.type == ValueType::Logical) {
                    bool v = x.logic(r);
                    for (size_t i = 1; i < args.size(); ++i)
                        if (args[i]->logic(r) == v) return true;
                    return false;
                }
                double v = x.num(r);
                for (size_t i = 1; i < args.size(); ++i)
                    if (args[i]->num(r) == v) return true;
                return false;
            }
            default:
                return false;
        }
    }

  private:
    size_t cond(const RecordRef& r) const { return args[0]->logic(r) ? 1 : 2; }

    static double val(std::string_view s) {
        // The leading number, as xBase's VAL reads it: "12abc" is 12, "abc" 0.
        char buf[80];
        size_t n = 0, i = 0;
        auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
        auto put = [&](char c) {
            if (n < sizeof buf - 1) buf[n++] = c;
        };
        auto digits = [&] {
            size_t start = i;
            while (i < s.size() && isDigit(s[i])) put(s[i++]);
            return i - start;
        };
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) put(s[i++]);
        size_t count = digits();
        if (i < s.size() && s[i] == '.') {
            put(s[i++]);
            count += digits();
        }
        if (count == 0) return 0;
        if (i + 1 < s.size() && (s[i] == 'e' || s[i] == 'E')) {
            size_t j = i + 1;
            if (s[j] == '-' || s[j] == '+') ++j;
            if (j < s.size() && isDigit(s[j])) {
                while (i < j) put(s[i++]);
                digits();
            }
        }
        buf[n] = '\0';
        return clean(std::strtod(buf, nullptr));
    }

    void appendText(const Node& x, const RecordRef& r, std::string& out) const {
        switch (x.type) {
            case ValueType::Character:
                x.appendStr(r, out);
                break;
            case ValueType::Numeric:
                appendNumberText(x.num(r), out);
                break;
            case ValueType::Date:
                out += dateToText(x.num(r), *settings_);
                break;
            case ValueType::Logical:
                out += x.logic(r) ? ".T." : ".F.";
                break;
        }
    }

    std::string_view pad(const RecordRef& r) const {
        size_t len = builtLength(args[1]->num(r));
        char fill = ' ';
        if (args.size() > 2) {
            std::string_view f = args[2]->str(r);
            if (!f.empty()) fill = f[0];
        }
        tmp_.clear();
        appendText(*args[0], r, tmp_);
        if (tmp_.size() >= len) {
            buf_.assign(tmp_, 0, len);
            return buf_;
        }
        size_t extra = len - tmp_.size();
        size_t before = fn_ == Fn::Padl ? extra : (fn_ == Fn::Padc ? extra / 2 : 0);
        buf_.assign(before, fill);
        buf_ += tmp_;
        buf_.append(extra - before, fill);
        return buf_;
    }

    Fn fn_;
    const ExprSettings* settings_;
    mutable std::string buf_, tmp_;
};

}  // namespace

// ---- shared helpers -------------------------------------------------------------

double roundHalfAway(double v, int dec) {
    if (!std::isfinite(v)) return clean(v);
    dec = std::clamp(dec, -18, 18);
    double p = std::pow(10.0, std::abs(dec));
    double s = dec >= 0 ? v * p : v / p;
    if (!std::isfinite(s) || std::fabs(s) >= 4.5e15) return v;  // no fraction left to round
    double t = std::trunc(s);
    double f = std::fabs(s - t);
    // A few units in the last place of tolerance, so 1.005 * 100 (stored as
    // 100.49999999999999) still rounds up the way the user wrote it.
    if (f >= 0.5 - std::fabs(s) * 4.5e-16) t += s < 0 ? -1 : 1;
    if (t == 0) t = 0;  // no negative zero
    return dec >= 0 ? t / p : t * p;
}

void formatStr(double v, int len, int dec, std::string& out) {
    out.clear();
    if (len <= 0) return;
    if (std::isfinite(v)) {
        dec = std::clamp(dec, 0, 18);
        char buf[400];
        for (int d = dec; d >= 0; --d) {
            double rounded = roundHalfAway(v, d);
            if (std::fabs(rounded) >= 1e300) break;
            int n = std::snprintf(buf, sizeof buf, "%.*f", d, rounded);
            if (n > 0 && n <= len) {
                out.assign(size_t(len - n), ' ');
                out.append(buf, size_t(n));
                return;
            }
            if (n > 0 && d > 0 && n - d - 1 > len) break;  // the whole part alone is too wide
        }
    }
    out.assign(size_t(len), '*');
}

std::string dateToText(double julian, const ExprSettings& s) {
    DateLayout l = dateLayout(s.dateFormat);
    bool empty = !(julian > 0 && julian < 1e8);
    CivilDate d{};
    if (!empty) {
        d = civilFromJulian(int64_t(julian));
        empty = d.year < 1 || d.year > 9999;
    }
    std::string out;
    auto digits = [&](int v, int n) {
        char b[8];
        for (int i = n - 1; i >= 0; --i, v /= 10) b[i] = char('0' + v % 10);
        out.append(empty ? std::string(size_t(n), ' ') : std::string(b, size_t(n)));
    };
    for (int i = 0; i < l.count; ++i) {
        switch (l.parts[i]) {
            case DateLayout::Year:
                s.century ? digits(d.year, 4) : digits(d.year % 100, 2);
                break;
            case DateLayout::Month:
                digits(d.month, 2);
                break;
            case DateLayout::Day:
                digits(d.day, 2);
                break;
            case DateLayout::Literal:
                out += l.literal[i];
                break;
        }
    }
    return out;
}

double textToDate(std::string_view text, const ExprSettings& s) {
    DateLayout l = dateLayout(s.dateFormat);
    int values[3] = {0, 0, 0}, digitsSeen[3] = {0, 0, 0};
    int group = 0;
    for (size_t i = 0; i < text.size() && group < 3;) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (digitsSeen[group] < 6) values[group] = values[group] * 10 + (text[i] - '0');
            ++digitsSeen[group];
            ++i;
        }
        ++group;
    }
    if (group < 3) return 0;
    int year = 0, month = 0, day = 0, field = 0;
    for (int i = 0; i < l.count && field < 3; ++i) {
        if (l.parts[i] == DateLayout::Literal) continue;
        int v = values[field];
        if (l.parts[i] == DateLayout::Year)
            year = digitsSeen[field] <= 2 ? 1900 + v : v;
        else if (l.parts[i] == DateLayout::Month)
            month = v;
        else
            day = v;
        ++field;
    }
    if (year < 1 || year > 9999) return 0;
    char dtos[9];
    std::snprintf(dtos, sizeof dtos, "%04d%02d%02d", year, std::clamp(month, 0, 99),
                  std::clamp(day, 0, 99));
    return double(julianFromDtos(std::string_view(dtos, 8)));
}

// ---- factories ----------------------------------------------------------------

NodePtr makeString(std::string bytes) {
    return std::make_unique<Literal>(std::move(bytes));
}
NodePtr makeNumber(double v) {
    return std::make_unique<Literal>(ValueType::Numeric, v, false);
}
NodePtr makeLogical(bool v) {
    return std::make_unique<Literal>(ValueType::Logical, 0, v);
}

NodePtr makeField(const FieldDef& f, int index) {
    switch (f.type) {
        case 'C':
            return std::make_unique<CharField>(f);
        case 'N':
        case 'F':
            return std::make_unique<NumField>(ValueType::Numeric, f);
        case 'I':
        case 'B':
        case 'Y':
            return std::make_unique<BinaryNumField>(f);
        case 'D':
            return std::make_unique<DateField>(f);
        case 'L':
            return std::make_unique<LogField>(f);
        case 'M':
            return std::make_unique<MemoField>(f, index);
        default:
            return nullptr;
    }
}

NodePtr makeBinary(Op op, NodePtr l, NodePtr r, const ExprSettings* settings) {
    std::vector<NodePtr> a;
    switch (op) {
        case Op::Concat:
        case Op::ConcatTrim:
            return std::make_unique<Concat>(std::move(l), std::move(r), op == Op::ConcatTrim);
        case Op::And:
        case Op::Or: {
            a.push_back(std::move(l));
            a.push_back(std::move(r));
            return std::make_unique<AndOr>(op == Op::And, std::move(a));
        }
        default:
            break;
    }
    bool text = l->type == ValueType::Character;
    ValueType t = l->type;
    a.push_back(std::move(l));
    a.push_back(std::move(r));
    switch (op) {
        case Op::Eq:
        case Op::ExactEq:
        case Op::Ne:
        case Op::Lt:
        case Op::Le:
        case Op::Gt:
        case Op::Ge:
        case Op::Contains:
            if (text) return std::make_unique<CompareText>(op, std::move(a), settings);
            return std::make_unique<CompareValue>(op, std::move(a));
        case Op::DateAdd:
            // n + date is stored as date + n.
            if (t != ValueType::Date) std::swap(a[0], a[1]);
            return std::make_unique<Arith>(op, ValueType::Date, std::move(a));
        case Op::DateSub:
            return std::make_unique<Arith>(op, ValueType::Date, std::move(a));
        default:
            return std::make_unique<Arith>(op, ValueType::Numeric, std::move(a));
    }
}

NodePtr makeNot(NodePtr x) {
    std::vector<NodePtr> a;
    a.push_back(std::move(x));
    return std::make_unique<Not>(std::move(a));
}

NodePtr makeNegate(NodePtr x) {
    std::vector<NodePtr> a;
    a.push_back(std::move(x));
    return std::make_unique<Negate>(std::move(a));
}

NodePtr makeCall(Fn fn, std::vector<NodePtr> args, ValueType result, uint32_t width,
                 const ExprSettings* settings) {
    NodePtr n;
    if (fn == Fn::Upper || fn == Fn::Lower) {
        const uint8_t* table =
            fn == Fn::Upper ? upperTable(settings->codePage) : lowerTable(settings->codePage);
        n = std::make_unique<CaseMap>(std::move(args), table, fn == Fn::Upper);
    } else {
        n = std::make_unique<Call>(fn, result, std::move(args), settings);
    }
    n->width = width;
    return n;
}

NodePtr fold(NodePtr n) {
    if (n->isLiteral() || n->args.empty() || !n->pure()) return n;
    for (const auto& a : n->args)
        if (!a->isLiteral()) return n;
    RecordRef none;
    NodePtr lit;
    switch (n->type) {
        case ValueType::Character: {
            std::string_view v = n->str(none);
            // Long constants stay unfolded: copying them at every step of a
            // chain like SPACE(60000)+'x'+'x'+... would be quadratic, while
            // unfolded nodes run into the depth bound.
            if (v.size() > kMaxFoldedString) return n;
            lit = makeString(std::string(v));
            break;
        }
        case ValueType::Numeric:
            lit = makeNumber(n->num(none));
            break;
        case ValueType::Date:
            lit = std::make_unique<Literal>(ValueType::Date, n->num(none), false);
            break;
        case ValueType::Logical:
            lit = makeLogical(n->logic(none));
            break;
    }
    if (n->type == ValueType::Character) lit->width = n->width;  // keeps the key width
    return lit;
}

}  // namespace pc::xbase::expr
