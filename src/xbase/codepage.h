#pragma once
// Text encodings of tables. Records hold single-byte text in the table's code
// page; the engine's callers speak UTF-8.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pc::xbase {

// Code page named by a DBF language-driver byte (header byte 29):
// 0x01 -> 437, 0x02 -> 850, 0x03 -> 1252, 0x64 -> 852, 0x65 -> 866,
// 0x66 -> 865, 0xC8 -> 1250, 0xC9 -> 1251, 0x04 -> 10000 (Mac Roman), ...
// 0 when the byte is 0 or unknown.
int codePageFromMark(uint8_t mark);
uint8_t markFromCodePage(int codePage);  // 0 when there is no mark for it

// Decodes table bytes to UTF-8. Code page 0 (unmarked) is read as 1252.
std::string toUtf8(std::string_view bytes, int codePage);
// Encodes UTF-8 for the table; characters the code page lacks become '?'.
// Invalid UTF-8 sequences also become '?'. A letter followed by a combining
// accent is stored as the composed letter when the code page has it.
std::string fromUtf8(std::string_view utf8, int codePage);

// What fromUtf8 would turn into '?': each such character once, in order of
// first appearance ("invalid UTF-8" for bytes that are no character; at
// most the first 20 different ones), and how many characters in all.
inline constexpr size_t kMaxUnstorableListed = 20;
struct UnstorableText {
    std::vector<std::string> characters;
    size_t count = 0;
    bool empty() const { return count == 0; }
};
UnstorableText unstorableCharacters(std::string_view utf8, int codePage);

// Upper/lower-case maps for single bytes of a code page (1252 and unmarked
// tables map the accented Latin letters too; other code pages ASCII only).
const uint8_t* upperTable(int codePage);
const uint8_t* lowerTable(int codePage);

}  // namespace pc::xbase
