// The CLI's own parsers and formatters, tested directly.
#include <gtest/gtest.h>

#include <limits>

#include "cli/csv_reader.h"
#include "cli/json_writer.h"
#include "xbase/error.h"

namespace pc::cli {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows fieldsOf(const std::vector<CsvRow>& rows) {
    Rows out;
    for (const CsvRow& r : rows) out.push_back(r.fields);
    return out;
}

std::string csvError(std::string_view text) {
    try {
        parseCsvTable(text);
    } catch (const pc::xbase::Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(CsvReader, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
    auto rows = parseCsv("NAME,NOTE\r\n\"Smith, John\",\"said \"\"hi\"\"\r\nand left\"\r\nx,\r\n");
    EXPECT_EQ(fieldsOf(rows),
              (Rows{{"NAME", "NOTE"}, {"Smith, John", "said \"hi\"\r\nand left"}, {"x", ""}}));
    EXPECT_EQ(rows[1].line, 2);
    EXPECT_EQ(rows[2].line, 4);  // the quoted line break counts
}

TEST(CsvReader, LineEndingsBomBlankLinesAndEmptyFields) {
    EXPECT_EQ(fieldsOf(parseCsv("\xEF\xBB\xBF"
                                "A,B\n1,2")),
              (Rows{{"A", "B"}, {"1", "2"}}));
    EXPECT_EQ(fieldsOf(parseCsv("A,B\r1,2\r")), (Rows{{"A", "B"}, {"1", "2"}}));
    EXPECT_EQ(fieldsOf(parseCsv("A,B\n\n\n,\n\"\",x\n")), (Rows{{"A", "B"}, {"", ""}, {"", "x"}}));
    EXPECT_EQ(fieldsOf(parseCsv("Zoë,Müller\n")), (Rows{{"Zoë", "Müller"}}));
    EXPECT_TRUE(parseCsv("").empty());
}

TEST(CsvReader, MalformedInputNamesTheLine) {
    EXPECT_EQ(csvError("A,B\n1,\"open\n2,3\n"), "CSV line 2: quoted field is not closed");
    EXPECT_EQ(csvError("A,B\n1,2\n3,x\"y\n"), "CSV line 3: quote inside an unquoted field");
    EXPECT_EQ(csvError("A,B\n\"1\"x,2\n"), "CSV line 2: unexpected text after a closing quote");
    EXPECT_EQ(csvError("A,B\n1,2\n3\n"), "CSV line 3: 1 fields, but the header has 2");
    EXPECT_EQ(csvError("A,B\n1,2\n3,\xFF\n"), "CSV line 3: not valid UTF-8 text");
    EXPECT_EQ(csvError("A,B\n1,\xC3(\n"), "CSV line 2: not valid UTF-8 text");
    EXPECT_EQ(csvError(std::string("A,B\n1,\0\n", 8)), "CSV line 2: NUL byte in the text");
    EXPECT_EQ(csvError("\xFF\xFE"
                       "A\0"),
              "CSV line 1: the file is UTF-16; save it as UTF-8");
    EXPECT_EQ(csvError("\n\n"), "CSV file is empty; the first row must name the fields");
}

TEST(JsonWriter, StringsAreEscapedAndStayValidUtf8) {
    EXPECT_EQ(jsonString("a\"b\\c/d"), R"("a\"b\\c/d")");
    EXPECT_EQ(jsonString("l1\nl2\r\t\x01\x1F"), R"("l1\nl2\r\t\u0001\u001f")");
    EXPECT_EQ(jsonString("Zoë Müller €"), "\"Zoë Müller €\"");
    // A stray byte, a cut sequence and an overlong form become U+FFFD.
    EXPECT_EQ(jsonString("a\xE9z"), "\"a\xEF\xBF\xBDz\"");
    EXPECT_EQ(jsonString("\xE2\x82"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(jsonString("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(jsonString(std::string("\0", 1)), R"("\u0000")");
}

TEST(JsonWriter, NumbersKeepTheStoredDigits) {
    EXPECT_EQ(jsonNumber("       10.50", 10.5, 2), "10.5");
    EXPECT_EQ(jsonNumber("       -0.01", -0.01, 2), "-0.01");
    EXPECT_EQ(jsonNumber("  1234567.89", 1234567.89, 2), "1234567.89");
    EXPECT_EQ(jsonNumber("        0.00", 0, 2), "0");
    EXPECT_EQ(jsonNumber("       -0.00", 0, 2), "0");
    EXPECT_EQ(jsonNumber("   100", 100, 0), "100");
    EXPECT_EQ(jsonNumber("  007", 7, 0), "7");
    EXPECT_EQ(jsonNumber("   .5", 0.5, 1), "0.5");
    EXPECT_EQ(jsonNumber("  +3.", 3, 0), "3");
    EXPECT_EQ(jsonNumber("123456789012345678", 0, 0), "123456789012345678");
    EXPECT_EQ(jsonNumber("      ", 0, 2), "null");
    // Text that is not a plain decimal goes through the value.
    EXPECT_EQ(jsonNumber("1.5e3", 1500, 2), "1500");
    EXPECT_EQ(jsonNumber("****", 0.25, 2), "0.25");
    EXPECT_EQ(formatDecimal(std::numeric_limits<double>::infinity(), 2), "null");
    EXPECT_EQ(formatDecimal(-12.3456, 2), "-12.35");
}

}  // namespace
}  // namespace pc::cli
