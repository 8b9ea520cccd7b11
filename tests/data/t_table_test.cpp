// The table layer: edits held until post, the state and event sequence a
// data source sees, navigation ends, and what a failed post leaves behind.
#include <QStringList>

#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_data_source.h"
#include "data_test_support.h"

namespace pc::test {
namespace {

using pc::data::DataError;
using pc::data::TApollo;
using pc::data::TDataSetState;
using pc::data::TDataSource;
using pc::data::TField;
using pc::data::TTable;

const char* stateName(TDataSetState s) {
    switch (s) {
        case TDataSetState::Inactive:
            return "inactive";
        case TDataSetState::Browse:
            return "browse";
        case TDataSetState::Edit:
            return "edit";
        case TDataSetState::Insert:
            return "insert";
    }
    return "?";
}

// Everything a table and its data source announce, in order.
struct EventLog {
    EventLog(TTable& table, TDataSource& source) {
        QObject::connect(&table, &TTable::beforeInsert, [this] { events << "beforeInsert"; });
        QObject::connect(&table, &TTable::afterInsert, [this] { events << "afterInsert"; });
        QObject::connect(&table, &TTable::afterEdit, [this] { events << "afterEdit"; });
        QObject::connect(&table, &TTable::afterPost, [this] { events << "afterPost"; });
        QObject::connect(&table, &TTable::afterCancel, [this] { events << "afterCancel"; });
        QObject::connect(&source, &TDataSource::stateChange, [this, &source] {
            events << QString("state:") + stateName(source.state());
        });
        QObject::connect(&source, &TDataSource::dataChange, [this](TField* f) {
            events << (f ? "data:" + f->name() : QStringLiteral("data"));
        });
    }
    QStringList take() {
        QStringList out = events;
        events.clear();
        return out;
    }
    QStringList events;
};

class TableTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        path = newAddressTable();
        openAddress(table, path);
        table.setOrderTagName(QStringLiteral("LNAME"));
    }
    QString path;
    TTable table;
    TDataSource source{&table};
};

TEST_F(TableTest, InsertEditPostAndCancelRaiseTheirEventsInOrder) {
    EventLog log(table, source);

    table.insert();
    EXPECT_EQ(log.take(), QStringList({"beforeInsert", "state:insert", "data", "afterInsert"}));
    table.fieldByName("lname").setText("Baker");
    EXPECT_EQ(log.take(), QStringList({"data:LNAME"}));
    table.post();
    EXPECT_EQ(log.take(), QStringList({"state:browse", "data", "afterPost"}));
    EXPECT_EQ(source.state(), TDataSetState::Browse);

    table.edit();
    EXPECT_EQ(log.take(), QStringList({"state:edit", "data", "afterEdit"}));
    table.fieldByName("LNAME").setText("Carter");
    table.cancel();
    EXPECT_EQ(log.take(), QStringList({"data:LNAME", "state:browse", "data", "afterCancel"}));
    EXPECT_EQ(text(table, "LNAME"), "Baker");

    table.close();
    EXPECT_EQ(source.state(), TDataSetState::Inactive);
}

TEST_F(TableTest, PostedValuesReachTheFileAndCancelledOnesDoNot) {
    add(table, "Baker  ", "Ann");
    table.edit();
    table.fieldByName("FNAME").setText("Bob");
    EXPECT_TRUE(table.fieldByName("FNAME").modified());
    table.cancel();
    table.edit();
    table.fieldByName("CITY").setText("Springfield");
    table.fieldByName("ISDEL").setAsBoolean(false);
    table.fieldByName("MEMO").setText("line one\r\nline two");
    table.post();

    table.close();
    openAddress(table, path);
    table.first();
    EXPECT_EQ(text(table, "LNAME"), "Baker");  // trailing blanks never come back
    EXPECT_EQ(text(table, "FNAME"), "Ann");
    EXPECT_EQ(text(table, "CITY"), "Springfield");
    EXPECT_EQ(text(table, "ISDEL"), "F");
    EXPECT_EQ(text(table, "MEMO"), "line one\r\nline two");
    EXPECT_EQ(TApollo(&table).recCount(), 1);
}

