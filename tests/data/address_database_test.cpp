// Address databases: creation with its widths and tags, reopening, the
// index check and the texts the user sees when something fails.
#include <QFile>
#include <filesystem>

#include "data/t_apollo.h"
#include "data_test_support.h"

namespace pc::test {
namespace {

using pc::data::NewFileFieldLengths;
using pc::data::TApollo;
using pc::data::TTable;

class AddressDatabaseTest : public DataTest {
  protected:
    // A database whose index lacks the given tags.
    QString tableWithout(const QStringList& absent, const QString& base = "ADD0001") {
        const QString path = newAddressTable(base + ".DBF");
        TTable table;
        openAddress(table, path);
        TApollo apollo(&table);
        apollo.closeIndexes();
        EXPECT_TRUE(QFile::remove(file(base + ".CDX")));
        for (const auto& t : pc::data::addressTags()) {
            if (!absent.contains(t.name)) {
                EXPECT_NE(apollo.indexTag(t.name, t.expression), 0);
            }
        }
        return path;
    }
};

TEST_F(AddressDatabaseTest, NewTableHasTheSchemaAndAll26TagsInOrder) {
    const QString path = newAddressTable();
    EXPECT_TRUE(messages->texts().isEmpty());
    EXPECT_TRUE(QFile::exists(file("ADD0001.FPT")));
    EXPECT_TRUE(QFile::exists(file("ADD0001.CDX")));

    TTable table;
    openAddress(table, path);
    TApollo apollo(&table);
    QStringList tags;
    for (int i = 1; i <= apollo.tagCount(); ++i) tags << apollo.tagName(i);
    EXPECT_EQ(tags, pc::data::addressTagNames());
    EXPECT_TRUE(pc::data::CheckValidIndex(table));
    EXPECT_EQ(table.fieldByName("FAX").width(), 40);
    EXPECT_EQ(table.fieldByName("MIDDLE").width(), 1);
    EXPECT_EQ(table.fieldByName("DATE").width(), 15);
    EXPECT_EQ(table.fieldByName("ISDEL").type(), pc::data::TFieldType::Logical);
    EXPECT_EQ(table.fieldByName("MEMO").type(), pc::data::TFieldType::Memo);
    EXPECT_EQ(pc::data::GetDatabasePath(table), folder());
    table.close();
    EXPECT_EQ(pc::data::GetDatabasePath(table), "");
}

TEST_F(AddressDatabaseTest, OtherWidthsAreCreatedAndTakenFromTheFileOnOpen) {
    NewFileFieldLengths lengths;
    lengths.setWidth("LNAME", 12);
    lengths.setWidth("ZIP", 80);
    lengths.setWidth("CITY", 81);  // out of range: the default
    TTable creation;
    ASSERT_TRUE(pc::data::createAddressTable(file("NARROW.DBF"), lengths, creation));
    EXPECT_FALSE(creation.active());

    TTable table;
    openAddress(table, file("NARROW.DBF"));
    EXPECT_EQ(table.fieldByName("LNAME").width(), 12);
    EXPECT_EQ(table.fieldByName("ZIP").width(), 80);
    EXPECT_EQ(table.fieldByName("CITY").width(), 30);

    // Values longer than the file's width are cut by it.
    table.insert();
    table.fieldByName("LNAME").setText("Abercrombie-Fitch");
    table.post();
    EXPECT_EQ(text(table, "LNAME"), "Abercrombie-");
}

TEST_F(AddressDatabaseTest, CreationNeverOverwritesAnExistingFile) {
    const QString path = newAddressTable();
    {
        TTable table;
        openAddress(table, path);
        add(table, "Keep");
    }
    TTable creation;
    EXPECT_FALSE(
        pc::data::createAddressTable(file("add0001.dbf"), NewFileFieldLengths(), creation));
    EXPECT_EQ(messages->texts(), QStringList({"Create failed"}));
    TTable table;
    openAddress(table, path);
    EXPECT_EQ(TApollo(&table).recCount(), 1);
}

TEST_F(AddressDatabaseTest, MissingTagMakesTheIndexInvalidAndIsNamed) {
    TTable table;
    bool valid = true;
    ASSERT_TRUE(pc::data::OpenPKWFile(tableWithout({"STATEZIP"}), table, &valid));
    EXPECT_FALSE(valid);
    QStringList missing;
    EXPECT_FALSE(pc::data::CheckValidIndex(table, &missing));
    EXPECT_EQ(missing, QStringList({"STATEZIP"}));
}

TEST_F(AddressDatabaseTest, FixtureWithAll26TagsFromAnotherEngineIsValid) {
    const QString path =
        QString::fromStdString(copyFixture(dir, "tags26", {".dbf", ".fpt", ".cdx"}));
    TTable table;
    bool valid = false;
    ASSERT_TRUE(pc::data::OpenPKWFile(path, table, &valid));
    EXPECT_TRUE(valid);
    EXPECT_EQ(TApollo(&table).recCount(), 300);
}

TEST_F(AddressDatabaseTest, OpenFailuresTellTheUser) {
    TTable table;
    pc::data::defineAddressFields(table, {});
    const QString missing = file("NOPE.DBF");
    EXPECT_FALSE(pc::data::OpenPKWFile(missing, table));
    const QString notPostcraft =
        "Unable to open %1\r\n\r\n * May not be a Postcraft file.\r\n"
        " * May be in use by another program or user";
    EXPECT_EQ(messages->texts(),
              QStringList({"File " + missing + " not found", notPostcraft.arg(missing)}));

    messages->clear();
    const QString junk = file("JUNK.DBF");
    writeFile(junk.toStdString(), "this is not a table at all");
    EXPECT_FALSE(pc::data::OpenPKWFile(junk, table));
    EXPECT_EQ(messages->texts(), QStringList({notPostcraft.arg(junk)}));
    EXPECT_FALSE(table.active());
    EXPECT_EQ(pc::test::readFile(junk.toStdString()), "this is not a table at all");

    // A table that is not an address table lacks the stored fields.
    messages->clear();
    const QByteArray other = file("OTHER.DBF").toUtf8();
    ASSERT_NE(sx_CreateNew(other.constData(), "OTHER", pc::xbase::kDriverCdx, 1), 0);
    ASSERT_TRUE(sx_CreateField("LNAME", "C", 20, 0));
    ASSERT_NE(sx_CreateExec(), 0);
    sx_Close();
    EXPECT_FALSE(pc::data::OpenPKWFile(file("OTHER.DBF"), table));
    EXPECT_EQ(messages->texts(), QStringList({notPostcraft.arg(file("OTHER.DBF"))}));
}

TEST_F(AddressDatabaseTest, FileNamesAreFoundWithoutRegardToCase) {
    newAddressTable();
    TTable table;
    openAddress(table, file("add0001.dbf"));
    EXPECT_EQ(table.fileName(), "ADD0001.DBF");
    EXPECT_EQ(table.orderTagName(), "");
}

TEST_F(AddressDatabaseTest, InvalidIndexAsksForARebuildAndClosesWhenDeclined) {
    const QString path = tableWithout({"ZIP"});
    TTable table;
    messages->answer(false);
    bool rebuilt = false;
    auto result = pc::data::openAddressDatabase(path, table, [&] { rebuilt = true; });
    EXPECT_TRUE(result.fileOpened);
    EXPECT_FALSE(result.tableOpen);
    EXPECT_FALSE(rebuilt);
    EXPECT_FALSE(table.active());
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].kind, "ask");
    EXPECT_EQ(messages->shown()[0].caption, "Warning");
    EXPECT_EQ(messages->shown()[0].text,
              "The index file for " + path + "\r\nis missing or invalid. Rebuild now?");
}

