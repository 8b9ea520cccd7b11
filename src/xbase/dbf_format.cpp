#include "xbase/dbf_format.h"

#include <ctime>

#include "xbase/ascii_text.h"
#include "xbase/error.h"

namespace pc::xbase::dbf {
namespace {

// dBASE 7 tables keep a 32-byte language driver name after the header and
// use 48-byte descriptors with 32-byte names.
bool isDbase7(uint8_t type) {
    return type == 0x04 || type == 0x8C;
}

bool knownTableType(uint8_t type) {
    switch (type) {
        case 0x02:
        case 0x03:
        case 0x04:
        case 0x30:
        case 0x31:
        case 0x32:
        case 0x43:
        case 0x63:
        case 0x83:
        case 0x8B:
        case 0x8C:
        case 0x8E:
        case 0xCB:
        case 0xF5:
        case 0xFB:
            return true;
        default:
            return false;
    }
}

std::string hexByte(uint8_t b) {
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("0x") + kHex[b >> 4] + kHex[b & 15];
}

[[noreturn]] void damaged(const std::string& path, const std::string& why) {
    throw Error("Table " + path + " is damaged: " + why, ErrorKind::Damaged);
}

}  // namespace

bool isVisualFoxPro(uint8_t type) {
    return type == 0x30 || type == 0x31 || type == 0x32;
}

bool isMemoField(const FieldDef& f, uint8_t tableType) {
    switch (f.type) {
        case 'M':
        case 'G':
        case 'P':
            return true;
        case 'B':  // dBASE binary memo; Visual FoxPro's B is an 8-byte double
            return !isVisualFoxPro(tableType) && f.width == 10;
        default:
            return false;
    }
}

std::vector<MemoKind> memoKindsFor(uint8_t tableType) {
    switch (tableType) {
        case 0x83:
            return {MemoKind::Dbt3, MemoKind::Fpt};
        case 0x8B:
        case 0x8C:
        case 0x8E:
        case 0xCB:
            return {MemoKind::Dbt4, MemoKind::Fpt};
        default:
            return {MemoKind::Fpt, MemoKind::Dbt4};
    }
}

Layout parseHeader(const uint8_t* data, uint64_t size, const std::string& path) {
    if (size < kHeaderSize + 1)
        throw Error("File " + path + " is not a DBF table: it is too short", ErrorKind::Damaged);
    Layout l;
    l.type = data[0];
    if (!knownTableType(l.type))
        throw Error(
            "File " + path + " is not a DBF table (unknown type byte " + hexByte(l.type) + ")",
            ErrorKind::Damaged);
    l.count = le32(data + kCountOffset);
    l.headerLength = le16(data + kHeaderLengthOffset);
    l.recordLength = le16(data + kRecordLengthOffset);
    l.flags = data[kFlagsOffset];
    l.codePageMark = data[kCodePageOffset];

    const uint32_t first = isDbase7(l.type) ? 68 : kHeaderSize;
    const uint32_t descSize = isDbase7(l.type) ? 48 : kDescriptorSize;
    const uint32_t nameSize = isDbase7(l.type) ? 32 : 11;
    const uint32_t widthAt = isDbase7(l.type) ? 33 : 16;
    if (l.headerLength < first + 1)
        damaged(path, "header length " + std::to_string(l.headerLength) + " is too small");
    if (l.headerLength > size)
        damaged(path, "header length " + std::to_string(l.headerLength) +
                          " is beyond the end of the file");
    if (l.recordLength < 2) damaged(path, "record length " + std::to_string(l.recordLength));

    uint32_t pos = first;
    bool terminated = false;
    while (pos < l.headerLength) {
        if (data[pos] == kDescriptorEnd) {
            terminated = true;
            break;
        }
        if (pos + descSize > l.headerLength)
            damaged(path, "field descriptors run past the header length");
        const uint8_t* d = data + pos;
        FieldDef f;
        for (uint32_t i = 0; i < nameSize && d[i] != 0; ++i) {
            uint8_t c = d[i];
            if (c <= 0x20 || c >= 0x7F)
                damaged(path,
                        "field " + std::to_string(l.fields.size() + 1) + " has an invalid name");
            f.name += upperAscii(c);
        }
        if (f.name.empty())
            damaged(path, "field " + std::to_string(l.fields.size() + 1) + " has no name");
        f.type = char(d[nameSize]);
        if (uint8_t(f.type) < 0x20 || uint8_t(f.type) >= 0x7F)
            damaged(path, "field " + f.name + " has an invalid type");
        f.width = d[widthAt];
        f.decimals = d[widthAt + 1];
        if (f.width == 0) damaged(path, "field " + f.name + " has width 0");
        l.fields.push_back(std::move(f));
        pos += descSize;
    }
    // Some writers fill the header exactly and leave out the 0x0D.
    if (!terminated && pos != l.headerLength) damaged(path, "field list is not terminated");
    if (l.fields.empty()) damaged(path, "it has no fields");

    auto total = [&](bool wideChars) {
        uint64_t sum = 1;
        for (const FieldDef& f : l.fields)
            sum += (wideChars && f.type == 'C') ? f.width + 256u * f.decimals : f.width;
        return sum;
    };
    uint64_t sum = total(false);
    if (sum != l.recordLength) {
        // Clipper-style tables keep the high byte of a wide C field's width in
        // its decimals byte.
        if (!isVisualFoxPro(l.type) && total(true) == l.recordLength) {
            for (FieldDef& f : l.fields) {
                if (f.type != 'C') continue;
                f.width = uint16_t(f.width + 256u * f.decimals);
                f.decimals = 0;
            }
        } else {
            damaged(path, "record length " + std::to_string(l.recordLength) +
                              " does not match its fields (" + std::to_string(sum) + ")");
        }
    }
    uint32_t offset = 1;
    for (FieldDef& f : l.fields) {
        f.offset = offset;
        offset += f.width;
    }
    return l;
}

std::string buildHeader(const std::vector<FieldDef>& fields, uint8_t type, uint8_t codePageMark) {
    uint32_t headerLength = kHeaderSize + kDescriptorSize * uint32_t(fields.size()) + 1;
    uint32_t recordLength = 1;
    for (const FieldDef& f : fields) recordLength += f.width;
    std::string bytes(headerLength, '\0');
    auto* h = reinterpret_cast<uint8_t*>(bytes.data());
    h[0] = type;
    stampDate(h);
    putLe16(h + kHeaderLengthOffset, uint16_t(headerLength));
    putLe16(h + kRecordLengthOffset, uint16_t(recordLength));
    h[kCodePageOffset] = codePageMark;
    uint8_t* d = h + kHeaderSize;
    for (const FieldDef& f : fields) {
        for (size_t i = 0; i < f.name.size() && i < 10; ++i) d[i] = uint8_t(f.name[i]);
        d[11] = uint8_t(f.type);
        putLe32(d + 12, f.offset);
        d[16] = uint8_t(f.width);
        d[17] = f.decimals;
        d += kDescriptorSize;
    }
    *d = kDescriptorEnd;
    return bytes;
}

void stampDate(uint8_t* header) {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    header[1] = uint8_t(tm.tm_year % 256);
    header[2] = uint8_t(tm.tm_mon + 1);
    header[3] = uint8_t(tm.tm_mday);
}

}  // namespace pc::xbase::dbf
