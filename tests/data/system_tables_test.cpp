// The system-data tables: made when missing, opened in any letter case,
// given their one tag, and the texts when they cannot be had.
#include "data/system_tables.h"

#include <QDir>
#include <QFile>

#include "data/t_apollo.h"
#include "data_test_support.h"
#include "envelopes/envelope_tables.h"
#include "labels/label_tables.h"
#include "letters/letter_tables.h"
#include "postal/postal_tables.h"
#include "reports/report_tables.h"
#include "text/program_paths.h"

namespace pc::test {
namespace {

using pc::data::TApollo;
using pc::data::TTable;

class SystemTablesTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        // The tables as the subsystems that own them register them.
        pc::letters::registerLetterTables();
        pc::labels::registerLabelTables();
        pc::postal::registerPostalTables();
        pc::envelopes::registerEnvelopeTables();
        pc::reports::registerReportTables();
        pc::text::setHome(folder());
        sysdata = pc::text::sysdataDir();
        QDir().mkpath(sysdata);
    }
    QString sysdata;
    TTable table;
};

TEST_F(SystemTablesTest, MissingTablesAreCreatedWithTheirFieldsAndTag) {
    struct Expected {
        const char* which;
        const char* file;
        QStringList fields;
    };
    const Expected cases[] = {
        {"LETTER.DBF", "LETTER.DBF", {"DESCRIPT", "RTF"}},
        {"REPORT.DBF", "REPORT.DBF", {"DESCRIPT", "LAYOUT", "BINARY"}},
        {"ENVELOPE.DBF", "ENVELOPE.DBF", {"DESCRIPT", "NUMBER", "BINARY"}},
        {"LABEL.DBF",
         "LABEL.DBF",
         {"DESCRIPT",  "PRINTER",  "LBLHEIGHT",  "LBLWIDTH",  "NBRACROSS",  "NBRDOWN",
          "TOPMARG",   "LEFTMARG", "HORIZPITCH", "VERTPITCH", "SHEETWIDTH", "SHEETDEPTH",
          "PAPERSIZE", "LBLSHAPE", "TPLDESCRIP", "MANUFAC",   "PRODTYPE",   "MIDEXTRAX",
          "MIDEXTRAY", "ART",      "DELETED",    "BINARY"}},
    };
    for (const Expected& c : cases) {
        ASSERT_TRUE(pc::data::openSystemTable(c.which, table)) << c.file;
        EXPECT_EQ(table.path(), sysdata + c.file);
        QStringList fields;
        for (int i = 0; i < table.fieldCount(); ++i) fields << table.field(i).name();
        EXPECT_EQ(fields, c.fields) << c.file;
        TApollo apollo(&table);
        EXPECT_EQ(apollo.tagCount(), 1);
        EXPECT_EQ(apollo.tagName(1), "DESCRIPT");
    }
    table.close();
    EXPECT_TRUE(messages->texts().isEmpty());

    ASSERT_TRUE(pc::data::openSystemTable("LABEL.DBF", table));
    EXPECT_EQ(table.fieldByName("LBLHEIGHT").width(), 6);
    EXPECT_EQ(table.fieldByName("DELETED").type(), pc::data::TFieldType::Logical);
}

TEST_F(SystemTablesTest, TablesTheProgramDoesNotMakeReportThatTheyAreMissing) {
    EXPECT_FALSE(pc::data::openSystemTable("LBLTPL.DBF", table));
    EXPECT_FALSE(pc::data::openSystemTable("CSZ.DBF", table));
    EXPECT_EQ(messages->texts(),
              QStringList({"Unable to Open LBLTPL.DBF", "Unable to Open or Create CSZ.DBF"}));
    EXPECT_FALSE(QFile::exists(sysdata + "LBLTPL.DBF"));
    EXPECT_FALSE(table.active());
}

