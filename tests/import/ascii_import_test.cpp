// The text import end to end on a real address table: sampling, pairing,
// what each line becomes, the end messages and the rebuilt index.
#include "import/ascii_import.h"

#include "import/ascii_columns.h"
#include "import/header_pairing.h"
#include "import/import_text_file.h"
#include "import_test_support.h"

namespace pc::test {
namespace {

using Record = std::map<QString, QString>;

class AsciiImportTest : public ImportTest {
  protected:
    // Samples the file and pairs columns (1-based) with field labels.
    bool prepare(const QByteArray& bytes, const std::map<int, QString>& pairs) {
        EXPECT_TRUE(text.open(writeText("in.csv", bytes)));
        const bool sampled = columns.sample(text);
        for (const auto& [column, label] : pairs) columns.columns[column - 1].matchedField = label;
        return sampled;
    }
    import::ImportResult run(import::ImportCalls calls = {}) {
        return import::runAsciiImport(text, columns, destination, calls);
}

import::ImportTextFile text;
import::AsciiColumnTable columns;
};  // namespace

TEST_F(AsciiImportTest, SamplingNamesColumnsFromTheFirstLine) {
    ASSERT_TRUE(prepare("a,\"b,c\",d\nlonger value,x,y,extra,more\n", {}));
    ASSERT_EQ(columns.columns.size(), 3u);
    EXPECT_EQ(columns.columns[0].displayName, "Field 1");
    EXPECT_EQ(columns.columns[2].displayName, "Field 3");
    EXPECT_EQ(columns.columns[0].greatestRawLength, 12);
    EXPECT_EQ(columns.columns[1].greatestRawLength, 5);  // quotes counted
    EXPECT_EQ(columns.sampleLines.size(), 2u);

    // One line is not enough to import from.
    import::ImportTextFile one;
    ASSERT_TRUE(one.open(writeText("one.csv", "a,b,c\n")));
    EXPECT_FALSE(columns.sample(one));
}

TEST_F(AsciiImportTest, EveryLineBecomesARecordAsTheEdgeCasesSay) {
    ASSERT_TRUE(
        prepare("Adams,Ann,10001\n"
                "Brown,Bob,20002,extra,more\n"
                "Clark\n"
                "\n"
                "\",Cy,\n"
                "Averyveryveryveryveryveryverylongname,Di,123456789012345\n",
                {{1, "Last Name"}, {2, "First Name"}, {3, "Zip/Postal Code"}}));
    const auto result = run();
    EXPECT_EQ(result.outcome.imported, 6);
    EXPECT_TRUE(result.indexRebuilt);
    EXPECT_EQ(messages->texts(), QStringList{"Import complete. Imported 6 records."});
    const auto all = records();
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0], (Record{{"LNAME", "Adams"}, {"FNAME", "Ann"}, {"ZIP", "10001"}}));
    // Values past the first line's column count are ignored.
    EXPECT_EQ(all[1], (Record{{"LNAME", "Brown"}, {"FNAME", "Bob"}, {"ZIP", "20002"}}));
    // Missing values leave the defaults; an empty line is an empty record.
    EXPECT_EQ(all[2], (Record{{"LNAME", "Clark"}}));
    EXPECT_EQ(all[3], Record{});
    // The lone quote opens quoting to the end of the line: one value.
    EXPECT_EQ(all[4], (Record{{"LNAME", "\",Cy,"}}));
    // Values are cut to the field's width.
    EXPECT_EQ(all[5].at("LNAME"), QString("Averyveryveryveryveryveryveryl"));
    EXPECT_EQ(all[5].at("ZIP"), "1234567890");
    EXPECT_TRUE(data::CheckValidIndex(destination));
}

TEST_F(AsciiImportTest, StopAfterTwoRecordsKeepsThemAndRebuilds) {
    ASSERT_TRUE(prepare("a\nb\nc\nd\n", {{1, "Last Name"}}));
    import::ImportCalls calls;
    std::vector<int> seen;
    QStringList statuses;
    calls.status = [&statuses](const QString& s) { statuses << s; };
    calls.progress = [&seen](int done, int total) {
        seen.push_back(done * 100 / total);
        return done < 2;
    };
    const auto result = run(calls);
    EXPECT_TRUE(result.outcome.cancelled);
    EXPECT_EQ(seen, (std::vector<int>{25, 50}));
    EXPECT_EQ(messages->texts(), QStringList{"Import cancelled after importing 2 records."});
    EXPECT_EQ(records().size(), 2u);
    EXPECT_TRUE(statuses.contains("Counting total lines"));
    EXPECT_TRUE(statuses.contains("Importing records"));
    EXPECT_TRUE(statuses.contains("Rebuilding Indexes "));
    EXPECT_TRUE(data::CheckValidIndex(destination));
}

TEST_F(AsciiImportTest, CharactersTheTableCannotHoldAreCountedAndReported) {
    ASSERT_TRUE(prepare("M\xC3\xBCller,\xD0\x98\xD0\xB2\nLee,\xE4\xB8\xAD\xE4\xB8\xAD\n",
                        {{1, "Last Name"}, {2, "First Name"}}));
    EXPECT_EQ(text.encoding(), import::TextEncoding::Utf8);
    const auto result = run();
    EXPECT_EQ(result.unstorable.count(), 4);
    EXPECT_EQ(result.unstorable.characters(), QString::fromUtf8("Ив中"));
    EXPECT_EQ(messages->texts(),
              (QStringList{"Import complete. Imported 2 records.",
                           QString::fromUtf8("4 characters could not be stored and became \"?\": "
                                             "Ив中")}));
    EXPECT_EQ(records()[0].at("LNAME"), QString::fromUtf8("Müller"));
}

