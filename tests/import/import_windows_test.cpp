// The import windows' wiring: choosing a file, the match grid and its
// popup rules, the import run with its gauge, and screenshots on request.
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "import/dbf_import.h"
#include "import/ui/ascii_import_window.h"
#include "import/ui/dbf_import_window.h"
#include "import/ui/import_older_window.h"
#include "import/ui/match_window.h"
#include "import_test_support.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::test {
namespace {

using Record = std::map<QString, QString>;

class ImportWindowsTest : public ImportTest {};

int rowOf(const import::FieldMatchGrid& grid, const QString& label) {
    for (int r = 0; r < grid.rowCount(); ++r)
        if (grid.rowLabel(r) == label) return r;
    return -1;
}

TEST_F(ImportWindowsTest, AsciiFileChosenMatchedAndImported) {
    import::TAsciiImport window(destination);
    EXPECT_FALSE(window.MatchButton->isEnabled());
    window.selectFile(writeText("one.txt", "only one line\n"));
    EXPECT_EQ(messages->texts(), QStringList{"Unable to import from this file"});
    EXPECT_FALSE(window.MatchButton->isEnabled());
    messages->clear();

    window.selectFile(writeText("people.txt", "Adams,Ann,x\nBrown,Bob,y\n"));
    EXPECT_TRUE(window.MatchButton->isEnabled());
    EXPECT_FALSE(window.ImportButton->isEnabled());
    window.execMatch = [](import::TAsciiMatch& match) {
        import::FieldMatchGrid& grid = *match.MatchGrid;
        EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Import from Field (in people.txt)");
        EXPECT_EQ(match.SampleGrid->item(1, 0)->text(), "Brown");
        // A column fills one field at most: pairing it again moves it.
        grid.pair(rowOf(grid, "First Name"), "Field 1");
        grid.pair(rowOf(grid, "Last Name"), "Field 1");
        grid.pair(rowOf(grid, "First Name"), "Field 2");
        EXPECT_EQ(grid.paired(rowOf(grid, "Last Name")), "Field 1");
        EXPECT_EQ(grid.paired(rowOf(grid, "First Name")), "Field 2");
        return true;
    };
    window.MatchButtonClick();
    EXPECT_TRUE(window.ImportButton->isEnabled());
    EXPECT_EQ(window.columns.columns[0].matchedField, "Last Name");
    window.ImportButtonClick();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(messages->texts(), QStringList{"Import complete. Imported 2 records."});
    const auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1], (Record{{"LNAME", "Brown"}, {"FNAME", "Bob"}}));
}

TEST_F(ImportWindowsTest, AHeaderCsvArrivesPairedAndReadyToImport) {
    import::TAsciiImport window(destination);
    window.selectFile(writeText("contacts.csv", "First Name,Last Name\nAnn,Adams\n"));
    EXPECT_TRUE(window.ImportButton->isEnabled());
    EXPECT_EQ(window.columns.columns[1].matchedField, "Last Name");
    // The match window shows the pairing to correct; Cancel leaves it.
    window.execMatch = [](import::TAsciiMatch& match) {
        EXPECT_EQ(match.MatchGrid->paired(rowOf(*match.MatchGrid, "Last Name")), "Last Name");
        match.MatchGrid->clearAll();
        return false;
    };
    window.MatchButtonClick();
    EXPECT_EQ(window.columns.matchedCount(), 2);
}

TEST_F(ImportWindowsTest, AVCardFileImportsWithoutMatching) {
    import::TAsciiImport window(destination);
    // Known by its first line whatever its name.
    window.selectFile(writeText("phone.txt",
                                "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Adams;Ann;;;\r\n"
                                "FN:Ann Adams\r\nORG:Acme\r\nEND:VCARD\r\n"
                                "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Brown;Bob;;;\r\nEND:VCARD\r\n"));
    EXPECT_FALSE(window.MatchButton->isEnabled());
    ASSERT_TRUE(window.ImportButton->isEnabled());
    EXPECT_TRUE(window.StatusLabel->text().startsWith("vCard file, 2 contacts"));
    window.ImportButtonClick();
    EXPECT_EQ(messages->texts(), QStringList{"Import complete. Imported 2 records."});
    const auto all = records();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].at("LNAME"), "Adams");
    EXPECT_EQ(all[0].at("ORG"), "Acme");

    // A .vcf without a card says so and offers nothing.
    import::TAsciiImport empty(destination);
    empty.selectFile(writeText("empty.vcf", "not a card\n"));
    EXPECT_EQ(messages->texts().last(), "Unable to import from this file");
    EXPECT_FALSE(empty.ImportButton->isEnabled());
}

