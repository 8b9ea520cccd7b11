// The text objects' dialogs: what they show on opening and what OK does to
// the object.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "design/counter_label.h"
#include "design/data_label.h"
#include "design/symbol_label.h"
#include "design/text_label.h"
#include "design/ui/counter_dialog.h"
#include "design/ui/effects_dialog.h"
#include "design/ui/select_field_dialog.h"
#include "design/ui/symbol_selector_dialog.h"
#include "design/ui/text_dialog.h"
#include "design_test_host.h"

using namespace pc::design;
using namespace pc::design::ui;

TEST(TextDialog, TakesTheCaptionAndGrowsTheBox) {
    pc::design::testing::TestHost host;
    TGPLabel label;
    label.setHost(&host);
    label.setBounds(0, 0, 50, 15);
    TTextDialog dialog(label);
    EXPECT_EQ(dialog.windowTitle(), "Text");
    EXPECT_EQ(dialog.TextEdit->text(), "Text");
    dialog.TextEdit->setText("Season's greetings from all of us");
    dialog.OkButtonClick();
    EXPECT_EQ(label.caption(), "Season's greetings from all of us");
    EXPECT_GT(label.width(), 150);
    EXPECT_EQ(host.changes, 1);
}

TEST(SelectFieldDialog, ListsOfferedFieldsAndPreselectsTheCurrentOne) {
    pc::design::testing::MapMergeSource record;
    record.add("LNAME", "Last Name", "Miller");
    record.add("CITY", "City", "Boston");
    TSelectFieldDialog first(&record, FieldChoiceKind::Character, "Nowhere");
    EXPECT_EQ(first.windowTitle(), "Select Field");
    ASSERT_EQ(first.FieldList->count(), 2);
    EXPECT_EQ(first.FieldList->item(1)->text(), "City");
    EXPECT_EQ(first.chosen()->name, "LNAME");

    TSelectFieldDialog current(&record, FieldChoiceKind::Character, "City");
    EXPECT_EQ(current.chosen()->name, "CITY");

    TSelectFieldDialog none(nullptr, FieldChoiceKind::Character, "City");
    EXPECT_EQ(none.chosen(), nullptr);

    pc::design::testing::TestHost host;
    host.source = &record;
    TGPDLabel label;
    label.setHost(&host);
    applyDataField(label, *current.chosen());
    EXPECT_EQ(label.dataFieldName(), "CITY");
    EXPECT_EQ(label.dataFieldDescript(), "City");
    EXPECT_EQ(label.caption(), "Boston");
    EXPECT_EQ(host.changes, 1);
}

TEST(CounterDialog, AppliesTheSettingsAndFitsAnUprightCounter) {
    TGCounterLabel counter;
    counter.setBounds(0, 0, 300, 20);
    TCounterDialog dialog(counter);
    EXPECT_EQ(dialog.windowTitle(), "Counter");
    EXPECT_EQ(dialog.StartingNumberEdit->text(), "1");
    EXPECT_EQ(dialog.RepeatSpin->maximum(), 999);
    EXPECT_EQ(dialog.LeadingZerosSpin->maximum(), 9);
    dialog.StartingNumberEdit->setText("42");
    dialog.RepeatSpin->setValue(2);
    dialog.TextBeforeEdit->setText("#");
    dialog.LeadingZerosSpin->setValue(4);
    dialog.OkButtonClick();
    EXPECT_EQ(counter.startingNumber(), 42);
    EXPECT_EQ(counter.repeatEach(), 2);
    EXPECT_EQ(counter.counterText(), "#0042");
    // Narrowed to 10, then fitted: a short counter no longer keeps 300.
    EXPECT_LT(counter.width(), 300);
    EXPECT_GT(counter.width(), 10);
}

TEST(SymbolSelector, ColumnsFollowTheFontSize) {
    EXPECT_EQ(symbolSelectorColumns(8), 14);
    EXPECT_EQ(symbolSelectorColumns(11), 10);
    EXPECT_EQ(symbolSelectorColumns(24), 8);
    EXPECT_EQ(symbolSelectorColumns(40), 6);
    EXPECT_EQ(symbolSelectorColumns(72), 2);
    EXPECT_EQ(symbolSelectorColumns(73), 1);
    EXPECT_EQ(symbolSelectorColumns(4), 1);
}

TEST(SymbolSelector, OpensOnTheCurrentCharacterAndTakesTheChosenOne) {
    TGSymbolLabel symbol;
    TSymbolSelectorDialog dialog(symbol);
    EXPECT_EQ(dialog.windowTitle(), "Symbol Selector");
    EXPECT_EQ(dialog.SymbolGrid->columnCount(), 8);
    EXPECT_EQ(dialog.selectedCode(), '[');
    EXPECT_EQ(dialog.FontButton->text(), "WingDings 24pt ");

    FontSpec small = symbol.font();
    small.setPointSize(10);
    small.bold = true;
    dialog.useFont(small);
    EXPECT_EQ(dialog.SymbolGrid->columnCount(), 14);
    EXPECT_EQ(dialog.selectedCode(), '[');  // the choice survives the new grid
    EXPECT_EQ(dialog.FontButton->text(), "WingDings 10pt Bold ");

    dialog.selectCode(0xFC);
    dialog.OkButtonClick();
    EXPECT_EQ(symbol.symbolCode(), 0xFC);
    EXPECT_EQ(symbol.font().pointSize(), 10);
}

TEST(EffectsDialog, TheSampleFollowsTheChoicesAndOkAppliesThem) {
    TGPLabel label;
    TEffectsDialog dialog(label);
    EXPECT_EQ(dialog.windowTitle(), "Text 3D Effects");
    EXPECT_EQ(dialog.ShadowDirectionCombo->currentText(), "Lower Right");
    EXPECT_EQ(dialog.HighlightDirectionCombo->currentText(), "Upper Left");
    EXPECT_EQ(dialog.ShadowColorCombo->currentText(), "Gray");
    EXPECT_EQ(dialog.HighlightColorCombo->currentText(), "Aqua");

    dialog.ShadowDepthCombo->setCurrentText("4");
    dialog.ShadowDirectionCombo->setCurrentText("Down");
    dialog.FontColorCombo->setCurrentText("Red");
    EXPECT_EQ(dialog.sample().depthShadow(), 4);
    EXPECT_EQ(dialog.sample().directionShadow(), TShadowDirection::sdDown);
    EXPECT_EQ(label.depthShadow(), 0);  // nothing changes before OK

    dialog.OkButtonClick();
    EXPECT_EQ(label.depthShadow(), 4);
    EXPECT_EQ(label.directionShadow(), TShadowDirection::sdDown);
    EXPECT_EQ(label.font().color, 0x0000FFu);
}
