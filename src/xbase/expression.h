#pragma once
// The xBase expression language, compiled once and evaluated per record: index
// keys, queries and filters all go through it.
//
// Language: field names (any case; ALIAS->FIELD accepted and the alias
// ignored), "..." '...' [...] strings, numbers, .T./.F., + and - on strings
// (- moves the left side's trailing blanks to the end) and numbers, * / % ^,
// $ (contained in), = (prefix match while exact is off), ==, <> # !=, < <= >
// >=, .AND. .OR. .NOT. ! and the dotless AND OR NOT in any case, parentheses,
// and the functions UPPER LOWER DELETED RECNO EMPTY LEFT RIGHT SUBSTR TRIM
// RTRIM LTRIM ALLTRIM STR VAL DTOS DTOC CTOD IIF LEN SPACE REPLICATE AT CHR
// ASC DATE YEAR MONTH DAY ABS INT ROUND MAX MIN BETWEEN INLIST PADL PADR
// PADC TRANSFORM(x) ISNULL.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/field_def.h"
#include "xbase/key_codec.h"

namespace pc::xbase {

enum class ValueType : uint8_t { Character, Numeric, Date, Logical };

// Memo text for expressions that read memo fields.
class MemoSource {
  public:
    virtual ~MemoSource() = default;
    virtual std::string memoText(const char* record, uint32_t recno, int field) const = 0;
};

// The record an expression is evaluated on.
struct RecordRef {
    const char* data = nullptr;  // raw record, deletion flag first
    uint32_t recno = 0;
    const MemoSource* memo = nullptr;  // may be null: memo fields then read ""
};

// Settings that change what an expression yields; the work area owns one
// and passes it at compile time, so later changes (SET EXACT) take effect.
struct ExprSettings {
    bool exact = false;                     // = compares whole strings (after trailing blanks)
    bool century = true;                    // DTOC gives four-digit years
    std::string dateFormat = "MM/DD/YYYY";  // DTOC/CTOD layout: MM DD YY/YYYY in any order
    int codePage = 1252;                    // for UPPER/LOWER and for literals given in UTF-8
};

struct Value {
    ValueType type = ValueType::Logical;
    std::string text;   // Character: raw bytes in the table's code page
    double number = 0;  // Numeric; Date: Julian day (0 = empty date)
    bool logical = false;
};

// Evaluation reuses scratch buffers inside the expression, so evaluate one
// Expression from one thread at a time.
// What an expression reads of a record, so a caller can tell when a change
// to the record cannot change the expression's value.
struct ExprReads {
    std::vector<int> fields;    // indexes of the fields it reads
    bool deletionMark = false;  // DELETED()
    bool varies = false;        // memo text or DATE(): may change while the record bytes do not
};

class Expression {
  public:
    // Compiles against a table's fields. Literals in the text are UTF-8 and
    // are converted to the settings' code page. Returns null and sets *error
    // (e.g. "Unknown field or function: FOO", "Syntax error at position 7")
    // for anything malformed; never throws, never loops.
    static std::unique_ptr<Expression> compile(std::string_view text,
                                               const std::vector<FieldDef>& fields,
                                               const ExprSettings* settings, std::string* error);
    virtual ~Expression() = default;

    virtual const std::string& text() const = 0;
    virtual const ExprReads& reads() const = 0;
    virtual ValueType type() const = 0;
    // Index key length: a character result's fixed width (e.g. 60 for
    // UPPER(LNAME)+UPPER(FNAME) with two 30-wide fields; TRIM keeps its
    // argument's width), 8 for numeric and date, 1 for logical.
    virtual uint16_t keyLength() const = 0;
    KeyType keyType() const;

    // Evaluation throws Error only when a memo the expression reads is
    // damaged (the memo source says which record and field).
    virtual Value evaluate(const RecordRef& rec) const = 0;
    // Fast paths. evalLogical on a non-logical expression is false.
    virtual bool evalLogical(const RecordRef& rec) const = 0;
    // Writes keyLength() bytes: character padded with blanks (or cut),
    // numeric/date by encodeNumericKey, logical 'T'/'F'.
    virtual void evalKey(const RecordRef& rec, uint8_t* out) const = 0;
};

// A string literal for an expression that stands for exactly the given text,
// whatever quotes it holds: "..." when it has no double quote, else '...',
// else [...], else pieces joined with +.
std::string quoteLiteral(std::string_view text);

}  // namespace pc::xbase