TEST_F(ImportWindowsTest, DbfMatchOffersOnlySuitableFieldsAndKeepsOnlyShownRows) {
    const QString path =
        makeTable("OTHER.DBF", {{"LNAME", "C", 20}, {"NOTES", "M", 10}}, {{"Adams", "memo"}});
    import::TDBFImport window(destination);
    window.selectFile(path);
    ASSERT_TRUE(window.MatchButton->isEnabled());
    window.execMatch = [](import::TDBFMatch& match) {
        EXPECT_EQ(match.MatchGrid->paired(rowOf(*match.MatchGrid, "Last Name")), "LNAME");
        EXPECT_EQ(match.SampleGrid->item(0, 0)->text(), "Adams");
        // MEMO is not visible: no row, so the memo's automatic pairing goes.
        EXPECT_EQ(rowOf(*match.MatchGrid, "MEMO"), -1);
        return true;
    };
    window.MatchButtonClick();
    EXPECT_EQ(window.pairing[1], import::kNotPaired);
    EXPECT_TRUE(window.ImportButton->isEnabled());
    window.ImportButtonClick();
    EXPECT_EQ(records(), (std::vector<Record>{{{"LNAME", "Adams"}}}));

    import::TDBFImport empty(destination);
    empty.selectFile(makeTable("EMPTY.DBF", {{"LNAME", "C", 20}}, {}));
    EXPECT_EQ(messages->texts().last(), "There are no records in EMPTY.DBF");
    EXPECT_FALSE(empty.MatchButton->isEnabled());
}

TEST_F(ImportWindowsTest, OlderImportRefusesItsOwnFile) {
    import::TImportOlder window(import::OlderVersion::V2, destination);
    EXPECT_EQ(window.windowTitle(), "Import Postcraft 2.x DBF");
    window.selectFile(tablePath);
    EXPECT_EQ(messages->texts(), QStringList{"Cannot import a file to itself"});
    EXPECT_FALSE(window.ImportButton->isEnabled());
}

TEST_F(ImportWindowsTest, HelpButtonsOpenTheirTopics) {
    std::vector<int> opened;
    widgets::setHelpOpener([&opened](int context) { opened.push_back(context); });
    import::TAsciiImport ascii(destination);
    ascii.HelpButton->click();
    import::TDBFImport dbf(destination);
    dbf.HelpButton->click();
    import::TImportOlder older(import::OlderVersion::V1, destination);
    older.HelpButton->click();
    import::AsciiColumnTable columns;
    import::TAsciiMatch asciiMatch(columns, destination, "a.csv", false);
    asciiMatch.HelpButton->click();
    data::TTable source;
    ASSERT_TRUE(import::openImportSource(makeTable("OTHER.DBF", {{"LNAME", "C", 20}}, {{"Adams"}}),
                                         source));
    import::TDBFMatch dbfMatch(source, destination, import::autoPairDbf(source, destination),
                               "OTHER.DBF");
    dbfMatch.HelpButton->click();
    widgets::setHelpOpener({});
    EXPECT_EQ(opened, (std::vector<int>{widgets::help::kImportAscii, widgets::help::kImportDbf,
                                        widgets::help::kImportOlder, widgets::help::kImportAscii,
                                        widgets::help::kImportDbf}));
}

TEST_F(ImportWindowsTest, Screenshots) {
    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    const QString out = QString::fromLocal8Bit(dir) + '/';
    QDir().mkpath(out);
    import::TAsciiImport window(destination);
    window.selectFile(writeText("contacts.csv",
                                "First Name,Last Name,Company,E-mail Address,Business City\n"
                                "Ann,Adams,Acme,ann@example.org,Boston\n"
                                "Bob,Brown,\"Brown, Inc.\",bob@example.org,Salem\n"));
    window.show();
    window.grab().save(out + "ascii-import.png");
    import::TAsciiMatch match(window.columns, destination, "contacts.csv", true);
    match.show();
    match.grab().save(out + "ascii-match.png");

    import::TDBFImport dbf(destination);
    dbf.selectFile(makeTable("OTHER.DBF",
                             {{"LNAME", "C", 20}, {"FIRST", "C", 15}, {"NOTES", "M", 10}},
                             {{"Adams", "Ann", "memo"}, {"Brown", "Bob", ""}}));
    dbf.show();
    dbf.grab().save(out + "dbf-import.png");
    data::TTable source;
    ASSERT_TRUE(import::openImportSource(
        makeTable("MATCH.DBF", {{"LNAME", "C", 20}, {"FIRST", "C", 15}, {"ZIP", "C", 10}},
                  {{"Adams", "Ann", "02134"}, {"Brown", "Bob", "60601"}}),
        source));
    import::TDBFMatch dbfMatch(source, destination, import::autoPairDbf(source, destination),
                               "OTHER.DBF");
    dbfMatch.show();
    dbfMatch.grab().save(out + "dbf-match.png");
    source.close();
    import::TImportOlder older(import::OlderVersion::V2, destination);
    older.show();
    older.grab().save(out + "older-import.png");
}

}  // namespace
}  // namespace pc::test
