// The print windows' record choice: the filter choice is offered only with
// a filter, and every change is announced.
#include "widgets/what_to_print_group.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSignalSpy>

namespace pc::widgets {
namespace {

TEST(WhatToPrintGroup, FilterChoiceNeedsAFilterAndChangesAreAnnounced) {
    WhatToPrintGroup without(false, WhatToPrint::MatchingFilter, nullptr);
    EXPECT_EQ(without.choice(), WhatToPrint::All);
    EXPECT_FALSE(without.findChild<QRadioButton*>("MatchingRecords")->isEnabled());

    WhatToPrintGroup with(true, WhatToPrint::CurrentOnly, nullptr);
    EXPECT_EQ(with.choice(), WhatToPrint::CurrentOnly);
    EXPECT_TRUE(with.currentOnly());
    QSignalSpy changed(&with, &WhatToPrintGroup::changed);
    with.findChild<QRadioButton*>("MatchingRecords")->click();
    EXPECT_EQ(with.choice(), WhatToPrint::MatchingFilter);
    with.setStartFromCurrent(true);
    EXPECT_TRUE(with.startFromCurrent());
    EXPECT_EQ(changed.count(), 2);
}

}  // namespace
}  // namespace pc::widgets
