// The browse grid: rows read on demand in the current order and filter,
// tagging from the grid, the column order kept in FIELDS.LST, and the
// record the grid ends on going back to the main window.
#include "records/address_browse.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <random>

#include "address_test_home.h"
#include "app/t_address_main.h"
#include "data/t_apollo.h"
#include "named_child.h"
#include "records/address_table_model.h"
#include "records/fields_list_file.h"

namespace pc::app::test {
namespace {

using pc::test::named;

QString cell(const records::AddressTableModel& model, int row, const QString& field) {
    const int column = model.columnFields().indexOf(field);
    EXPECT_GE(column, 0) << field.toStdString();
    return model.data(model.index(row, column)).toString();
}

class AddressBrowseTest : public AddressHome {
  protected:
    void TearDown() override {
        window.reset();
        AddressHome::TearDown();
    }
    void openPeople() {
        openNewTable();
        add({{"LNAME", "Young"}, {"CITY", "Boston"}, {"TAG", "TAG0001"}, {"DATE", "19970428"}});
        add({{"LNAME", "Adams"}, {"CITY", "Boston"}});
        add({{"LNAME", "Moss"}, {"CITY", "Denver"}});
        add({{"LNAME", "Baker"}, {"CITY", "Boston"}});
        add({{"LNAME", "Gone"}, {"CITY", "Boston"}});
        table.deleteRecord();
        table.setOrderTagName("LNAME");
        apollo.setQuery("UPPER(CITY)=\"BOSTON\" .and. !ISDEL");
        table.first();
    }
    std::function<QString()> tagId = [] { return QStringLiteral("TAG0001"); };
    pc::data::TApollo apollo{&table};
    std::unique_ptr<TAddressMain> window;
};

TEST_F(AddressBrowseTest, ModelShowsTheFilteredRecordsInOrderWithoutMovingTheTable) {
    openPeople();
    const int before = table.recNo();
    records::AddressTableModel model(&table, tagId);

    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(cell(model, 0, "LNAME"), "Adams");
    EXPECT_EQ(cell(model, 1, "LNAME"), "Baker");
    EXPECT_EQ(cell(model, 2, "LNAME"), "Young");
    EXPECT_EQ(cell(model, 2, "Tagged"), "Yes");
    EXPECT_EQ(cell(model, 0, "Tagged"), "No");
    EXPECT_FALSE(cell(model, 2, "DisplayDate").isEmpty());
    EXPECT_FALSE(model.data(model.index(3, 0)).isValid());

    // Hidden fields are no columns; labels head them.
    EXPECT_FALSE(model.columnFields().contains("TAG"));
    EXPECT_FALSE(model.columnFields().contains("MEMO"));
    EXPECT_EQ(model.columnFields().first(), "Tagged");
    EXPECT_EQ(model.headerData(model.columnFields().indexOf("LNAME"), Qt::Horizontal), "Last Name");

    // Reading rows leaves the engine where the table object is.
    EXPECT_EQ(table.recNo(), before);
    EXPECT_EQ(apollo.recNo(), before);
    EXPECT_EQ(model.rowOfRecord(before), 0);
}

TEST_F(AddressBrowseTest, ModelFindsFarRowsByWalkingFromKnownOnes) {
    openNewTable();
    std::vector<int> numbers(600);
    for (int i = 0; i < 600; ++i) numbers[i] = i;
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(7));
    for (int n : numbers) add({{"LNAME", QString("N%1").arg(n, 4, 10, QChar('0'))}});
    table.setOrderTagName("LNAME");
    apollo.setQuery("!ISDEL");
    records::AddressTableModel model(&table, tagId);
    ASSERT_EQ(model.rowCount(), 600);

    // Jumps in every direction, across and inside cached blocks.
    for (int row : {450, 599, 3, 300, 301, 257, 128, 0, 598, 512}) {
        EXPECT_EQ(cell(model, row, "LNAME"), QString("N%1").arg(row, 4, 10, QChar('0')))
            << "row " << row;
    }
    const int recno = model.recordAt(590);
    EXPECT_EQ(model.rowOfRecord(recno), 590);
    EXPECT_EQ(model.rowOfRecord(recno, 5), -1);  // beyond the search limit
}

TEST_F(AddressBrowseTest, TaggingFromTheGridTogglesAndFollowsATaggedOnlyFilter) {
    openPeople();
    records::AddressTableModel model(&table, tagId);
    ASSERT_TRUE(model.toggleTag(0));
    EXPECT_EQ(table.fieldByName("LNAME").text(), "Adams");
    EXPECT_EQ(table.fieldByName("TAG").text(), "TAG0001");
    EXPECT_EQ(cell(model, 0, "Tagged"), "Yes");
    ASSERT_TRUE(model.toggleTag(0));
    EXPECT_EQ(table.fieldByName("TAG").text(), "");
    EXPECT_EQ(cell(model, 0, "Tagged"), "No");

    apollo.setQuery("UPPER(TAG)=\"TAG0001\" .and. !ISDEL");
    model.reload();
    ASSERT_EQ(model.rowCount(), 1);
    ASSERT_TRUE(model.toggleTag(0));  // untagged: it leaves the filter
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.toggleTag(0));
}

