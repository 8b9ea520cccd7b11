#pragma once
// RFC 4180 CSV: comma-separated, fields optionally in double quotes, a quote
// inside a quoted field doubled. Quoted fields may hold commas and line
// breaks. Lines end in CRLF, LF or CR; a UTF-8 byte order mark is skipped.
#include <string>
#include <string_view>
#include <vector>

namespace pc::cli {

struct CsvRow {
    int line = 0;  // line on which the row starts, 1-based
    std::vector<std::string> fields;
};

// Parses a whole document. Blank lines are skipped. Throws pc::xbase::Error
// naming the line for unterminated quotes, stray quotes, text after a
// closing quote, NUL bytes, UTF-16 input and invalid UTF-8.
std::vector<CsvRow> parseCsv(std::string_view text);

// parseCsv, then checks that every row has as many fields as the first
// (the header). Throws pc::xbase::Error naming the line otherwise.
std::vector<CsvRow> parseCsvTable(std::string_view text);

}  // namespace pc::cli
