// The three stock dialogs wired to their logic: the template dialog over
// the delivered table, the stock dialog's units, pitch follow-up and
// checks, and the choice between them.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "labels/stock_choice.h"
#include "labels/template_table.h"
#include "labels/ui/label_layout_choice.h"
#include "labels/ui/label_template_dialog.h"
#include "labels/ui/user_label_layout.h"
#include "labels_test_support.h"

namespace pc::test {
namespace {

using namespace pc::labels;

template <typename T>
T* child(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QPushButton* okButton(QWidget& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text().remove('&') == "OK") return button;
    }
    return nullptr;
}

class TemplateDialogTest : public LabelTableTest {
  protected:
    void SetUp() override {
        LabelTableTest::SetUp();
        ASSERT_TRUE(provideTemplateTable(sysdata, PC_SOURCE_SYSDATA_DIR));
        ASSERT_TRUE(openTemplateTable(templates));
    }
    void TearDown() override {
        templates.close();
        LabelTableTest::TearDown();
    }
    pc::data::TTable templates;
};

TEST_F(TemplateDialogTest, AUserStockOpensOnAveryLaserAddressLabels) {
    TLabelTemplateDialog dialog(templates, {"USER", "", "", "Avery 8163  Shipping"}, false);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Select Label Template");
    EXPECT_EQ(child<QComboBox>(dialog, "ManufacturerCombo")->currentText(), "Avery Laserjet");
    EXPECT_EQ(child<QComboBox>(dialog, "ProductTypeCombo")->currentText(),
              "Address/Shipping Labels");
    EXPECT_GT(dialog.templateCount(), 20);
    EXPECT_EQ(dialog.currentRow(), 0);
    EXPECT_TRUE(okButton(dialog)->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(dialog, "LabelHeightEdit")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(dialog, "LabelHeightEdit")->isReadOnly());
}

TEST_F(TemplateDialogTest, TheCurrentTemplateIsFoundAndTaken) {
    TLabelTemplateDialog dialog(
        templates, {"AVERY", "IJ", "ADDRESS/SHIPPING LABELS", "Avery 8163  Shipping"}, false);
    dialog.show();
    EXPECT_EQ(child<QComboBox>(dialog, "ManufacturerCombo")->currentText(), "Avery Inkjet");
    ASSERT_GT(dialog.currentRow(), 0);
    EXPECT_EQ(child<QLineEdit>(dialog, "LabelWidthEdit")->text(), "4.000");
    EXPECT_EQ(child<QLineEdit>(dialog, "DownEdit")->text(), "5");

    // Insert adds nothing to the grid.
    auto* grid = child<QTableView>(dialog, "TemplateGrid");
    const int before = dialog.templateCount();
    QTest::keyClick(grid, Qt::Key_Insert);
    EXPECT_EQ(dialog.templateCount(), before);

    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    LabelDefinition d = defaultLabelDefinition();
    takeTemplate(templates, d);
    EXPECT_EQ(d.templateDescription, "Avery 8163  Shipping");
    EXPECT_EQ(d.printer, "IJ");
    EXPECT_FLOAT_EQ(d.labelHeight, 2.0f);
    EXPECT_EQ(d.across, 2);
    EXPECT_EQ(d.art, "AV5163");
}

TEST_F(TemplateDialogTest, AnEmptySelectionDisablesOkAndTheGrid) {
    TLabelTemplateDialog dialog(templates, {"AVERY", "LJ", "", ""}, true);
    dialog.show();
    child<QComboBox>(dialog, "ManufacturerCombo")->setCurrentText("Avery Dot Matrix");
    child<QComboBox>(dialog, "ProductTypeCombo")->setCurrentText("All");
    EXPECT_GT(dialog.templateCount(), 10);
    child<QCheckBox>(dialog, "EuropeanCheck")->setChecked(true);
    EXPECT_EQ(dialog.templateCount(), 0) << "continuous stocks have no A4 or A5 paper";
    EXPECT_FALSE(okButton(dialog)->isEnabled());
    EXPECT_FALSE(child<QTableView>(dialog, "TemplateGrid")->isEnabled());
    child<QComboBox>(dialog, "ManufacturerCombo")->setCurrentText("Avery Laserjet");
    EXPECT_GT(dialog.templateCount(), 0);
    EXPECT_TRUE(okButton(dialog)->isEnabled());
}

class UserStockDialogTest : public ::testing::Test {
  protected:
    UserStockDialogTest() : dialog(stockValuesOf(defaultLabelDefinition())) { dialog.show(); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(dialog, name); }
    void type(const char* name, const QString& text) {
        QLineEdit* e = edit(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        emit e->editingFinished();
    }
    pc::text::ScopedRecordingMessages messages;
    TUserLabelLayout dialog;
};

TEST_F(UserStockDialogTest, AWiderLabelRaisesItsPitchOnLeavingTheField) {
    EXPECT_EQ(dialog.windowTitle(), "User Defined Label Layout");
    EXPECT_EQ(edit("HorizontalPitchEdit")->text(), "2.75");
    EXPECT_EQ(child<QComboBox>(dialog, "PaperSizeCombo")->currentIndex(), -1);
    type("LabelWidthEdit", "3");
    EXPECT_EQ(edit("HorizontalPitchEdit")->text(), "3");
    type("LabelHeightEdit", "0.5");
    EXPECT_EQ(edit("VerticalPitchEdit")->text(), "1") << "a smaller height leaves the pitch";
}

TEST_F(UserStockDialogTest, UnitsSwitchBackAndForthWithoutDrift) {
    child<QRadioButton>(dialog, "MillimetresRadio")->setChecked(true);
    EXPECT_EQ(edit("LabelWidthEdit")->text(), "67");
    EXPECT_EQ(edit("PaperHeightEdit")->text(), "279");
    child<QRadioButton>(dialog, "InchesRadio")->setChecked(true);
    EXPECT_EQ(edit("LabelWidthEdit")->text(), "2.625");
    EXPECT_EQ(edit("LeftMarginEdit")->text(), "0.188");

    child<QRadioButton>(dialog, "MillimetresRadio")->setChecked(true);
    auto* paper = child<QComboBox>(dialog, "PaperSizeCombo");
    paper->setCurrentIndex(2);
    emit paper->activated(2);
    EXPECT_EQ(edit("PaperWidthEdit")->text(), "210");
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().paperSize, "A4");
    EXPECT_FLOAT_EQ(dialog.values().sheetWidth, 8.27f);
    EXPECT_FLOAT_EQ(dialog.values().labelWidth, 2.625f);
}

TEST_F(UserStockDialogTest, OkShowsTheFirstProblemAndStaysOpen) {
    type("LabelHeightEdit", "0.2");
    type("LabelWidthEdit", "0.1");
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages->texts(), QStringList({"Label Height must be at least .3 inches (or 7mm)"}));

