#include "labels/ui/label_design_screen.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "data/address_schema.h"
#include "design/address_label.h"
#include "design/data_label.h"
#include "design/object_registry.h"
#include "design/postnet_barcode.h"
#include "design/table_merge_source.h"
#include "design/text_label.h"
#include "design/ui/class_menu_items.h"
#include "design/ui/surface_widget.h"
#include "labels/template_table.h"
#include "labels/ui/label_template_dialog.h"
#include "labels_test_support.h"
#include "named_child.h"

namespace pc::labels {
namespace {

using design::TLPanelState;
using pc::test::named;

// The designer over a small address table, with its window shown.
class LabelDesignScreenTest : public pc::test::LabelTableTest {
  protected:
    void SetUp() override {
        LabelTableTest::SetUp();
        design::ui::registerClassMenuItems();
        const QString path = newAddressTable();
        openAddress(addresses, path);
        add(addresses, "Lincoln", "Abraham", "20500-0003");
        addresses.edit();
        addresses.fieldByName("STREET").setText("1600 PENNSYLVANIA AVE NW");
        addresses.fieldByName("CITY").setText("WASHINGTON");
        addresses.fieldByName("STATE").setText("DC");
        addresses.post();
        add(addresses, "Curie", "Marie", "75005");
        addresses.first();
        data::setNameFieldsVisible(addresses, true);
        panel.setMergeSource(&source);
    }
    void TearDown() override {
        addresses.close();
        LabelTableTest::TearDown();
    }

    std::unique_ptr<TLabelDesignScreen> open(bool isNew, LabelDefinition d = newLabelDefinition()) {
        auto screen = std::make_unique<TLabelDesignScreen>(panel, d, isNew, &addresses);
        screen->show();
        QCoreApplication::processEvents();
        return screen;
    }

    // With PC_SCREENSHOT_DIR set, the widget is saved there for a look.
    static void shoot(QWidget& widget, const char* name) {
        const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        QDir().mkpath(QString::fromLocal8Bit(dir));
        widget.grab().save(QString::fromLocal8Bit(dir) + '/' + name);
    }

    data::TTable addresses;
    design::TableMergeSource source{addresses};
    design::TGLabelPanel panel;
};

TEST_F(LabelDesignScreenTest, ANewLayoutStartsWithOneAddressBlockAndSaysSo) {
    auto screen = open(true);
    ASSERT_EQ(panel.objects().size(), 1u);
    const auto& block = *panel.objects().front();
    EXPECT_STREQ(block.className(), "TGDMultiLineAddressLabel");
    EXPECT_EQ(block.left(), 5);
    EXPECT_EQ(block.top(), 5);
    EXPECT_EQ(messages->texts().size(), 1);
    EXPECT_TRUE(messages->texts().front().startsWith("A new label has been created"));
    EXPECT_FALSE(screen->saveVisible());
    EXPECT_EQ(named<QLineEdit>(*screen, "DescriptionEdit")->text(), "<New Label>");
    EXPECT_EQ(named<QLabel>(*screen, "LayoutCaption")->text(), "Avery 5160  Address");
    // The merge shows the current record.
    const auto& lines = static_cast<const design::TGDMultiLineAddressLabel&>(block).lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), "Abraham Lincoln ");

    // A change of the design offers Save.
    panel.selectAll();
    panel.alignLeft();
    panel.objects().front()->notifyChanged();
    EXPECT_TRUE(screen->saveVisible());
}

TEST_F(LabelDesignScreenTest, ZoomStepsAreNotEditsAndStopAtTheEnds) {
    auto screen = open(false);
    for (int i = 0; i < 6; ++i) screen->ZoomInClick();
    EXPECT_EQ(named<QLabel>(*screen, "ZoomCaption")->text(), "150%");
    // Each step scales the size from the last one, rounding as it goes.
    EXPECT_EQ(panel.size(), QSize(377, 146));
    for (int i = 0; i < 12; ++i) screen->ZoomOutClick();
    EXPECT_EQ(named<QLabel>(*screen, "ZoomCaption")->text(), "50%");
    EXPECT_FALSE(screen->saveVisible());
}

TEST_F(LabelDesignScreenTest, SaveKeepsFiftyCharactersAndDropsStrayObjects) {
    auto screen = open(false);
    auto text = std::make_unique<design::TGPLabel>();
    text->setBounds(400, 10, 40, 20);  // beyond the 252-pixel label
    panel.addObject(std::move(text));
    named<QLineEdit>(*screen, "DescriptionEdit")->setText(QString(60, 'x'));
    screen->SaveButtonClick();
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(screen->definition().description, QString(50, 'x'));
    EXPECT_TRUE(panel.objects().empty());
}

TEST_F(LabelDesignScreenTest, FieldNamesToggleAndRecordButtons) {
    auto data = std::make_unique<design::TGPDLabel>();
    data->setDataFieldName("LNAME");
    data->setDataFieldDescript("Last Name");
    data->setBounds(10, 10, 100, 20);
    auto* field = static_cast<design::TGPDLabel*>(&panel.addObject(std::move(data)));
    auto screen = open(false);
    panel.refreshAllData();
    EXPECT_EQ(field->caption(), "Lincoln");
    named<QAbstractButton>(*screen, "FieldNamesButton")->click();
    EXPECT_EQ(field->caption(), "[Last Name]");
    named<QAbstractButton>(*screen, "FieldNamesButton")->click();
    screen->RecordButtonClick(2);
    EXPECT_EQ(field->caption(), "Curie");
}

