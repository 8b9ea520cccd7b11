// Copy-out: the text line as designed and as RFC 4180, the memo rule, the
// table copy with its reopen check, and the refused targets.
#include "maintenance/copy_out.h"

#include <gtest/gtest.h>

#include <QFile>

#include "data/address_database.h"
#include "data/engine_setting_guards.h"
#include "utility_table.h"

namespace pc::maintenance::test {
namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CopyOutFormat, TextLineQuotesEachValueAndTheRfcOptionDoublesQuotes) {
    EXPECT_EQ(textExportFields().size(), 20);
    for (bool rfc : {false, true}) {
        std::string line;
        for (const char* value : {"O\"Brien", "", "a,b"}) appendExportValue(line, value, rfc);
        EXPECT_EQ(line, rfc ? "\"O\"\"Brien\",\"\",\"a,b\"" : "\"O\"Brien\",\"\",\"a,b\"");
    }
}

TEST(CopyOutFormat, MemoOfAMultipleOfFourGetsABlank) {
    EXPECT_EQ(paddedMemo("12345678"), "12345678 ");
    EXPECT_EQ(paddedMemo("1234567"), "1234567");
    EXPECT_EQ(paddedMemo(""), "");
    EXPECT_EQ(paddedMemo("ab\r\n"), "ab \r\n");
}

TEST(CopyOutFormat, TargetProblems) {
    EXPECT_EQ(copyTargetProblem("/x/out.txt", "/x/PEOPLE.DBF", true), "Must have a .DBF extension");
    EXPECT_EQ(copyTargetProblem("/x/out.dbf", "/x/PEOPLE.DBF", true), "");
    EXPECT_EQ(copyTargetProblem("/x/people.dbf", "/x/PEOPLE.DBF", true),
              "Cannot copy a file to itself!");
    EXPECT_EQ(copyTargetProblem("/x/../x/PEOPLE.DBF", "/x/PEOPLE.DBF", false),
              "Cannot copy a file to itself!");
    EXPECT_EQ(copyTargetProblem("/x/out.txt", "/x/PEOPLE.DBF", false), "");
}

class CopyOutRun : public UtilityTable {};

TEST_F(CopyOutRun, TextExportWritesQuotesUnchangedAndSkipsDeletedRecords) {
    person("O\"Brien", "Pat", "1 Main St", {{"ZIP", "12345"}, {"DATE", "20240101"}});
    person("Gone", "G", {}, {{"ISDEL", "T"}});
    person(QString::fromUtf8("M\xc3\xbcller"), "Ann");
    const QString out = home + "out.txt";
    data::TApollo engine(&table);
    data::QuerySetting live(engine, "!ISDEL");
    auto result = copyOutToText(table, out, {});
    EXPECT_EQ(result.copied, 2);
    EXPECT_TRUE(result.error.isEmpty());
    const QByteArray text = contentsOf(out);
    EXPECT_TRUE(
        text.startsWith("\"\",\"Pat\",\"\",\"O\"Brien\",\"\",\"\",\"1 Main St\",\"\",\"\",\"\","
                        "\"12345\",\"\",\"\",\"\",\"\",\"\",\"20240101\",\"\",\"\",\"\"\r\n"))
        << text.constData();
    EXPECT_TRUE(text.contains("\"M\xfcller\""));  // Windows-1252
    EXPECT_EQ(text.count("\r\n"), 2);

    result = copyOutToText(table, out, {true, true});
    const QByteArray csv = contentsOf(out);
    EXPECT_TRUE(csv.startsWith("PREFIX,FNAME,MIDDLE,LNAME,"));
    EXPECT_TRUE(csv.contains("\"O\"\"Brien\""));
    EXPECT_TRUE(csv.contains("\"M\xc3\xbcller\""));
}

TEST_F(CopyOutRun, TableCopyReopensEveryTwentyRecordsAndCopiesMemos) {
    for (int i = 1; i <= 25; ++i)
        person("P" + QString::number(i), "F", "S",
               {{"MEMO", i == 3 ? "12345678" : ""}, {"TAG", "TAG0001"}, {"USER1", "u"}});
    const QString out = home + "DATA/COPY.DBF";
    int reopened = 0;
    const auto result = copyOutToTable(table, out, {}, &reopened);
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.copied, 25);
    EXPECT_EQ(reopened, 1);
    EXPECT_FALSE(QFile::exists(home + "DATA/COPY.CDX"));

    data::TTable copy;
    ASSERT_TRUE(data::openTableFile(out, copy));
    EXPECT_EQ(data::TApollo(&copy).recCount(), 25);
    copy.first();
    copy.next();
    copy.next();
    EXPECT_EQ(copy.fieldByName("LNAME").text(), "P3");
    EXPECT_EQ(copy.fieldByName("USER1").text(), "u");
    EXPECT_EQ(copy.fieldByName("MEMO").text(), "12345678 ");
    EXPECT_EQ(copy.fieldByName("TAG").text(), "");
    EXPECT_EQ(copy.fieldByName("LNAME").width(), table.fieldByName("LNAME").width());
    copy.close();
}

}  // namespace
}  // namespace pc::maintenance::test
