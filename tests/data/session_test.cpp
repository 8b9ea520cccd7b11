// The session a subsystem window works on: the table's position and the
// calculated fields go through it, the order and filter through its host.
#include "data/session.h"

#include "data/t_apollo.h"
#include "data_test_support.h"

namespace pc::test {
namespace {

using pc::data::Session;
using pc::data::TApollo;
using pc::data::TTable;

class RecordingHost : public Session::Host {
  public:
    QString orderTag() const override { return order; }
    void selectOrder(const QString& tag) override { order = tag; }
    QString filter() const override { return filterText; }
    void applyFilter(const QString& filter) override { filterText = filter; }
    QString tagId() const override { return QStringLiteral("K3X9"); }
    void pauseForSubsystem(bool) override {}
    void resumeFromSubsystem() override {}
    void refreshAfterSubsystem() override {}
    QString order = "LNAME";
    QString filterText;
};

class SessionTest : public DataTest {
  protected:
    TTable table;
    TApollo engine{&table};
    RecordingHost host;
    Session session{table, engine, host};
};

TEST_F(SessionTest, GoesOnlyToRecordsThatExistAndNeedsAnOpenTable) {
    EXPECT_FALSE(session.active());
    EXPECT_EQ(session.currentRecord(), 0);
    EXPECT_FALSE(session.goToRecord(1));

    openAddress(table, newAddressTable(), "K3X9");
    for (const char* name : {"Avery", "Brook", "Chase"}) add(table, name);
    ASSERT_TRUE(session.goToRecord(2));
    EXPECT_EQ(session.currentRecord(), 2);
    EXPECT_EQ(text(table, "LNAME"), "Brook");
    for (int outside : {0, -1, 4}) EXPECT_FALSE(session.goToRecord(outside)) << outside;
    EXPECT_EQ(session.currentRecord(), 2);
}

TEST_F(SessionTest, CalculatedFieldsAreSwitchedOnTheTable) {
    openAddress(table, newAddressTable());
    table.insert();
    table.fieldByName("FNAME").setText("Ada");
    table.fieldByName("LNAME").setText("Lovelace");
    table.post();
    EXPECT_FALSE(session.calculatedFieldsShown());
    session.showCalculatedFields(true);
    EXPECT_TRUE(session.calculatedFieldsShown());
    EXPECT_EQ(text(table, "FullName"), "Ada Lovelace");
    session.showCalculatedFields(false);
    EXPECT_FALSE(session.calculatedFieldsShown());
}

TEST_F(SessionTest, OrderFilterAndTagIdentifierComeFromTheHost) {
    EXPECT_EQ(session.orderTag(), "LNAME");
    session.selectOrder("ZIP");
    session.applyFilter("STATE = 'IL'");
    EXPECT_EQ(host.order, "ZIP");
    EXPECT_EQ(session.filter(), "STATE = 'IL'");
    EXPECT_EQ(session.tagId(), "K3X9");
}

}  // namespace
}  // namespace pc::test