TEST_F(TableTest, CancelledInsertLeavesNoVisibleRecordAndReturnsToThePreviousOne) {
    add(table, "Adams");
    add(table, "Baker");
    table.first();
    table.next();
    ASSERT_EQ(text(table, "LNAME"), "Baker");

    table.insert();
    table.fieldByName("LNAME").setText("Zed");
    table.cancel();
    EXPECT_EQ(table.state(), TDataSetState::Browse);
    EXPECT_EQ(text(table, "LNAME"), "Baker");

    // The engine appended the record, so it is there but marked both ways.
    TApollo apollo(&table);
    EXPECT_EQ(apollo.recCount(), 3);
    sx_SetDeleted(false);
    ASSERT_TRUE(apollo.go(3));
    EXPECT_EQ(text(table, "ISDEL"), "T");
    EXPECT_EQ(text(table, "LNAME"), "");
    sx_SetDeleted(true);
    EXPECT_TRUE(apollo.setQuery("!ISDEL"));
    EXPECT_EQ(apollo.queryRecCount(), 2);

    QStringList seen;
    for (table.first(); !table.eof(); table.next()) seen << text(table, "LNAME");
    EXPECT_EQ(seen, QStringList({"Adams", "Baker"}));
}

TEST_F(TableTest, CancelledInsertIntoAnEmptyTableLeavesItEmpty) {
    table.insert();
    table.cancel();
    EXPECT_FALSE(table.hasCurrentRecord());
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table.bof());
}

TEST_F(TableTest, DeleteMarksTheRecordWhichStaysCurrentUntilTheNextMove) {
    add(table, "Adams");
    add(table, "Baker");
    add(table, "Clark");
    table.first();
    table.next();
    table.deleteRecord();
    EXPECT_EQ(text(table, "LNAME"), "Baker");
    {
        TApollo apollo(&table);
        EXPECT_EQ(apollo.queryRecCount(), 2);
    }
    QStringList seen;
    for (table.first(); !table.eof(); table.next()) seen << text(table, "LNAME");
    EXPECT_EQ(seen, QStringList({"Adams", "Clark"}));

    // Deleting during an insert only cancels it.
    table.insert();
    table.deleteRecord();
    EXPECT_EQ(table.state(), TDataSetState::Browse);
}

TEST_F(TableTest, NavigationStopsOnTheEndRecordsAndSaysSo) {
    table.first();
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table.bof());
    EXPECT_THROW(table.edit(), DataError);  // nothing to edit
    EXPECT_EQ(table.recNo(), TApollo(&table).recCount() + 1);

    add(table, "Clark");
    add(table, "Adams");
    add(table, "Baker");
    table.first();
    EXPECT_TRUE(table.bof());
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(text(table, "LNAME"), "Adams");
    table.prior();
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(text(table, "LNAME"), "Adams");

    table.next();
    EXPECT_FALSE(table.bof());
    table.next();
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(text(table, "LNAME"), "Clark");
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table.hasCurrentRecord());
    EXPECT_EQ(text(table, "LNAME"), "Clark");

    table.last();
    EXPECT_TRUE(table.eof());
    table.prior();
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(text(table, "LNAME"), "Baker");
}

TEST_F(TableTest, MovingDuringAnEditPostsItToTheEditedRecord) {
    add(table, "Adams");
    add(table, "Baker");
    table.first();
    table.edit();
    table.fieldByName("CITY").setText("Boston");
    table.next();
    EXPECT_EQ(table.state(), TDataSetState::Browse);
    table.first();
    EXPECT_EQ(text(table, "CITY"), "Boston");
    table.next();
    EXPECT_EQ(text(table, "CITY"), "");
}

TEST_F(TableTest, DisabledControlsHearNoDataChangesUntilTheLastEnable) {
    add(table, "Adams");
    EventLog log(table, source);
    table.disableControls();
    table.disableControls();
    table.first();
    table.edit();
    table.fieldByName("CITY").setText("Boston");
    table.post();
    EXPECT_EQ(log.take(), QStringList({"state:edit", "afterEdit", "state:browse", "afterPost"}));
    table.enableControls();
    EXPECT_TRUE(log.take().isEmpty());
    table.enableControls();
    EXPECT_EQ(log.take(), QStringList({"data"}));
    EXPECT_FALSE(table.controlsDisabled());
}

