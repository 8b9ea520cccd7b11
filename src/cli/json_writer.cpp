#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

namespace pc::cli {
namespace {

// Length of the valid UTF-8 sequence at s[i], 0 when it is not one.
size_t utf8SequenceLength(std::string_view s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    size_t len;
    unsigned min;
    unsigned cp;
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) {
        len = 2, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// Drops zeros after a decimal point ("10.50" -> "10.5", "3.00" -> "3") and
// turns "-0" into "0".
void trimFraction(std::string& s) {
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            size_t len = utf8SequenceLength(text, i);
            if (len == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(text.substr(i, len));
                i += len;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out.push_back(kHex[c >> 4]);
                    out.push_back(kHex[c & 15]);
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
        ++i;
    }
    out.push_back('"');
}

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    appendJsonString(out, text);
    return out;
}

std::string formatDecimal(double value, int decimals) {
    if (!std::isfinite(value)) return "null";
    if (decimals < 0) decimals = 0;
    if (decimals > 30) decimals = 30;
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return "null";
    std::string s(buf, res.ptr);
    trimFraction(s);
    return s;
}

std::string jsonNumber(std::string_view stored, double value, int decimals) {
    size_t b = stored.find_first_not_of(" \0", 0, 2);
    if (b == std::string_view::npos) return "null";
    size_t e = stored.find_last_not_of(" \0", std::string_view::npos, 2);
    std::string_view t = stored.substr(b, e - b + 1);

    // Accept [sign] digits [. digits] (either side may be empty, not both);
    // anything else (exponents, overflow stars) goes through the double.
    std::string s;
    size_t i = 0;
    if (t[0] == '-' || t[0] == '+') {
        if (t[0] == '-') s.push_back('-');
        ++i;
    }
    size_t intStart = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    std::string_view intPart = t.substr(intStart, i - intStart);
    std::string_view fracPart;
    bool point = i < t.size() && t[i] == '.';
    if (point) {
        size_t f = ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        fracPart = t.substr(f, i - f);
    }
    if (i != t.size() || (intPart.empty() && fracPart.empty())) {
        return formatDecimal(value, decimals);
    }
    size_t nz = intPart.find_first_not_of('0');
    s += nz == std::string_view::npos ? std::string_view("0") : intPart.substr(nz);
    if (!fracPart.empty()) {
        s.push_back('.');
        s.append(fracPart);
    }
    trimFraction(s);
    return s;
}

}  // namespace pc::cli