TEST_F(AddressDatabaseTest, AnIndexWhoseKeysNoLongerMatchTheRecordsIsOfferedARebuild) {
    const QString path = newAddressTable();
    const std::string native = path.toStdString();
    ASSERT_NE(sx_Use(native.c_str(), "A", pc::xbase::kExclusive, pc::xbase::kDriverNone), 0);
    sx_AppendBlank();
    sx_Replace("LNAME", "Adams");
    sx_Commit();
    sx_CloseIndexes();  // changed behind the index's back: all 26 tags stay
    sx_Go(1);
    sx_Replace("LNAME", "Zed");
    sx_Commit();
    sx_CloseAll();

    TTable table;
    messages->answer(true);
    bool offered = false;
    auto result = pc::data::openAddressDatabase(path, table, [&] {
        offered = true;
        EXPECT_TRUE(pc::data::createAddressTags(table));
    });
    EXPECT_TRUE(offered);
    EXPECT_TRUE(result.tableOpen);
    EXPECT_TRUE(pc::data::CheckValidIndex(table));
}

TEST_F(AddressDatabaseTest, RebuildOnYesMakesTheTableUsable) {
    const QString path = tableWithout({"ZIP", "NAME"});
    TTable table;
    messages->answer(true);
    // Every one of the 26 tags reports its 100 steps.
    std::vector<int> lastPercent(26, -1);
    auto result = pc::data::openAddressDatabase(path, table, [&] {
        EXPECT_TRUE(pc::data::createAddressTags(table, [&](int done, int total) {
            EXPECT_EQ(total, 2600);
            if (done > 0) lastPercent.at((done - 1) / 100) = (done - 1) % 100 + 1;
            return true;
        }));
    });
    EXPECT_TRUE(result.tableOpen);
    EXPECT_TRUE(pc::data::CheckValidIndex(table));
    EXPECT_EQ(lastPercent, std::vector<int>(26, 100));

    // A rebuild that does not help still closes the table.
    table.close();
    const QString other = tableWithout({"TAG"}, "ADD0002");
    messages->answer(true);
    result = pc::data::openAddressDatabase(other, table, [] {});
    EXPECT_TRUE(result.fileOpened);
    EXPECT_FALSE(result.tableOpen);
}

