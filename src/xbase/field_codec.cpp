#include "xbase/field_codec.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "xbase/ascii_text.h"
#include "xbase/number_text.h"
#include "xbase/xbase_date.h"

namespace pc::xbase {
namespace {

constexpr int64_t kMaxJulianDay = 5373484;  // 9999-12-31

int32_t readI32(const char* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);  // records are little-endian, like the hosts we run on
    return static_cast<int32_t>(v);
}
int64_t readI64(const char* p) {
    int64_t v;
    std::memcpy(&v, p, 8);
    return v;
}
double readF64(const char* p) {
    double v;
    std::memcpy(&v, p, 8);
    return v;
}

bool isBinary(const FieldDef& f) {
    switch (f.type) {
        case 'I':
            return f.width == 4;
        case 'B':
        case 'Y':
        case 'T':
            return f.width == 8;
        case 'M':
        case 'G':
        case 'P':
            return f.width == 4;
        default:
            return false;
    }
}

std::string shortest(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// Fixed-point text of v with `decimals` places; "-0.00" becomes "0.00".
std::string fixed(double v, int decimals) {
    // xBase rounds halves away from zero; nudge past the binary error of
    // values like 10.505 so they round the way they read.
    v += std::copysign(std::fabs(v) * 1e-15, v);
    char buf[400];
    int n = std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    if (n <= 0 || n >= int(sizeof buf)) return {};
    std::string s(buf, size_t(n));
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
    return s;
}

std::string twoDigits(int v) {
    return {char('0' + v / 10 % 10), char('0' + v % 10)};
}

std::string dateTimeText(int64_t jd, int64_t ms) {
    if (jd == 0 && ms == 0) return {};
    if (jd < 1 || jd > kMaxJulianDay) return {};
    std::string s = dtosFromJulian(jd);
    if (ms < 0 || ms >= 86400000) return s;
    int64_t secs = ms / 1000;
    return s + " " + twoDigits(int(secs / 3600)) + ":" + twoDigits(int(secs / 60 % 60)) + ":" +
           twoDigits(int(secs % 60));
}

}  // namespace

std::string_view fieldBytes(const char* record, const FieldDef& f) {
    return {record + f.offset, f.width};
}

std::string fieldText(const char* record, const FieldDef& f) {
    const char* p = record + f.offset;
    if (isBinary(f)) {
        switch (f.type) {
            case 'I':
                return std::to_string(readI32(p));
            case 'B':
                return f.decimals ? fixed(readF64(p), f.decimals) : shortest(readF64(p));
            case 'Y': {
                int64_t v = readI64(p);
                uint64_t mag = v < 0 ? 0 - uint64_t(v) : uint64_t(v);
                std::string frac = std::to_string(mag % 10000);
                return (v < 0 ? "-" : "") + std::to_string(mag / 10000) + "." +
                       std::string(4 - frac.size(), '0') + frac;
            }
            case 'T':
                return dateTimeText(readI32(p), readI32(p + 4));
            default: {  // 4-byte memo pointer
                uint32_t block = uint32_t(readI32(p));
                return block ? std::to_string(block) : std::string();
            }
        }
    }
    return std::string(trimPaddingRight({p, f.width}));
}

std::optional<double> fieldNumber(const char* record, const FieldDef& f) {
    const char* p = record + f.offset;
    switch (f.type) {
        case 'N':
        case 'F':
            return parseNumberText(p, f.width);
        case 'I':
            if (f.width == 4) return double(readI32(p));
            break;
        case 'B':
            if (f.width == 8) return readF64(p);
            break;
        case 'Y':
            if (f.width == 8) return double(readI64(p)) / 10000.0;
            break;
        default:
            break;
    }
    return std::nullopt;
}

std::optional<bool> fieldLogical(const char* record, const FieldDef& f) {
    switch (record[f.offset]) {
        case 'T':
        case 't':
        case 'Y':
        case 'y':
            return true;
        case 'F':
        case 'f':
        case 'N':
        case 'n':
            return false;
        default:
            return std::nullopt;
    }
}

std::string fieldDate(const char* record, const FieldDef& f) {
    const char* p = record + f.offset;
    if (f.type == 'T' && f.width == 8) {
        int64_t jd = readI32(p);
        return jd >= 1 && jd <= kMaxJulianDay ? dtosFromJulian(jd) : std::string();
    }
    if (f.width < 8) return {};
    std::string_view s(p, 8);
    if (s.find_first_not_of("0123456789") != std::string_view::npos) return {};
    if (s == "00000000") return {};
    return std::string(s);
}

uint32_t fieldMemoBlock(const char* record, const FieldDef& f) {
    const char* p = record + f.offset;
    if (f.width == 4) return uint32_t(readI32(p));
    std::string_view s = trimPadding({p, f.width});
    uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return 0;
        v = v * 10 + uint64_t(c - '0');
        if (v > 0xFFFFFFFFull) return 0;
    }
    return uint32_t(v);
}

