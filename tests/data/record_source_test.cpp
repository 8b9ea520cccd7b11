// The record source: the chosen records in the current order and query,
// all of them, from the current one on, or the tagged ones; both ways;
// counted; values by name with the calculated fields.
#include "data/record_source.h"

#include <algorithm>

#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/t_apollo.h"
#include "data_test_support.h"

namespace pc::test {
namespace {

using pc::data::RecordRange;
using pc::data::RecordSource;
using pc::data::TApollo;
using pc::data::TTable;

class RecordSourceTest : public DataTest {
  protected:
    void SetUp() override {
        DataTest::SetUp();
        openAddress(table, newAddressTable(), "T1");
        for (const char* name : {"Evans", "Adams", "Baker", "Bishop", "Carter", "Cole", "Davis"})
            add(table, name);
        apollo.setOrder(apollo.tagArea("LNAME"));
        for (const char* name : {"Baker", "Cole", "Davis"}) tag(name);
    }
    void tag(const QString& lname) {
        for (table.first(); table.hasCurrentRecord(); table.next()) {
            if (text(table, "LNAME") == lname) {
                table.edit();
                table.fieldByName("TAG").setText("T1");
                table.post();
                return;
            }
            if (table.eof()) break;
        }
        FAIL() << "no " << lname.toStdString();
    }
    static QStringList forward(RecordSource& records) {
        QStringList out;
        for (bool more = records.first(); more; more = records.next())
            out << records.value("LNAME");
        return out;
    }
    static QStringList backward(RecordSource& records) {
        QStringList out;
        for (bool more = records.last(); more; more = records.prior())
            out << records.value("LNAME");
        return out;
    }

    TTable table;
    TApollo apollo{&table};
};

TEST_F(RecordSourceTest, AllFollowsTheOrderQueryAndDeletedFilterBothWays) {
    RecordSource all(table);
    const QStringList sorted{"Adams", "Baker", "Bishop", "Carter", "Cole", "Davis", "Evans"};
    EXPECT_EQ(forward(all), sorted);
    EXPECT_TRUE(all.atRecord());  // the walk's end stays on the last record
    EXPECT_EQ(all.value("LNAME"), "Evans");
    QStringList reversed = sorted;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(backward(all), reversed);
    EXPECT_EQ(all.count(), 7);

    pc::data::QuerySetting filter(apollo, "LNAME = 'B' .or. LNAME = 'C'");
    ASSERT_TRUE(filter.ok());
    EXPECT_EQ(forward(all), (QStringList{"Baker", "Bishop", "Carter", "Cole"}));
    EXPECT_EQ(all.count(), 4);

    // A deletion-marked record is skipped while the deleted filter is on.
    ASSERT_TRUE(all.first());
    table.deleteRecord();
    EXPECT_EQ(forward(all), (QStringList{"Bishop", "Carter", "Cole"}));
    {
        pc::data::DeletedFilterSetting shown(false);
        EXPECT_EQ(forward(all), (QStringList{"Baker", "Bishop", "Carter", "Cole"}));
    }
}

TEST_F(RecordSourceTest, FromCurrentStartsAtTheRecordCurrentWhenMade) {
    ASSERT_TRUE(apollo.seek("CARTER"));
    {
        RecordSource rest(table, RecordRange::FromCurrent);
        table.first();  // moving away does not change where the range starts
        EXPECT_EQ(forward(rest), (QStringList{"Carter", "Cole", "Davis", "Evans"}));
        EXPECT_EQ(backward(rest), (QStringList{"Evans", "Davis", "Cole", "Carter"}));
        EXPECT_EQ(rest.count(), 4);
    }
    // prior() before the start stays put, and the table object follows.
    EXPECT_EQ(text(table, "LNAME"), "Carter");

    TTable empty;
    openAddress(empty, newAddressTable("ADD0002.DBF"));
    RecordSource none(empty, RecordRange::FromCurrent);
    EXPECT_FALSE(none.first());
    EXPECT_FALSE(none.atRecord());
    EXPECT_EQ(none.count(), 0);
    EXPECT_THROW(none.setValue("TAG", "T2"), pc::data::DataError);  // no record
}

TEST_F(RecordSourceTest, TaggedKeepsToTheTagIdentifier) {
    RecordSource tagged(table, RecordRange::Tagged, "T1");
    EXPECT_EQ(forward(tagged), (QStringList{"Baker", "Cole", "Davis"}));
    // The walk looked past Davis at Evans and came back.
    EXPECT_EQ(tagged.value("LNAME"), "Davis");
    EXPECT_EQ(backward(tagged), (QStringList{"Davis", "Cole", "Baker"}));
    EXPECT_EQ(tagged.count(), 3);

    RecordSource otherTag(table, RecordRange::Tagged, "T2");
    EXPECT_FALSE(otherTag.first());
    EXPECT_EQ(otherTag.count(), 0);
    RecordSource noTag(table, RecordRange::Tagged, "");
    EXPECT_EQ(noTag.count(), 0);
    EXPECT_FALSE(noTag.first());
}

TEST_F(RecordSourceTest, ValuesByNameIncludeCalculatedFields) {
    RecordSource tagged(table, RecordRange::Tagged, "T1");
    ASSERT_TRUE(tagged.first());
    EXPECT_EQ(tagged.value("LNAME"), "Baker");
    EXPECT_EQ(tagged.value("lname"), "Baker");
    EXPECT_EQ(tagged.value("Tagged"), "T");  // calculated
    EXPECT_EQ(tagged.recNo(), table.recNo());
    EXPECT_THROW(tagged.value("NOSUCH"), pc::data::DataError);
}

TEST_F(RecordSourceTest, SetValueWritesRecordAndKeysAndTheTableFollows) {
    {
        RecordSource all(table);
        for (bool more = all.first(); more; more = all.next())
            if (all.value("LNAME").startsWith('C')) all.setValue("TAG", "T2");
        EXPECT_THROW(all.setValue("Tagged", "T"), pc::data::DataError);  // calculated
    }
    EXPECT_EQ(text(table, "LNAME"), "Evans");  // the table object shows where the walk ended
    RecordSource t2(table, RecordRange::Tagged, "T2");
    EXPECT_EQ(forward(t2), (QStringList{"Carter", "Cole"}));
    EXPECT_EQ(t2.value("Tagged"), "F");  // the table's own identifier is T1
    // The TAG order knows the new values.
    pc::data::OrderSetting byTag(apollo, apollo.tagArea("TAG"));
    EXPECT_TRUE(apollo.seek("T2"));
    EXPECT_EQ(text(table, "LNAME"), "Carter");
}

}  // namespace
}  // namespace pc::test