TEST_F(AsciiImportTest, HeaderRowsOfTheCommonContactExportersPairByName) {
    struct Exporter {
        const char* name;
        QByteArray header;
        Record expected;  // field to header, for the columns that must pair
    };
    const std::vector<Exporter> exporters = {
        {"desktop mail",
         "Title,First Name,Middle Name,Last Name,Suffix,Company,Department,Job Title,"
         "Business Street,Business Street 2,Business City,Business State,Business Postal Code,"
         "Business Country/Region,Business Fax,Business Phone,Home Phone,E-mail Address,Notes",
         {{"PREFIX", "Title"},
          {"FNAME", "First Name"},
          {"MIDDLE", "Middle Name"},
          {"LNAME", "Last Name"},
          {"ORG", "Company"},
          {"TITLE", "Job Title"},
          {"STREET", "Business Street"},
          {"STREET2", "Business Street 2"},
          {"CITY", "Business City"},
          {"STATE", "Business State"},
          {"ZIP", "Business Postal Code"},
          {"COUNTRY", "Business Country/Region"},
          {"FAX", "Business Fax"},
          {"PHONE", "Business Phone"},
          {"PHONE2", "Home Phone"},
          {"EMAIL", "E-mail Address"}}},
        {"web mail",
         "Name,Given Name,Additional Name,Family Name,Name Prefix,E-mail 1 - Value,"
         "Phone 1 - Value,Phone 2 - Value,Address 1 - Street,Address 1 - City,"
         "Address 1 - Region,Address 1 - Postal Code,Address 1 - Country,"
         "Organization 1 - Name,Organization 1 - Title,Group Membership",
         {{"FNAME", "Given Name"},
          {"MIDDLE", "Additional Name"},
          {"LNAME", "Family Name"},
          {"PREFIX", "Name Prefix"},
          {"EMAIL", "E-mail 1 - Value"},
          {"PHONE", "Phone 1 - Value"},
          {"PHONE2", "Phone 2 - Value"},
          {"STREET", "Address 1 - Street"},
          {"CITY", "Address 1 - City"},
          {"STATE", "Address 1 - Region"},
          {"ZIP", "Address 1 - Postal Code"},
          {"COUNTRY", "Address 1 - Country"},
          {"ORG", "Organization 1 - Name"},
          {"TITLE", "Organization 1 - Title"},
          {"CODES", "Group Membership"}}},
        {"mail client",
         "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Work Phone,"
         "Home Phone,Fax Number,Home Address,Home Address 2,Home City,Home State,Home ZipCode,"
         "Home Country,Job Title,Department,Organization",
         {{"FNAME", "First Name"},
          {"LNAME", "Last Name"},
          {"EMAIL", "Primary Email"},
          {"PHONE", "Work Phone"},
          {"PHONE2", "Home Phone"},
          {"FAX", "Fax Number"},
          {"STREET", "Home Address"},
          {"STREET2", "Home Address 2"},
          {"CITY", "Home City"},
          {"STATE", "Home State"},
          {"ZIP", "Home ZipCode"},
          {"COUNTRY", "Home Country"},
          {"TITLE", "Job Title"},
          {"ORG", "Organization"}}},
        {"own export",
         "Last Name,First Name,Zip/Postal Code,Comment 1,USER2",
         {{"LNAME", "Last Name"},
          {"FNAME", "First Name"},
          {"ZIP", "Zip/Postal Code"},
          {"USER1", "Comment 1"},
          {"USER2", "USER2"}}},
    };
    for (const Exporter& e : exporters) {
        SCOPED_TRACE(e.name);
        const QStringList headers = QString::fromUtf8(e.header).split(',');
        const QStringList paired = import::pairHeaders(headers, destination);
        Record got;
        for (int i = 0; i < headers.size(); ++i)
            if (!paired[i].isEmpty())
                got[import::FieldByDisplayLabel(destination, paired[i])->name()] = headers[i];
        EXPECT_EQ(got, e.expected);
    }
}

TEST_F(AsciiImportTest, AHeaderRowIsSkippedAndPairsTheColumns) {
    ASSERT_TRUE(
        prepare("\"Last Name\",\"First Name\",\"E-mail Address\"\n"
                "Adams,Ann,ann@example.org\nBrown,Bob,\n",
                {}));
    ASSERT_TRUE(import::looksLikeHeaderRow(columns, destination));
    EXPECT_EQ(import::pairByHeaderRow(columns, destination), 3);
    EXPECT_EQ(columns.columns[2].displayName, "E-mail Address");
    EXPECT_EQ(columns.MatchedFieldName("Email"), "E-mail Address");
    const auto result = run();
    EXPECT_EQ(result.outcome.imported, 2);
    const auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], (Record{{"LNAME", "Adams"}, {"FNAME", "Ann"}, {"EMAIL", "ann@example.org"}}));
    // A file of plain records has no header.
    import::AsciiColumnTable plain;
    import::ImportTextFile f;
    ASSERT_TRUE(f.open(writeText("plain.csv", "Adams,Ann\nBrown,Bob\n")));
    plain.sample(f);
    EXPECT_FALSE(import::looksLikeHeaderRow(plain, destination));
}

}  // namespace pc::test
}  // namespace pc::test