void setFieldMemoBlock(char* record, const FieldDef& f, uint32_t block) {
    char* p = record + f.offset;
    if (f.width == 4) {
        std::memcpy(p, &block, 4);
        return;
    }
    std::memset(p, ' ', f.width);
    if (block == 0) return;
    std::string digits = std::to_string(block);
    if (digits.size() > f.width) digits.erase(0, digits.size() - f.width);
    std::memcpy(p + f.width - digits.size(), digits.data(), digits.size());
}

bool setFieldText(char* record, const FieldDef& f, std::string_view text) {
    char* p = record + f.offset;
    switch (f.type) {
        case 'C': {
            size_t n = std::min<size_t>(text.size(), f.width);
            std::memcpy(p, text.data(), n);
            std::memset(p + n, ' ', f.width - n);
            return true;
        }
        case 'N':
        case 'F': {
            std::string_view t = trimPadding(text);
            if (t.empty()) {
                std::memset(p, ' ', f.width);
                return true;
            }
            auto v = parseNumberText(t.data(), t.size());
            return v && setFieldNumber(record, f, *v);
        }
        case 'L': {
            std::string_view t = trimPadding(text);
            if (t.empty()) {
                *p = ' ';
                return true;
            }
            std::string u = upperAscii(t);
            if (u == "T" || u == "Y" || u == ".T." || u == "TRUE" || u == "1") {
                *p = 'T';
                return true;
            }
            if (u == "F" || u == "N" || u == ".F." || u == "FALSE" || u == "0") {
                *p = 'F';
                return true;
            }
            return false;
        }
        case 'D': {
            std::string_view t = trimPadding(text);
            if (f.width != 8) return false;
            if (t.empty()) {
                std::memset(p, ' ', 8);
                return true;
            }
            if (!parseDtos(t)) return false;
            std::memcpy(p, t.data(), 8);
            return true;
        }
        default:
            return false;
    }
}

bool setFieldNumber(char* record, const FieldDef& f, double value) {
    char* p = record + f.offset;
    if (!std::isfinite(value)) return false;
    switch (f.type) {
        case 'N':
        case 'F': {
            std::string s = fixed(value, f.decimals);
            if (s.empty() || s.size() > f.width) return false;
            std::memset(p, ' ', f.width - s.size());
            std::memcpy(p + f.width - s.size(), s.data(), s.size());
            return true;
        }
        case 'I': {
            if (f.width != 4 || value != std::trunc(value) || value < -2147483648.0 ||
                value > 2147483647.0)
                return false;
            uint32_t v = uint32_t(int32_t(value));
            std::memcpy(p, &v, 4);
            return true;
        }
        case 'B':
            if (f.width != 8) return false;
            std::memcpy(p, &value, 8);
            return true;
        case 'Y': {
            double scaled = std::round(value * 10000.0);
            if (f.width != 8 || std::fabs(scaled) >= 9.2e18) return false;
            int64_t v = int64_t(scaled);
            std::memcpy(p, &v, 8);
            return true;
        }
        default:
            return false;
    }
}

void setFieldLogical(char* record, const FieldDef& f, std::optional<bool> value) {
    record[f.offset] = value ? (*value ? 'T' : 'F') : ' ';
}

bool isWritableType(char type) {
    return std::strchr("CNFLDM", type) && type != '\0';
}

bool isKnownType(char type) {
    return type != '\0' && std::strchr("CNFLDMIBYTGPWVQ@+0O", type) != nullptr;
}

}  // namespace pc::xbase