    type("LabelHeightEdit", "1");
    type("LabelWidthEdit", "3");
    child<QSpinBox>(dialog, "AcrossSpin")->setValue(1);
    type("HorizontalPitchEdit", "2");
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << messages->texts().join('|').toStdString();

    LabelDefinition d = defaultLabelDefinition();
    takeUserStock(dialog.values(), d);
    EXPECT_EQ(d.manufacturer, "USER");
    EXPECT_TRUE(d.templateDescription.isEmpty());
    EXPECT_TRUE(d.art.isEmpty());
    EXPECT_EQ(d.across, 1);
    EXPECT_FLOAT_EQ(d.labelWidth, 3.0f);
}

TEST(LayoutChoiceTest, TemplatesAreTheDefaultAndManualIsTheOther) {
    TLabelLayoutChoice dialog;
    EXPECT_EQ(dialog.windowTitle(), "Label Layout");
    EXPECT_EQ(dialog.choice(), LayoutSource::Cancel);
    EXPECT_TRUE(child<QRadioButton>(dialog, "TemplateRadio")->isChecked());
    child<QRadioButton>(dialog, "ManualRadio")->setChecked(true);
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    EXPECT_EQ(dialog.choice(), LayoutSource::Manual);
}

}  // namespace
}  // namespace pc::test
