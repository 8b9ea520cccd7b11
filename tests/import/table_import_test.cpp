// Importing other xBase tables (pairing by name and kind) and tables of the
// program's earlier versions (their field rules, dates and memos).
#include "import/dbf_import.h"
#include "import/older_import.h"
#include "import_test_support.h"

namespace pc::test {
namespace {

using Record = std::map<QString, QString>;

class TableImportTest : public ImportTest {
  protected:
    // The source field names paired with destination field names.
    std::map<QString, QString> pairedNames(const data::TTable& source,
                                           const std::vector<int>& pairing) {
        std::map<QString, QString> named;
        for (int s = 0; s < source.fieldCount(); ++s)
            if (pairing[s] != import::kNotPaired)
                named[source.field(s).name()] = destination.field(pairing[s]).name();
        return named;
    }
    data::TTable source;
};

TEST_F(TableImportTest, PairsByNameFirstComerWinsAndMemoGoesToMemo) {
    const QString path = makeTable("OTHER.DBF",
                                   {{"Zip", "C", 10},
                                    {"SURNAME", "C", 20},
                                    {"LNAME", "C", 20},
                                    {"Last_Name", "C", 20},
                                    {"AMOUNT", "N", 8},
                                    {"NOTES", "M", 10},
                                    {"MORE", "M", 10},
                                    {"DELETED", "L", 1},
                                    {"ISDEL", "L", 1}},
                                   {{"02134", "x", "Adams", "y", "42", "first memo", "second"}});
    ASSERT_TRUE(import::openImportSource(path, source));
    const auto pairing = import::autoPairDbf(source, destination);
    // DELETED is the label of ISDEL: it comes first and holds it.
    EXPECT_EQ(pairedNames(source, pairing),
              (std::map<QString, QString>{
                  {"ZIP", "ZIP"}, {"LNAME", "LNAME"}, {"NOTES", "MEMO"}, {"DELETED", "ISDEL"}}));
    // The match rows leave ISDEL out and keep only visible fields.
    for (const data::TField* f : import::dbfMatchRows(destination)) {
        EXPECT_NE(f->name(), "ISDEL");
        EXPECT_TRUE(f->visible());
    }
    EXPECT_TRUE(import::kindSuits(*source.findField("NOTES"), *destination.findField("MEMO")));
    EXPECT_FALSE(import::kindSuits(*source.findField("NOTES"), *destination.findField("CITY")));
    EXPECT_FALSE(import::kindSuits(*source.findField("LNAME"), *destination.findField("MEMO")));
}

TEST_F(TableImportTest, NumbersArriveAsTextAndEmptyValuesKeepTheDefaults) {
    const QString path =
        makeTable("OTHER.DBF", {{"LNAME", "C", 20}, {"AMOUNT", "N", 8}, {"NOTES", "M", 10}},
                  {{"Adams", "42", "a memo"}, {"", "7", ""}});
    ASSERT_TRUE(import::openImportSource(path, source));
    std::vector<int> pairing = import::autoPairDbf(source, destination);
    // AMOUNT into Comment 1, as the match window would pair it.
    for (int d = 0; d < destination.fieldCount(); ++d)
        if (&destination.field(d) == destination.findField("USER1")) pairing[1] = d;
    const auto result = import::runDbfImport(source, pairing, destination);
    EXPECT_EQ(result.outcome.imported, 2);
    EXPECT_EQ(messages->texts(), QStringList{"Import complete. Imported 2 records."});
    const auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], (Record{{"LNAME", "Adams"}, {"USER1", "42"}, {"MEMO", "a memo"}}));
    EXPECT_EQ(all[1], (Record{{"USER1", "7"}}));
    EXPECT_TRUE(data::CheckValidIndex(destination));
}

std::vector<ImportTest::NewField> olderFields(import::OlderVersion version, bool withTag) {
    std::vector<ImportTest::NewField> fields;
    for (const QString& name : import::olderRequiredFields(version)) {
        if (name == "TAG" && !withTag) continue;
        static std::vector<QByteArray> names;  // keep the names alive for the C strings
        names.push_back(name.toLatin1());
        const char* type = name == "MEMO" ? "M" : name == "ISDEL" ? "L" : "C";
        fields.push_back({names.back().constData(), type, name == "MEMO" ? 10 : 20});
    }
    return fields;
}

