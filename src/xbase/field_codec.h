#pragma once
// Values of fields inside raw record bytes: reading them as text, numbers,
// logicals and dates, and writing text into them by the field's type.
#include <optional>
#include <string>
#include <string_view>

#include "xbase/field_def.h"

namespace pc::xbase {

// The field's bytes as they stand.
std::string_view fieldBytes(const char* record, const FieldDef& f);
// Text without trailing blanks, in the table's code page. For I, B, Y, T
// fields of other programs a readable rendering ("123", "1.5", "12.3400",
// "20240131 13:45:00"). For M fields the block pointer text.
std::string fieldText(const char* record, const FieldDef& f);
// N/F (also I, B, Y): the number; nullopt when blank or not a number.
std::optional<double> fieldNumber(const char* record, const FieldDef& f);
// L: T/t/Y/y true, F/f/N/n false, anything else (blank, '?') unset.
std::optional<bool> fieldLogical(const char* record, const FieldDef& f);
// D: "YYYYMMDD" or "" when blank.
std::string fieldDate(const char* record, const FieldDef& f);
// M: first memo block (10 ASCII digits in FoxPro 2.x / dBASE, 4-byte LE in
// Visual FoxPro's 4-wide memo fields); 0 when none.
uint32_t fieldMemoBlock(const char* record, const FieldDef& f);
void setFieldMemoBlock(char* record, const FieldDef& f, uint32_t block);

// Stores text (table code page) into a field by its type:
// C: cut or blank-padded; N/F: the number parsed and written right-aligned
// with the field's decimals (blank text gives a blank field); L: "T", "Y",
// ".T.", "true", "1" (any case) give T, "F", "N", ".F.", "false", "0" give F,
// blank gives a blank; D: "YYYYMMDD" or blank. Returns false (and leaves the
// field unchanged) when the text does not fit the type, e.g. "abc" for N, a
// number too wide for the field, or an invalid date. M fields are not
// handled here (DbfTable::setMemoText).
bool setFieldText(char* record, const FieldDef& f, std::string_view text);
bool setFieldNumber(char* record, const FieldDef& f, double value);
void setFieldLogical(char* record, const FieldDef& f, std::optional<bool> value);

// Whether the engine can read and write the type (C N F L D M); other types
// are read as text only.
bool isWritableType(char type);
// Whether the engine knows the type at all (adds I B Y T G P W V Q @ + 0 ...).
bool isKnownType(char type);

}  // namespace pc::xbase
