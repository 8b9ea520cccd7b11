#include "cli/csv_reader.h"

#include "xbase/error.h"

namespace pc::cli {
namespace {

using pc::xbase::Error;

[[noreturn]] void fail(int line, const std::string& what) {
    throw Error("CSV line " + std::to_string(line) + ": " + what);
}

// Checks UTF-8 well-formedness; returns the offset of the first bad byte or
// npos.
size_t firstInvalidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > s.size()) return i;
        unsigned cp = c & (0x7F >> len);
        for (size_t k = 1; k < len; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return i;
            cp = (cp << 6) | (d & 0x3F);
        }
        static const unsigned kMin[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return i;
        i += len;
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<CsvRow> parseCsv(std::string_view text) {
    if (text.size() >= 2 &&
        ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF'))) {
        throw Error("CSV line 1: the file is UTF-16; save it as UTF-8");
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    // Validate the whole text once, so the line of a bad byte can be named.
    if (size_t bad = firstInvalidUtf8(text); bad != std::string_view::npos) {
        int line = 1;
        for (size_t k = 0; k < bad; ++k) {
            if (text[k] == '\n' || (text[k] == '\r' && (k + 1 >= bad || text[k + 1] != '\n'))) {
                ++line;
            }
        }
        fail(line, "not valid UTF-8 text");
    }

    std::vector<CsvRow> rows;
    CsvRow row;
    std::string field;
    int line = 1;
    size_t i = 0;
    const size_t n = text.size();
    bool rowHasContent = false;  // distinguishes a blank line from a row of one empty field

    auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
    };
    auto endRow = [&] {
        endField();
        if (rowHasContent) rows.push_back(std::move(row));
        row = CsvRow{};
        rowHasContent = false;
    };
    // Consumes a line break at i if there is one; returns whether it did.
    auto lineBreak = [&]() -> bool {
        if (text[i] == '\r') {
            i += (i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
        } else if (text[i] == '\n') {
            ++i;
        } else {
            return false;
        }
        ++line;
        return true;
    };

    row.line = line;
    while (i < n) {
        if (row.fields.empty() && field.empty() && !rowHasContent) row.line = line;
        char c = text[i];
        if (c == '\0') fail(line, "NUL byte in the text");
        if (c == '"') {
            if (!field.empty()) fail(line, "quote inside an unquoted field");
            rowHasContent = true;
            int startLine = line;
            ++i;
            for (;;) {
                if (i >= n) fail(startLine, "quoted field is not closed");
                if (text[i] == '\0') fail(line, "NUL byte in the text");
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= n || text[i + 1] != '\n'))) {
                    ++line;
                }
                field.push_back(text[i++]);
            }
            if (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                fail(line, "unexpected text after a closing quote");
            }
            continue;
        }
        if (c == ',') {
            rowHasContent = true;
            endField();
            ++i;
            continue;
        }
        if (lineBreak()) {
            endRow();
            continue;
        }
        rowHasContent = true;
        field.push_back(c);
        ++i;
    }
    if (rowHasContent || !row.fields.empty()) endRow();
    return rows;
}

std::vector<CsvRow> parseCsvTable(std::string_view text) {
    std::vector<CsvRow> rows = parseCsv(text);
    if (rows.empty()) throw Error("CSV file is empty; the first row must name the fields");
    const size_t width = rows.front().fields.size();
    for (const CsvRow& row : rows) {
        if (row.fields.size() != width) {
            fail(row.line, std::to_string(row.fields.size()) + " fields, but the header has " +
                               std::to_string(width));
        }
    }
    return rows;
}

}  // namespace pc::cli
