#pragma once
// One field of a table as the engine knows it.
#include <cstdint>
#include <string>

namespace pc::xbase {

struct FieldDef {
    std::string name;      // upper case ASCII, at most 10 characters
    char type = 'C';       // as stored: C N F L D M, and I B Y T G P ... from other programs
    uint16_t width = 0;    // bytes in the record
    uint8_t decimals = 0;  // N and F only
    uint32_t offset = 0;   // position in the record; byte 0 is the deletion flag
};

}  // namespace pc::xbase