TEST_F(AddressDatabaseTest, TagsAreRebuiltOverAnIndexThatNoLongerMatches) {
    QStringList allButTag = pc::data::addressTagNames();
    allButTag.removeAll("TAG");
    const QString path = tableWithout(allButTag);
    const std::string oldIndex = readFile(file("ADD0001.CDX").toStdString());
    {
        TTable table;
        openAddress(table, path);
        add(table, "Baker");
        add(table, "Adams");
    }
    // An index made when the table was empty: the engine finds it stale.
    writeFile(file("ADD0001.CDX").toStdString(), oldIndex);

    TTable table;
    openAddress(table, path);
    EXPECT_FALSE(pc::data::CheckValidIndex(table));
    ASSERT_TRUE(pc::data::createAddressTags(table));
    TApollo apollo(&table);
    EXPECT_EQ(apollo.tagCount(), 26);
    EXPECT_EQ(apollo.tagName(1), "NAME");  // the stale tag did not come back first
    table.setOrderTagName("LNAME");
    table.first();
    EXPECT_EQ(text(table, "LNAME"), "Adams");
}

TEST(RebuildGaugeTest, SumOfTagPercentagesOver21IsRounded) {
    EXPECT_EQ(pc::data::rebuildGaugePercent(0), 0);
    EXPECT_EQ(pc::data::rebuildGaugePercent(2100), 100);
    EXPECT_EQ(pc::data::rebuildGaugePercent(102), 5);     // 4.86
    EXPECT_EQ(pc::data::rebuildGaugePercent(52), 2);      // 2.48
    EXPECT_EQ(pc::data::rebuildGaugePercent(2600), 124);  // all 26 tags done
}

}  // namespace
}  // namespace pc::test
