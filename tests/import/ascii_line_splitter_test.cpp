// Cutting lines of a comma-delimited file: the quote tracking the import
// has always had, its buffers, and the text file's line ends and encodings.
#include "import/ascii_line_splitter.h"

#include <gtest/gtest.h>

#include <QFile>

#include "import/csv_values.h"
#include "import/import_text_file.h"
#include "qstring_printer.h"
#include "test_support.h"

namespace pc::test {
namespace {

using import::splitAndClean;

QStringList split(const char* line) {
    return splitAndClean(QString::fromUtf8(line));
}

TEST(CsvValuesTest, DoubledQuotesStandForOneAndCommasInQuotesStay) {
    using import::splitCsvValues;
    EXPECT_EQ(splitCsvValues("\"\"\"Chief\"\" Editor\",\"\",x"),
              QStringList({"\"Chief\" Editor", "", "x"}));
    EXPECT_EQ(splitCsvValues("a,\"b,c\",d,"), QStringList({"a", "b,c", "d", ""}));
    EXPECT_EQ(splitCsvValues(""), QStringList({""}));
    // Unbalanced quotes run to the end of the line; text after a closing quote stays.
    EXPECT_EQ(splitCsvValues("\"open,still"), QStringList({"open,still"}));
    EXPECT_EQ(splitCsvValues("\"a\"b,c"), QStringList({"ab", "c"}));
    EXPECT_EQ(splitCsvValues("x\"y\",z"), QStringList({"x\"y\"", "z"}));
    // The buffers of the plain import bound it as well.
    EXPECT_EQ(splitCsvValues(QString(300, u',')).size(), import::kMaxColumns);
    EXPECT_EQ(splitCsvValues(QString(400, u'v')).front().size(), import::kValueBufferSize);
}

TEST(AsciiLineSplitterTest, QuotesCommasAndEmptyValues) {
    EXPECT_EQ(split(R"(a,"b,c",d)"), (QStringList{"a", "b,c", "d"}));
    EXPECT_EQ(split(R"(a,"",b)"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(split("a,b,"), (QStringList{"a", "b", ""}));
    EXPECT_EQ(split(""), (QStringList{""}));
    // A lone quote is a value of its own two ends: it becomes empty.
    EXPECT_EQ(split("\""), (QStringList{""}));
    EXPECT_EQ(split(R"(a,"")"), (QStringList{"a", ""}));
}

TEST(AsciiLineSplitterTest, DoubledQuotesStayAndUpsetTheTracking) {
    // As the last value, both quote characters stay.
    EXPECT_EQ(split(R"(a,b,"x""y")"), (QStringList{"a", "b", R"(x""y)"}));
    // Followed by more values, the closing quote re-opens quoting: the value
    // runs on to the end of the line and keeps its enclosing quotes.
    EXPECT_EQ(split(R"("x""y",b,c)"), (QStringList{R"("x""y",b,c)"}));
    // ... or to the next quote of the line.
    EXPECT_EQ(split(R"("x""y",b",c)"), (QStringList{R"(x""y",b)", "c"}));
}

TEST(AsciiLineSplitterTest, ProtectedCommasAndRawLengths) {
    const QString raw = import::ProtectQuotedCommas(QStringLiteral("a,\"b,c\",d"));
    EXPECT_EQ(raw.count(QChar(import::kProtectedComma)), 1);
    EXPECT_EQ(import::SplitLine(raw).size(), 3);
    // A character 127 in the file reads as a comma, as it always has.
    EXPECT_EQ(import::cleanValue(QString(QChar(127))), ",");
}

TEST(AsciiLineSplitterTest, BuffersCutLinesValuesAndColumns) {
    // Characters past 2048 are ignored.
    const QString longLine = QString(2040, 'a') + ",bbbbbbbbbbbb";
    const QStringList values = splitAndClean(longLine);
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[1], "bbbbbbb");
    // A value keeps 255 characters.
    EXPECT_EQ(splitAndClean(QString(300, 'x')).front().size(), 255);
    // Values past the 255th are ignored.
    QStringList many;
    for (int i = 0; i < 300; ++i) many << QString::number(i);
    EXPECT_EQ(splitAndClean(many.join(',')).size(), 255);
    // A cut never leaves half of a character behind.
    const QString emoji = QString(254, 'x') + QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(splitAndClean(emoji).front(), QString(254, 'x'));
}

QStringList linesOf(const QByteArray& bytes, import::TextEncoding* encoding = nullptr,
                    int* counted = nullptr) {
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("lines.txt"));
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    import::ImportTextFile file;
    EXPECT_TRUE(file.open(path));
    QStringList lines;
    QString line;
    while (file.readLine(line)) lines << line;
    EXPECT_FALSE(file.failed());
    if (encoding) *encoding = file.encoding();
    if (counted) *counted = file.lineCount();
    return lines;
}

TEST(ImportTextFileTest, EveryLineEndAndAnUnendedLastLine) {
    int counted = 0;
    EXPECT_EQ(linesOf("a\r\nb\nc\rd", nullptr, &counted), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(counted, 4);
    EXPECT_EQ(linesOf("a\n\nb\n", nullptr, &counted), (QStringList{"a", "", "b"}));
    EXPECT_EQ(counted, 3);
    EXPECT_EQ(linesOf("\r\r\n", nullptr, &counted), (QStringList{"", ""}));
    EXPECT_EQ(counted, 2);
    EXPECT_TRUE(linesOf("", nullptr, &counted).isEmpty());
    EXPECT_EQ(counted, 0);
}

TEST(ImportTextFileTest, LinesLongerThanAReadChunk) {
    QByteArray big(200000, 'x');
    big += "\r\nnext";
    const QStringList lines = linesOf(big);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), 2048 * 4);  // the rest of the line is skipped unread
    EXPECT_EQ(lines[1], "next");
}

TEST(ImportTextFileTest, TellsUtf8FromWindows1252) {
    import::TextEncoding e{};
    EXPECT_EQ(linesOf("\xEF\xBB\xBFM\xC3\xBCller", &e), QStringList{QString::fromUtf8("Müller")});
    EXPECT_EQ(e, import::TextEncoding::Utf8WithBom);
    EXPECT_EQ(linesOf("M\xC3\xBCller\n\xD0\x98\xD0\xB2", &e),
              (QStringList{QString::fromUtf8("Müller"), QString::fromUtf8("Ив")}));
    EXPECT_EQ(e, import::TextEncoding::Utf8);
    EXPECT_EQ(linesOf("M\xFCller \x80", &e), QStringList{QString::fromUtf8("Müller €")});
    EXPECT_EQ(e, import::TextEncoding::Windows1252);
    // One stray byte late in the file makes it all Windows-1252.
    EXPECT_EQ(linesOf("\xC3\xBC\n\xFC", &e), (QStringList{QString::fromUtf8("Ã¼"), "ü"}));
    // Overlong forms are not UTF-8.
    linesOf("\xC0\xAF", &e);
    EXPECT_EQ(e, import::TextEncoding::Windows1252);
}

}  // namespace
}  // namespace pc::test