TEST_F(AddressBrowseTest, MovedColumnsKeepHiddenFieldsInTheirPlaces) {
    openPeople();
    records::AddressTableModel model(&table, tagId);
    model.setFieldOrder({"lname", "MEMO", "fname", "NOSUCH"});
    EXPECT_EQ(model.fieldOrder().mid(0, 3), QStringList({"LNAME", "MEMO", "FNAME"}));
    EXPECT_EQ(model.fieldOrder().size(), table.fieldCount());
    EXPECT_EQ(model.columnFields().mid(0, 2), QStringList({"LNAME", "FNAME"}));

    QStringList shown = model.columnFields();
    shown.swapItemsAt(0, 1);
    const QStringList order = model.orderWithColumns(shown);
    EXPECT_EQ(order.mid(0, 3), QStringList({"FNAME", "MEMO", "LNAME"}));
}

TEST_F(AddressBrowseTest, FieldsListRoundTripsAndIgnoresWhatItCannotUse) {
    const QStringList fields = {"Tagged", "LNAME", "FNAME", "CITY", "TAG"};
    const QString path = home + "sysdata/FIELDS.LST";
    EXPECT_EQ(records::readFieldsList(path, fields), fields);  // no file yet

    const QStringList moved = {"CITY", "LNAME", "Tagged", "FNAME", "TAG"};
    ASSERT_TRUE(records::writeFieldsList(path, moved));
    EXPECT_EQ(records::readFieldsList(path, fields), moved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("CITY\r\nLNAME\r\n"));
    file.close();

    // Names in any case, unknown ones skipped, a short list moves only those named.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("city\nBOGUS\nfname\n");
    file.close();
    EXPECT_EQ(records::readFieldsList(path, fields),
              QStringList({"CITY", "Tagged", "FNAME", "LNAME", "TAG"}));

    // Binary data is not a field list.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("CITY\n\0\x01\x02LNAME\n", 14));
    file.close();
    EXPECT_EQ(records::readFieldsList(path, fields), fields);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(100000, 'A'));
    file.close();
    EXPECT_EQ(records::readFieldsList(path, fields), fields);
}

TEST_F(AddressBrowseTest, DialogNavigatesWithinTheRowsAndSavesTheColumnOrder) {
    openPeople();
    records::writeFieldsList(home + "sysdata/FIELDS.LST", {"CITY", "LNAME"});
    records::TAddressBrowse browse(&table, tagId, table.recNo());
    EXPECT_EQ(browse.windowTitle(), "Address Browse");
    EXPECT_EQ(browse.model()->columnFields().mid(0, 2), QStringList({"CITY", "LNAME"}));
    EXPECT_EQ(browse.grid()->currentIndex().row(), 0);

    browse.PriorButtonClick();  // beeps at the top
    EXPECT_EQ(browse.grid()->currentIndex().row(), 0);
    browse.LastButtonClick();
    EXPECT_EQ(browse.grid()->currentIndex().row(), 2);
    browse.NextButtonClick();  // beeps at the bottom
    EXPECT_EQ(browse.grid()->currentIndex().row(), 2);
    browse.PriorButtonClick();
    EXPECT_EQ(browse.grid()->currentIndex().row(), 1);
    browse.TagButtonClick();
    EXPECT_EQ(table.fieldByName("LNAME").text(), "Baker");
    EXPECT_EQ(table.fieldByName("TAG").text(), "TAG0001");
    EXPECT_EQ(browse.currentRecord(), table.recNo());

    // The user drags Last Name to the front; closing keeps that order.
    browse.grid()->horizontalHeader()->moveSection(1, 0);
    browse.accept();
    const QStringList saved =
        records::readFieldsList(home + "sysdata/FIELDS.LST", browse.model()->fieldOrder());
    EXPECT_EQ(saved.mid(0, 2), QStringList({"LNAME", "CITY"}));
    EXPECT_EQ(saved.size(), table.fieldCount());
}

TEST_F(AddressBrowseTest, MainWindowTakesTheRecordTheGridEndsOn) {
    openPeople();
    const QString path = table.path();
    table.close();
    ini().writeString("MRU", "Item1", path);
    window = std::make_unique<TAddressMain>();
    window->FormActivate();
    ASSERT_TRUE(window->active());
    EXPECT_TRUE(window->mnuBrowse->isEnabled());
    EXPECT_EQ(window->TablePKW->fieldByName("LNAME").text(), "Adams");

    QTimer::singleShot(0, [] {
        auto* browse = qobject_cast<records::TAddressBrowse*>(QApplication::activeModalWidget());
        ASSERT_NE(browse, nullptr);
        browse->LastButtonClick();
        browse->accept();
    });
    window->BrowseButtonClick();
    EXPECT_EQ(window->TablePKW->fieldByName("LNAME").text(), "Young");
    EXPECT_EQ(named<QLineEdit>(window.get(), "LastEdit")->text(), "Young");
    EXPECT_EQ(named<QLabel>(window.get(), "FilterIndicator")->text(), "4 records (no filter)");
}

}  // namespace
}  // namespace pc::app::test
