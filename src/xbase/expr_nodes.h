#pragma once
// The compiled form of an expression: a tree of typed nodes. Character nodes
// return views (into the record, a literal or the node's own scratch buffer)
// so that evaluating a record allocates nothing once the buffers have grown.
// A tree is therefore evaluated by one thread at a time.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/expression.h"

namespace pc::xbase::expr {

// Upper bound for strings that functions build (SPACE, REPLICATE, PADL, STR):
// keeps hostile expressions from asking for gigabytes.
constexpr size_t kMaxBuiltString = 65535;
// Longest character constant computed at compile time.
constexpr size_t kMaxFoldedString = 4096;

class Node;
using NodePtr = std::unique_ptr<Node>;

class Node {
  public:
    Node(ValueType t, std::vector<NodePtr> a = {});
    virtual ~Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    const ValueType type;
    uint32_t width = 0;  // fixed width of a character result (its key length)
    int depth = 1;       // height of the tree below, bounded by the parser
    std::vector<NodePtr> args;

    // False when the result depends on more than the arguments (record,
    // clock, settings read at evaluation time): such nodes are never folded.
    virtual bool pure() const { return true; }
    virtual bool isLiteral() const { return false; }

    virtual std::string_view str(const RecordRef&) const { return {}; }
    // At least the first n bytes of str(), or all of it when shorter: enough
    // for a comparison that stops at the right side's length.
    virtual std::string_view strPrefix(const RecordRef& r, size_t) const { return str(r); }
    virtual void appendStr(const RecordRef& r, std::string& out) const;
    virtual double num(const RecordRef&) const { return 0; }  // Julian day for dates
    virtual bool logic(const RecordRef&) const { return false; }
};

enum class Op : uint8_t {
    Add,
    Sub,
    Mul,
    Div,
    Mod,
    Pow,
    Concat,
    ConcatTrim,  // + and - on strings
    DateAdd,
    DateSub,
    DateDiff,  // date + n, date - n, date - date
    Eq,
    ExactEq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    Contains,
    And,
    Or,
};

enum class Fn : uint8_t {
    Upper,
    Lower,
    Deleted,
    Recno,
    Empty,
    Left,
    Right,
    Substr,
    Trim,
    Ltrim,
    Alltrim,
    Str,
    Val,
    Dtos,
    Dtoc,
    Ctod,
    Iif,
    Len,
    Space,
    Replicate,
    At,
    Chr,
    Asc,
    Date,
    Year,
    Month,
    Day,
    Abs,
    Int,
    Round,
    Max,
    Min,
    Between,
    Inlist,
    Padl,
    Padr,
    Padc,
    Isnull,
    Transform,
};

NodePtr makeString(std::string bytes);
NodePtr makeNumber(double v);
NodePtr makeLogical(bool v);
// Null for a field type expressions cannot read.
NodePtr makeField(const FieldDef& f, int index);
// Operand types must already have been checked.
NodePtr makeBinary(Op op, NodePtr l, NodePtr r, const ExprSettings* settings);
NodePtr makeNot(NodePtr x);
NodePtr makeNegate(NodePtr x);
NodePtr makeCall(Fn fn, std::vector<NodePtr> args, ValueType result, uint32_t width,
                 const ExprSettings* settings);
// Replaces a pure node whose arguments are all literals by its value.
NodePtr fold(NodePtr n);

// Helpers shared with the parser (widths) and tests.
std::string dateToText(double julian, const ExprSettings& s);     // DTOC
double textToDate(std::string_view text, const ExprSettings& s);  // CTOD
// STR(): right-aligned in len, rounded half away from zero, '*' on overflow.
void formatStr(double v, int len, int dec, std::string& out);
double roundHalfAway(double v, int dec);

}  // namespace pc::xbase::expr
