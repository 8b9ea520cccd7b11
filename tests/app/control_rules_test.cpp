// The main window's command rules and indicator texts, without a window.
#include "app/control_rules.h"

#include <gtest/gtest.h>

#include "app/indicator_texts.h"
#include "data/filter_query.h"
#include "records/sort_orders.h"

namespace pc::app {
namespace {

using pc::data::engineQuery;
using pc::data::filterTooComplex;

ControlState state(bool active, bool editing, bool positioned, bool filterEmpty) {
    ControlState s;
    s.active = active;
    s.editing = editing;
    s.positioned = positioned;
    s.filterEmpty = filterEmpty;
    return s;
}

TEST(ControlRules, NoDatabaseLeavesOnlyTheFileCommands) {
    const ControlFlags f = controlRules(state(false, false, false, true));
    EXPECT_TRUE(f.fileMenuEnabled);
    EXPECT_FALSE(f.activeCommandsEnabled);
    EXPECT_FALSE(f.addEnabled);
    EXPECT_TRUE(f.addVisible);
    EXPECT_FALSE(f.editDeleteEnabled);
    EXPECT_FALSE(f.recordMenuEnabled);
    EXPECT_FALSE(f.setFilterEnabled);
    EXPECT_FALSE(f.navigationVisible);
    EXPECT_FALSE(f.browsingCommandsEnabled);
}

TEST(ControlRules, EmptyTableAllowsOnlyAdd) {
    const ControlFlags f = controlRules(state(true, false, false, true));
    EXPECT_TRUE(f.addEnabled);
    EXPECT_TRUE(f.recordMenuEnabled);
    EXPECT_TRUE(f.activeCommandsEnabled);
    EXPECT_FALSE(f.editDeleteEnabled);
    EXPECT_TRUE(f.editDeleteVisible);
    EXPECT_FALSE(f.searchBrowseEnabled);
    EXPECT_FALSE(f.browsingCommandsEnabled);
    EXPECT_FALSE(f.navigationVisible);
    EXPECT_FALSE(f.setFilterEnabled);
    EXPECT_FALSE(f.saveCancelShown);
}

TEST(ControlRules, PositionedRecordEnablesBrowsingCommands) {
    const ControlFlags f = controlRules(state(true, false, true, true));
    EXPECT_TRUE(f.editDeleteEnabled);
    EXPECT_TRUE(f.searchBrowseEnabled);
    EXPECT_TRUE(f.setFilterEnabled);
    EXPECT_TRUE(f.browsingCommandsEnabled);
    EXPECT_TRUE(f.navigationVisible);
    EXPECT_TRUE(f.exitButtonVisible);
    EXPECT_FALSE(f.clearFilterButtonVisible);
    EXPECT_FALSE(f.filterCommandsEnabled);
    EXPECT_FALSE(f.findNextForcedHidden);
}

TEST(ControlRules, EditingSwapsAddEditForSaveCancelAndLocksMenus) {
    const ControlFlags f = controlRules(state(true, true, true, true));
    EXPECT_TRUE(f.saveCancelShown);
    EXPECT_FALSE(f.addVisible);
    EXPECT_FALSE(f.addEnabled);
    EXPECT_FALSE(f.editDeleteVisible);
    EXPECT_FALSE(f.exitButtonVisible);
    EXPECT_FALSE(f.fileMenuEnabled);
    EXPECT_FALSE(f.recordMenuEnabled);
    EXPECT_FALSE(f.navigationVisible);
    EXPECT_FALSE(f.browsingCommandsEnabled);
    EXPECT_TRUE(f.findNextForcedHidden);
    EXPECT_TRUE(f.focusToLastName);
    // Inserting into an empty table is editing without a positioned record.
    EXPECT_TRUE(controlRules(state(true, true, false, true)).saveCancelShown);
}

TEST(ControlRules, FilterStringKeepsFilterCommandsEvenWithoutRecords) {
    const ControlFlags idle = controlRules(state(true, false, false, false));
    EXPECT_TRUE(idle.setFilterEnabled);
    EXPECT_TRUE(idle.filterCommandsEnabled);
    EXPECT_TRUE(idle.clearFilterButtonVisible);
    EXPECT_TRUE(idle.clearFilterButtonEnabled);

    const ControlFlags editing = controlRules(state(true, true, true, false));
    EXPECT_TRUE(editing.clearFilterButtonVisible);
    EXPECT_FALSE(editing.clearFilterButtonEnabled);
    EXPECT_FALSE(editing.setFilterEnabled);
}

TEST(IndicatorTexts, FilterIndicator) {
    EXPECT_EQ(filterIndicatorText(true, 300), "300 records (no filter)");
    EXPECT_EQ(filterIndicatorText(true, 1), "1 records (no filter)");
    EXPECT_EQ(filterIndicatorText(true, 0), "No records");
    EXPECT_EQ(filterIndicatorText(false, 12), "12 filter matches");
}

TEST(IndicatorTexts, OrderIndicatorUsesTheNameAsGiven) {
    EXPECT_EQ(orderIndicatorText("Last Name"), "Sorted by Last Name");
    EXPECT_EQ(orderIndicatorText("E-mail"), "Sorted by E-mail");
}

TEST(SortOrders, NamesMapToTagsWithoutRegardToCase) {
    EXPECT_EQ(records::tagForOrderName("last name"), "LNAME");
    EXPECT_EQ(records::tagForOrderName("ORGANIZATION"), "ORG");
    EXPECT_EQ(records::tagForOrderName("E-Mail"), "EMAIL");
    EXPECT_EQ(records::tagForOrderName("City"), "CITY");
    EXPECT_FALSE(records::tagForOrderName("Street 2").has_value());
    EXPECT_FALSE(records::tagForOrderName("").has_value());
    EXPECT_EQ(records::orderNameFromCaption("&Zip"), "Zip");
    EXPECT_EQ(records::orderNameForTag("lname"), "Last Name");
    EXPECT_EQ(records::orderNameForTag("NOTISDEL"), "");
    // Every menu entry names a tag the lookup finds again.
    for (const auto& order : records::sortOrders())
        EXPECT_EQ(records::tagForOrderName(records::orderNameFromCaption(order.menuCaption)),
                  order.tag);
}

TEST(FilterQuery, DeletedRecordsAreAlwaysExcluded) {
    EXPECT_EQ(engineQuery(""), "!ISDEL");
    EXPECT_EQ(engineQuery("UPPER(ZIP)=\"100\""), "UPPER(ZIP)=\"100\".and. !ISDEL");
    EXPECT_FALSE(filterTooComplex(QString(243, 'x')));
    EXPECT_TRUE(filterTooComplex(QString(244, 'x')));
    EXPECT_EQ(engineQuery(QString(243, 'x')).size(), 255);
}

}  // namespace
}  // namespace pc::app