TEST_F(SystemTablesTest, ExistingTablesOpenInAnyCaseAndGetTheirMissingIndex) {
    const QByteArray csz = (sysdata + "csz.dbf").toUtf8();
    ASSERT_NE(sx_CreateNew(csz.constData(), "CSZ", pc::xbase::kDriverCdx, 3), 0);
    ASSERT_TRUE(sx_CreateField("STATE", "C", 2, 0));
    ASSERT_TRUE(sx_CreateField("ZIPLOW", "C", 5, 0));
    ASSERT_TRUE(sx_CreateField("ZIPHIGH", "C", 5, 0));
    ASSERT_NE(sx_CreateExec(), 0);
    sx_Close();

    ASSERT_TRUE(pc::data::openSystemTable("CSZ.DBF", table));
    EXPECT_EQ(table.fileName(), "csz.dbf");
    TApollo apollo(&table);
    EXPECT_EQ(apollo.tagName(1), "STATE");
    EXPECT_EQ(apollo.tagCount(), 1);

    // A second open finds the index there and leaves it alone.
    ASSERT_TRUE(pc::data::openSystemTable("CSZ.DBF", table));
    EXPECT_EQ(TApollo(&table).tagCount(), 1);
}

TEST_F(SystemTablesTest, AnUnreadableTableIsReportedNotReplaced) {
    const std::string junk = "not a table";
    writeFile((sysdata + "LETTER.DBF").toStdString(), junk);
    EXPECT_FALSE(pc::data::openSystemTable("LETTER.DBF", table));
    EXPECT_EQ(messages->texts(), QStringList({"Unable to Open or Create LETTER.DBF"}));
    EXPECT_EQ(readFile((sysdata + "LETTER.DBF").toStdString()), junk);
}

TEST_F(SystemTablesTest, TheSameTableObjectServesOneSystemTableAfterAnother) {
    ASSERT_TRUE(pc::data::openSystemTable("REPORT.DBF", table));
    ASSERT_TRUE(pc::data::openSystemTable("LETTER.DBF", table));
    EXPECT_EQ(table.fieldCount(), 2);
    table.insert();
    table.fieldByName("descript").setText("Thank-you letter");
    table.fieldByName("RTF").setText("{\\rtf1 Thanks}");
    table.post();
    ASSERT_TRUE(pc::data::openSystemTable("LETTER.DBF", table));
    table.first();
    EXPECT_EQ(text(table, "DESCRIPT"), "Thank-you letter");
    EXPECT_EQ(text(table, "RTF"), "{\\rtf1 Thanks}");
}

TEST_F(SystemTablesTest, RegistrationReplacesByNameAndOrdersTheRebuild) {
    QStringList order;
    for (const auto& spec : pc::data::registeredSystemTables()) order << spec.fileName;
    EXPECT_EQ(order, QStringList({"LETTER.DBF", "LABEL.DBF", "CSZ.DBF", "LBLTPL.DBF",
                                  "ENVELOPE.DBF", "REPORT.DBF"}));

    EXPECT_FALSE(pc::data::systemTableCreatable("NOTES.DBF"));
    EXPECT_FALSE(pc::data::openSystemTable("NOTES.DBF", table));
    EXPECT_EQ(messages->texts(), QStringList{"Unable to Open or Create NOTES.DBF"});
    EXPECT_FALSE(QFile::exists(sysdata + "NOTES.DBF"));

    pc::data::registerSystemTable({.fileName = "notes.dbf",
                                   .fields = {{"DESCRIPT", "C", 20, 0}},
                                   .tag = "DESCRIPT",
                                   .tagExpression = "UPPER(descript)",
                                   .rebuildPosition = 7});
    pc::data::registerSystemTable({.fileName = "NOTES.DBF",
                                   .fields = {{"TITLE", "C", 30, 0}},
                                   .tag = "TITLE",
                                   .tagExpression = "UPPER(title)",
                                   .rebuildPosition = 7});
    ASSERT_TRUE(pc::data::openSystemTable("Notes.dbf", table));
    EXPECT_EQ(table.fieldCount(), 1);
    EXPECT_EQ(table.field(0).name(), "TITLE");
    EXPECT_EQ(TApollo(&table).tagName(1), "TITLE");
    EXPECT_EQ(pc::data::registeredSystemTables().size(), 7u);
}

}  // namespace
}  // namespace pc::test