TEST_F(TableImportTest, OlderVersionsAreRecognisedByTheirFields) {
    const QString v2 =
        makeTable("OLD2.DBF", olderFields(import::OlderVersion::V2, true), {{"Adams"}});
    const QString v2NoTag =
        makeTable("NOTAG.DBF", olderFields(import::OlderVersion::V2, false), {{"Adams"}});
    const QString empty = makeTable("EMPTY.DBF", olderFields(import::OlderVersion::V2, true), {});
    using import::OlderVersion;
    EXPECT_EQ(import::openOlderSource(v2, tablePath, OlderVersion::V2, source), "");
    source.close();
    EXPECT_EQ(import::openOlderSource(v2NoTag, tablePath, OlderVersion::V2, source),
              "NOTAG.DBF does not appear to be a Postcraft 2.x DBF");
    EXPECT_EQ(import::openOlderSource(v2, tablePath, OlderVersion::V1, source),
              "OLD2.DBF does not appear to be a Postcraft 1.x DBF");
    EXPECT_EQ(import::openOlderSource(empty, tablePath, OlderVersion::V2, source),
              "There are no records in EMPTY.DBF");
    EXPECT_EQ(import::openOlderSource(tablePath.toLower(), tablePath, OlderVersion::V2, source),
              "Cannot import a file to itself");
    EXPECT_EQ(import::openOlderSource(file("NONE.DBF"), tablePath, OlderVersion::V2, source),
              "Unable to open the file NONE.DBF");
    EXPECT_FALSE(source.active());
}

TEST_F(TableImportTest, Version1NotesBecomeCodesAndDatesTheStoredForm) {
    // LNAME FNAME MIDDLE TITLE ORG STREET CITY STATE ZIP COUNTRY PHONE EMAIL FAX NOTES PREFIX
    // CARRIER DATE MEMO
    const QString v1 = makeTable(
        "OLD1.DBF", olderFields(import::OlderVersion::V1, true),
        {{"Adams", "Ann", "B", "Dr", "Acme", "1 Main", "Boston", "MA", "02134", "USA", "555",
          "a@b.c", "556", "VIP", "Ms", "C001", "04/28/1997", "abcdef"},
         {"Brown", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "not a date", ""}});
    ASSERT_EQ(import::openOlderSource(v1, tablePath, import::OlderVersion::V1, source), "");
    const auto result = import::runOlderImport(source, import::OlderVersion::V1, destination);
    EXPECT_EQ(result.outcome.imported, 2);
    const auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], (Record{{"LNAME", "Adams"},
                              {"FNAME", "Ann"},
                              {"MIDDLE", "B"},
                              {"TITLE", "Dr"},
                              {"ORG", "Acme"},
                              {"STREET", "1 Main"},
                              {"CITY", "Boston"},
                              {"STATE", "MA"},
                              {"ZIP", "02134"},
                              {"COUNTRY", "USA"},
                              {"PHONE", "555"},
                              {"EMAIL", "a@b.c"},
                              {"FAX", "556"},
                              {"CODES", "VIP"},
                              {"PREFIX", "Ms"},
                              {"DATE", "19970428"},
                              {"MEMO", "abcdef "}}));
    EXPECT_EQ(all[1], (Record{{"LNAME", "Brown"}}));
}

TEST_F(TableImportTest, TheMemoRuleOfTheEarlierVersions) {
    EXPECT_EQ(import::olderMemo(""), "");
    EXPECT_EQ(import::olderMemo("ab"), "ab ");             // 2 + CR LF = 4
    EXPECT_EQ(import::olderMemo("abc"), "abc");            // 5
    EXPECT_EQ(import::olderMemo("abcdef"), "abcdef ");     // 8
    EXPECT_EQ(import::olderMemo("a\r\nb\r\n"), "a\r\nb");  // 3 + 3
    EXPECT_EQ(import::olderMemo("ab\ncd"), "ab\r\ncd ");   // 4 + 4
}

}  // namespace
}  // namespace pc::test
