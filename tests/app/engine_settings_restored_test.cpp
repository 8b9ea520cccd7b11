// A print-style loop over the chosen records that opens a modal dialog
// half-way; while the dialog's event loop runs, other code flips exact, the
// order and the filter for its own moment. Every setting ends as it began.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "address_test_home.h"
#include "data/engine_setting_guards.h"
#include "data/record_source.h"
#include "data/t_apollo.h"

namespace pc::app::test {
namespace {

class EngineSettingsRestoredTest : public AddressHome {};

bool exactOn() {
    const bool on = sx_SetExact(false);
    sx_SetExact(on);
    return on;
}

bool softSeekOn() {
    const bool on = sx_SetSoftSeek(false);
    sx_SetSoftSeek(on);
    return on;
}

TEST_F(EngineSettingsRestoredTest, AModalDialogMidLoopLeavesTheSettingsAsTheyWere) {
    openNewTable();
    for (const char* name : {"Evans", "Adams", "Baker", "Carter", "Davis"})
        add({{"LNAME", name}, {"CITY", "Dover"}});
    pc::data::TApollo apollo(&table);
    const int lnameOrder = apollo.tagArea("LNAME");
    apollo.setOrder(lnameOrder);
    ASSERT_TRUE(apollo.setQuery("!ISDEL"));
    const QString query = apollo.query();

    QStringList printed;
    int flips = 0;
    {
        pc::data::ExactSetting exact(true);  // the loop's own settings
        pc::data::SoftSeekSetting soft(true);
        pc::data::RecordSource records(table);
        for (bool more = records.first(); more; more = records.next()) {
            printed << records.value("LNAME");
            if (printed.size() != 2) continue;
            // Half-way: a modal box; while it waits, a timer looks something
            // up in another order with another filter, then closes the box.
            QMessageBox box(QMessageBox::Information, "Printing", "Insert the next sheet");
            QTimer::singleShot(0, &box, [&] {
                pc::data::ExactSetting exactOff(false);
                pc::data::DeletedFilterSetting deletedShown(false);
                pc::data::OrderSetting cityOrder(apollo, apollo.tagArea("CITY"));
                pc::data::QuerySetting other(apollo, "LNAME = 'C'");
                ++flips;
                EXPECT_FALSE(exactOn());
                EXPECT_EQ(apollo.query(), "LNAME = 'C'");
                QTimer::singleShot(0, &box, &QMessageBox::accept);
            });
            box.exec();
            QApplication::processEvents();
            // The walk goes on in its own order and filter.
            EXPECT_EQ(apollo.order(), lnameOrder);
            EXPECT_TRUE(exactOn());
        }
        EXPECT_TRUE(softSeekOn());
    }
    EXPECT_EQ(flips, 1);
    EXPECT_EQ(printed, (QStringList{"Adams", "Baker", "Carter", "Davis", "Evans"}));
    EXPECT_FALSE(exactOn());
    EXPECT_FALSE(softSeekOn());
    {
        // The program runs with deleted records hidden.
        const bool on = sx_SetDeleted(true);
        EXPECT_TRUE(on);
    }
    EXPECT_EQ(apollo.order(), lnameOrder);
    EXPECT_EQ(apollo.query(), query);
}

TEST_F(EngineSettingsRestoredTest, GuardsRestoreOnAnExceptionToo) {
    openNewTable();
    add({{"LNAME", "Adams"}});
    pc::data::TApollo apollo(&table);
    apollo.setOrder(0);
    try {
        pc::data::ExactSetting exact(true);
        pc::data::OrderSetting order(apollo, apollo.tagArea("LNAME"));
        pc::data::QuerySetting query(apollo, "LNAME = 'A'");
        EXPECT_TRUE(order.ok());
        EXPECT_TRUE(query.ok());
        throw std::runtime_error("printer on fire");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(exactOn());
    EXPECT_EQ(apollo.order(), 0);
    EXPECT_EQ(apollo.query(), "");

    // A refused setting leaves the old one and puts nothing back.
    pc::data::QuerySetting bad(apollo, "LNAME = ");
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(apollo.query(), "");
}

}  // namespace
}  // namespace pc::app::test