TEST_F(LabelDesignScreenTest, NarrowLabelsRefuseTheBarcodeTool) {
    auto screen = open(false);
    screen->ToolButtonClick(TLPanelState::psPostNetBarCode);
    EXPECT_EQ(panel.panelState(), TLPanelState::psPointing);
    ASSERT_EQ(messages->texts().size(), 1);
    EXPECT_TRUE(messages->texts().front().startsWith("This label is not wide enough"));

    LabelDefinition wide = newLabelDefinition();
    wide.labelWidth = 4;
    wide.labelHeight = 1.5f;
    auto wider = open(false, wide);
    wider->ToolButtonClick(TLPanelState::psPostNetBarCode);
    EXPECT_EQ(panel.panelState(), TLPanelState::psPostNetBarCode);
}

TEST_F(LabelDesignScreenTest, ANarrowerStockPullsObjectsBackAndDropsTheBarcode) {
    LabelDefinition wide = newLabelDefinition();
    wide.labelWidth = 4;
    auto screen = open(false, wide);
    auto barcode = std::make_unique<design::TGPostNetBarCode>();
    barcode->setBounds(10, 60, 270, 16);
    panel.addObject(std::move(barcode));
    auto text = std::make_unique<design::TGPLabel>();
    text->setBounds(350, 20, 30, 16);
    auto* far = &panel.addObject(std::move(text));
    messages->clear();

    screen->applyStock(newLabelDefinition());  // 2.625 in wide
    EXPECT_EQ(panel.size(), QSize(252, 96));
    EXPECT_EQ(far->left(), 252 - 20);
    ASSERT_EQ(messages->texts().size(), 1);
    EXPECT_TRUE(messages->texts().front().startsWith("Warning: This label is not wide enough"));
    ASSERT_EQ(panel.objects().size(), 1u);
    EXPECT_STREQ(panel.objects().front()->className(), "TGPLabel");
    EXPECT_TRUE(screen->saveVisible());
}

// A merged shipping label with a barcode, and its object menus, for a look.
TEST_F(LabelDesignScreenTest, Screenshots) {
    LabelDefinition d = newLabelDefinition();
    d.labelWidth = 4;
    d.labelHeight = 2;
    d.templateDescription = "Avery 5163  Shipping";
    auto screen = open(true, d);
    auto barcode = std::make_unique<design::TGPostNetBarCode>();
    barcode->SetZipCodeField("ZIP");
    barcode->SetAddressField("STREET");
    barcode->setBounds(10, 150, 270, 16);
    panel.addObject(std::move(barcode));
    auto from = std::make_unique<design::TGPLabel>();
    from->setCaption("FIRST CLASS MAIL");
    from->setBounds(250, 8, 120, 20);
    panel.addObject(std::move(from));
    panel.refreshAllData();
    screen->resize(820, 520);
    QCoreApplication::processEvents();
    shoot(*screen, "label-designer.png");
    for (const auto& object : panel.objects()) {
        auto menu = screen->surfaceWidget().buildObjectMenu(*object);
        menu->adjustSize();
        shoot(*menu, (QString("menu-") + object->className() + ".png").toLatin1().constData());
    }
    // One of every other class, for its menu.
    for (const char* name :
         {"TGCounterLabel", "TGSymbolLabel", "TGPDLabel", "TGMultiLineLabel", "TGDMultiLineLabel",
          "TGLabelShapes", "TGLineShape", "TGImage", "TGIMBarCode"}) {
        auto object = design::createObject(design::LayoutKind::Label, name);
        ASSERT_TRUE(object) << name;
        object->setBounds(300, 100, 40, 20);
        auto menu = screen->surfaceWidget().buildObjectMenu(panel.addObject(std::move(object)));
        menu->adjustSize();
        shoot(*menu, (QString("menu-") + name + ".png").toLatin1().constData());
    }
    if (!qgetenv("PC_SCREENSHOT_DIR").isEmpty()) {
        data::TTable templates;
        ASSERT_TRUE(provideTemplateTable(sysdata, PC_SOURCE_SYSDATA_DIR));
        ASSERT_TRUE(openTemplateTable(templates));
        TLabelTemplateDialog dialog(
            templates, {"AVERY", "LJ", "ADDRESS/SHIPPING LABELS", "Avery 5160  Address"}, false);
        dialog.show();
        QCoreApplication::processEvents();
        shoot(dialog, "select-label-template.png");
        dialog.hide();
        templates.close();
    }
    auto surfaceMenu = screen->surfaceWidget().buildSurfaceMenu();
    surfaceMenu->adjustSize();
    shoot(*surfaceMenu, "menu-surface.png");
    SUCCEED();
}

}  // namespace
}  // namespace pc::labels
