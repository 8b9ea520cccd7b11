// The system-data tables: made when missing, opened in any letter case,
// given their one tag, and the texts when they cannot be had.
#include "data/system_tables.h"

#include <QDir>
#include <QFile>

#include "data/t_apollo.h"
#include "data_test_support.h"
#include "text/program_paths.h"

namespace pc::test {
namespace {

using pc::data::SystemTable;
using pc::data::TApollo;
using pc::data::TTable;

class SystemTablesTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        pc::text::setHome(folder());
        sysdata = pc::text::sysdataDir();
        QDir().mkpath(sysdata);
    }
    QString sysdata;
    TTable table;
};

TEST_F(SystemTablesTest, MissingTablesAreCreatedWithTheirFieldsAndTag) {
    struct Expected {
        SystemTable which;
        const char* file;
        QStringList fields;
    };
    const Expected cases[] = {
        {SystemTable::Letter, "LETTER.DBF", {"DESCRIPT", "RTF"}},
        {SystemTable::Report, "REPORT.DBF", {"DESCRIPT", "LAYOUT", "BINARY"}},
        {SystemTable::Envelope, "ENVELOPE.DBF", {"DESCRIPT", "NUMBER", "BINARY"}},
        {SystemTable::Label,
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

    ASSERT_TRUE(pc::data::openSystemTable(SystemTable::Label, table));
    EXPECT_EQ(table.fieldByName("LBLHEIGHT").width(), 6);
    EXPECT_EQ(table.fieldByName("DELETED").type(), pc::data::TFieldType::Logical);
}

TEST_F(SystemTablesTest, TablesTheProgramDoesNotMakeReportThatTheyAreMissing) {
    EXPECT_FALSE(pc::data::openSystemTable(SystemTable::LabelTemplate, table));
    EXPECT_FALSE(pc::data::openSystemTable(SystemTable::Csz, table));
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

    ASSERT_TRUE(pc::data::openSystemTable(SystemTable::Csz, table));
    EXPECT_EQ(table.fileName(), "csz.dbf");
    TApollo apollo(&table);
    EXPECT_EQ(apollo.tagName(1), "STATE");
    EXPECT_EQ(apollo.tagCount(), 1);

    // A second open finds the index there and leaves it alone.
    ASSERT_TRUE(pc::data::openSystemTable(SystemTable::Csz, table));
    EXPECT_EQ(TApollo(&table).tagCount(), 1);
}

TEST_F(SystemTablesTest, AnUnreadableTableIsReportedNotReplaced) {
    const std::string junk = "not a table";
    writeFile((sysdata + "LETTER.DBF").toStdString(), junk);
    EXPECT_FALSE(pc::data::openSystemTable(SystemTable::Letter, table));
    EXPECT_EQ(messages->texts(), QStringList({"Unable to Open or Create LETTER.DBF"}));
    EXPECT_EQ(readFile((sysdata + "LETTER.DBF").toStdString()), junk);
}

TEST_F(SystemTablesTest, TheSameTableObjectServesOneSystemTableAfterAnother) {
    ASSERT_TRUE(pc::data::openSystemTable(SystemTable::Report, table));
    ASSERT_TRUE(pc::data::openSystemTable(SystemTable::Letter, table));
    EXPECT_EQ(table.fieldCount(), 2);
    table.insert();
    table.fieldByName("descript").setText("Thank-you letter");
    table.fieldByName("RTF").setText("{\\rtf1 Thanks}");
    table.post();
    ASSERT_TRUE(pc::data::openSystemTable(SystemTable::Letter, table));
    table.first();
    EXPECT_EQ(text(table, "DESCRIPT"), "Thank-you letter");
    EXPECT_EQ(text(table, "RTF"), "{\\rtf1 Thanks}");
}

}  // namespace
}  // namespace pc::test
