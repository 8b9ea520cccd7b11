#pragma once
// Byte layout of a .DBF header and its field descriptors. The one place that
// knows the offsets; DbfTable works on the parsed form.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "xbase/byte_order.h"
#include "xbase/field_def.h"
#include "xbase/memo_file.h"

namespace pc::xbase::dbf {

constexpr uint32_t kHeaderSize = 32;
constexpr uint32_t kDescriptorSize = 32;
constexpr uint32_t kCountOffset = 4;
constexpr uint32_t kHeaderLengthOffset = 8;
constexpr uint32_t kRecordLengthOffset = 10;
constexpr uint32_t kFlagsOffset = 28;
constexpr uint32_t kCodePageOffset = 29;
constexpr uint8_t kDescriptorEnd = 0x0D;
constexpr uint8_t kEndOfFile = 0x1A;
constexpr uint8_t kFlagStructuralIndex = 0x01;

constexpr uint8_t kTypeFoxPro = 0x03;  // also dBASE III without memo
constexpr uint8_t kTypeFoxProMemo = 0xF5;
constexpr uint8_t kCodePage1252 = 0x03;

using xbase::le16;
using xbase::le32;
using xbase::putLe16;
using xbase::putLe32;

// What the header and descriptors say, checked for consistency.
struct Layout {
    uint8_t type = 0;
    uint32_t count = 0;
    uint16_t headerLength = 0;
    uint16_t recordLength = 0;
    uint8_t flags = 0;
    uint8_t codePageMark = 0;
    std::vector<FieldDef> fields;
};

// Parses the header of a table file of `size` bytes. Throws Error naming
// `path` when the header is not a DBF header or contradicts itself. Does not
// check the record area against the file size.
Layout parseHeader(const uint8_t* data, uint64_t size, const std::string& path);

// Header bytes for a new FoxPro 2.x table: 32 bytes, descriptors, 0x0D.
std::string buildHeader(const std::vector<FieldDef>& fields, uint8_t type, uint8_t codePageMark);

// Writes today's date into header bytes 1-3.
void stampDate(uint8_t* header);

bool isVisualFoxPro(uint8_t type);
// Whether a field keeps its data in the memo file.
bool isMemoField(const FieldDef& f, uint8_t tableType);
// Memo files to look for, best first, for a table of this type.
std::vector<MemoKind> memoKindsFor(uint8_t tableType);

}  // namespace pc::xbase::dbf