TEST_F(TableTest, ValuesChangeOnlyInTheirStateAndFieldsAreFoundInAnyCase) {
    add(table, "Adams");
    EXPECT_THROW(table.fieldByName("LNAME").setText("X"), DataError);
    EXPECT_THROW(table.fieldByName("FullName").setText("X"), DataError);
    EXPECT_THROW(table.fieldByName("NOSUCH"), DataError);
    EXPECT_EQ(table.findField("nosuch"), nullptr);
    EXPECT_EQ(table.findField("street2"), &table.fieldByName("STREET2"));
    EXPECT_THROW(table.addField("EXTRA", pc::data::TFieldType::String), DataError);

    table.close();
    EXPECT_THROW(table.first(), DataError);
    EXPECT_THROW(table.edit(), DataError);
}

// A table of our own with a number field, for the failures of a post.
class NumberTableTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        path = file("NUMS.DBF");
        const QByteArray p = path.toUtf8();
        ASSERT_NE(sx_CreateNew(p.constData(), "NUMS", pc::xbase::kDriverCdx, 2), 0);
        ASSERT_TRUE(sx_CreateField("NAME", "C", 10, 0));
        ASSERT_TRUE(sx_CreateField("AMOUNT", "N", 8, 2));
        ASSERT_NE(sx_CreateExec(), 0);
        sx_Close();
        table.setFolder(folder());
        table.setFileName("NUMS.DBF");
        table.open();
    }
    QString path;
    TTable table;
};

TEST_F(NumberTableTest, FieldsMadeFromTheFileAreDroppedOnClose) {
    ASSERT_EQ(table.fieldCount(), 2);
    EXPECT_EQ(table.field(1).name(), "AMOUNT");
    EXPECT_EQ(table.field(1).type(), pc::data::TFieldType::Number);
    EXPECT_EQ(table.field(1).width(), 8);
    table.close();
    EXPECT_EQ(table.fieldCount(), 0);
}

TEST_F(NumberTableTest, AFailedPostKeepsTheEditOpenAndTheRecordAsItWas) {
    table.insert();
    table.fieldByName("NAME").setText("first");
    table.fieldByName("AMOUNT").setText("12.5");
    table.post();
    EXPECT_EQ(text(table, "AMOUNT"), "12.50");

    table.edit();
    table.fieldByName("NAME").setText("second");
    table.fieldByName("AMOUNT").setText("lots");
    EXPECT_THROW(table.post(), DataError);
    EXPECT_EQ(table.state(), TDataSetState::Edit);
    table.cancel();
    table.close();
    table.open();
    EXPECT_EQ(text(table, "NAME"), "first");
    EXPECT_EQ(text(table, "AMOUNT"), "12.50");
}

TEST_F(NumberTableTest, AfterAPostFieldsShowWhatTheFileHoldsAndANewRecordStartsBlank) {
    table.insert();
    table.fieldByName("NAME").setText("far too long a name");
    table.fieldByName("AMOUNT").setText("7");
    table.post();
    EXPECT_EQ(text(table, "NAME"), "far too lo");
    EXPECT_EQ(text(table, "AMOUNT"), "7.00");

    table.insert();
    EXPECT_EQ(text(table, "NAME"), "");
    EXPECT_EQ(text(table, "AMOUNT"), "");
    table.fieldByName("NAME").setText(QString::fromUtf8("caf\u00e9 \u4e2d"));
    table.post();
    EXPECT_EQ(text(table, "NAME"), QString::fromUtf8("caf\u00e9 ?"));

    // A new opening may see another file under the same name.
    table.close();
    table.open();
    table.insert();
    EXPECT_EQ(text(table, "NAME"), "");
    table.cancel();
}

TEST_F(NumberTableTest, StoredFieldObjectsMustExistInTheFile) {
    table.close();
    table.addField("NAME", pc::data::TFieldType::String);
    table.addField("MISSING", pc::data::TFieldType::String);
    EXPECT_THROW(table.open(), DataError);
    EXPECT_FALSE(table.active());
    EXPECT_EQ(table.workArea(), 0);
}

}  // namespace
}  // namespace pc::test
