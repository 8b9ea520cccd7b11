// What the copy-out writes, the imports read back unchanged: the text file
// (both quoting styles and code pages) and the table copy.
#include <algorithm>

#include "data/address_database.h"
#include "import/ascii_columns.h"
#include "import/ascii_import.h"
#include "import/dbf_import.h"
#include "import/header_pairing.h"
#include "import/import_text_file.h"
#include "import_test_support.h"
#include "maintenance/copy_out.h"

namespace pc::test {
namespace {

using Record = std::map<QString, QString>;

std::vector<Record> sorted(std::vector<Record> records) {
    std::sort(records.begin(), records.end());
    return records;
}

class RoundTripTest : public ImportTest {
  protected:
    void SetUp() override {
        ImportTest::SetUp();
        openAddress(source, newAddressTable(QStringLiteral("ADD0002.DBF")));
    }
    void TearDown() override {
        source.close();
        ImportTest::TearDown();
    }

    void addRecord(const Record& values) {
        source.insert();
        for (const auto& [name, value] : values) source.fieldByName(name).setText(value);
        source.post();
    }

    // Every record of the source table, read like records() reads the destination.
    std::vector<Record> sourceRecords() {
        std::vector<Record> all;
        for (source.first(); source.hasCurrentRecord() && !source.eof(); source.next()) {
            Record r;
            for (int i = 0; i < source.fieldCount(); ++i) {
                const data::TField& f = source.field(i);
                if (!f.calculated() && !f.text().isEmpty() && f.name() != u"ISDEL")
                    r[f.name()] = f.text();
            }
            all.push_back(r);
            if (source.recNo() >= data::TApollo(&source).recCount()) break;
        }
        return all;
    }

    // Records whose values a text file of either style carries as they are.
    void addTextRecords(bool withQuotes) {
        addRecord({{"LNAME", "Adams"},
                   {"FNAME", "Ann"},
                   {"ORG", "Adams, Brown and Clark"},
                   {"STREET", "12 Main St."},
                   {"CITY", "Springfield"},
                   {"STATE", "IL"},
                   {"ZIP", "62701"},
                   {"EMAIL", "ann@example.org"},
                   {"CODES", "A B"}});
        addRecord({{"LNAME", QString::fromUtf8("M\u00fcller")},
                   {"FNAME", QString::fromUtf8("Ren\u00e9e")},
                   {"PREFIX", "Dr."},
                   {"MIDDLE", "J"},
                   {"TITLE", withQuotes ? "\"Chief\" Editor" : "Chief Editor"},
                   {"STREET2", "Suite 5"},
                   {"COUNTRY", QString::fromUtf8("\u00d6sterreich")},
                   {"PHONE", "555-1234"},
                   {"PHONE2", "555-9876"},
                   {"FAX", "555-0000"},
                   {"USER1", "first"},
                   {"USER2", "second"}});
        addRecord({{"LNAME", "Zed"}});
    }

    // Pairs the columns, in the copy-out's order, with their fields.
    void pairInExportOrder(import::AsciiColumnTable& columns) {
        const QStringList& names = maintenance::textExportFields();
        for (int i = 0; i < names.size() && i < int(columns.columns.size()); ++i)
            if (names[i] != u"DATE")
                columns.columns[i].matchedField = destination.fieldByName(names[i]).displayLabel();
    }

    data::TTable source;
};

TEST_F(RoundTripTest, TextCopiesInBothStylesImportAsTheSameRecords) {
    addTextRecords(false);
    const auto expected = sourceRecords();
    ASSERT_EQ(expected.size(), 3u);

    // Every value quoted, Windows-1252, no header: columns paired by position.
    const QString plain = file("plain.txt");
    ASSERT_TRUE(maintenance::copyOutToText(source, plain, {}).error.isEmpty());
    import::ImportTextFile text;
    ASSERT_TRUE(text.open(plain));
    import::AsciiColumnTable columns;
    ASSERT_TRUE(columns.sample(text));
    ASSERT_EQ(columns.columns.size(), size_t(maintenance::textExportFields().size()));
    pairInExportOrder(columns);
    EXPECT_EQ(import::runAsciiImport(text, columns, destination).outcome.imported, 3);
    EXPECT_EQ(sorted(records()), sorted(expected));
}

TEST_F(RoundTripTest, Rfc4180CopyWithHeaderImportsAsTheSameRecords) {
    addTextRecords(true);
    const auto expected = sourceRecords();

    const QString csv = file("copy.csv");
    ASSERT_TRUE(
        maintenance::copyOutToText(source, csv, {.rfc4180 = true, .utf8 = true}).error.isEmpty());
    import::ImportTextFile text;
    ASSERT_TRUE(text.open(csv));
    import::AsciiColumnTable columns;
    ASSERT_TRUE(columns.sample(text));
    ASSERT_TRUE(import::looksLikeHeaderRow(columns, destination));
    import::pairByHeaderRow(columns, destination);
    const auto result = import::runAsciiImport(text, columns, destination);
    EXPECT_EQ(result.outcome.imported, 3);
    EXPECT_TRUE(result.unstorable.report().isEmpty());
    EXPECT_EQ(sorted(records()), sorted(expected));
}

TEST_F(RoundTripTest, TableCopyImportsAsTheSameRecordsMemoAndDateIncluded) {
    addTextRecords(true);
    addRecord(
        {{"LNAME", "Young"}, {"DATE", "20240229"}, {"MEMO", "line one\r\nline two, with commas"}});
    const auto expected = sourceRecords();
    ASSERT_EQ(expected.size(), 4u);

    const QString copy = file("COPY.DBF");
    ASSERT_TRUE(maintenance::copyOutToTable(source, copy).error.isEmpty());
    data::TTable table;
    ASSERT_TRUE(import::openImportSource(copy, table));
    const auto pairing = import::autoPairDbf(table, destination);
    EXPECT_EQ(import::runDbfImport(table, pairing, destination).outcome.imported, 4);
    table.close();
    EXPECT_EQ(sorted(records()), sorted(expected));
    EXPECT_TRUE(data::CheckValidIndex(destination));
}

}  // namespace
}  // namespace pc::test
