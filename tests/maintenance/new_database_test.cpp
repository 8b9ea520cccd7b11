// New address databases: the proposed name, the name rule, the field
// lengths dialog's leaving rule and settings, and opening what was made.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "address_test_home.h"
#include "app/t_address_main.h"
#include "data/t_field.h"
#include "maintenance/field_lengths_dialog.h"
#include "maintenance/new_database_dialog.h"
#include "maintenance/new_database_name.h"
#include "named_child.h"

namespace pc::app::test {
namespace {

using pc::test::named;

class NewDatabaseTest : public AddressHome {
  protected:
    void TearDown() override {
        window.reset();
        AddressHome::TearDown();
    }
    void touch(const QString& name) {
        QFile f(home + "DATA/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    std::unique_ptr<TAddressMain> window;
};

TEST_F(NewDatabaseTest, ProposesTheFirstFreeNumberInAnyLetterCase) {
    EXPECT_EQ(maintenance::proposeDatabaseName(home + "DATA"), "ADD0001");
    touch("add0001.DBF");
    touch("ADD0003.DBF");
    touch("ADD0002.CDX");  // only tables count
    EXPECT_EQ(maintenance::proposeDatabaseName(home + "DATA"), "ADD0002");
    touch("Add0002.dbf");
    EXPECT_EQ(maintenance::proposeDatabaseName(home + "DATA"), "ADD0004");
    EXPECT_EQ(maintenance::proposeDatabaseName(home + "no-such-folder"), "ADD0001");
}

TEST_F(NewDatabaseTest, NameRuleAcceptsIdentifiersOnly) {
    for (const char* good : {"A", "_", "ADD0001", "my_list", "x9_"})
        EXPECT_TRUE(maintenance::isValidDatabaseName(good)) << good;
    for (const char* bad :
         {"", "1ADD", "9", "my list", "a.b", "a-b", "../x", "a/b", "\xc3\xa9t\xc3\xa9"})
        EXPECT_FALSE(maintenance::isValidDatabaseName(QString::fromUtf8(bad))) << bad;
}

TEST_F(NewDatabaseTest, DialogEnablesOkOnlyForAValidNameAndRefusesAnExistingFile) {
    touch("add0001.DBF");
    maintenance::TNewDatabaseDialog dialog(&table);
    EXPECT_EQ(dialog.windowTitle(), "Create new database");
    EXPECT_EQ(named<QLineEdit>(dialog, "NameEdit")->text(), "ADD0002");
    EXPECT_EQ(named<QPushButton>(dialog, "OkButton")->text(), "Ok [PgDn]");
    EXPECT_TRUE(named<QPushButton>(dialog, "OkButton")->isEnabled());
    EXPECT_TRUE(named<QLabel>(dialog, "InvalidNote")->isHidden());

    named<QLineEdit>(dialog, "NameEdit")->setText("2nd");
    EXPECT_FALSE(named<QPushButton>(dialog, "OkButton")->isEnabled());
    EXPECT_FALSE(named<QLabel>(dialog, "InvalidNote")->isHidden());
    EXPECT_EQ(named<QLabel>(dialog, "InvalidNote")->text(),
              "Invalid name. Must start with A..Z, followed by A..Z,0..9 or \"_\" (underscore)");

    named<QLineEdit>(dialog, "NameEdit")->setText("ADD0001");  // exists as add0001.DBF
    dialog.OkButtonClick();
    EXPECT_EQ(messages->texts(),
              QStringList({"That file already exists.Please select another name"}));
    EXPECT_TRUE(dialog.createdPath().isEmpty());
}

TEST_F(NewDatabaseTest, CreatesWithTheChosenLengthsAndTheMainWindowOpensIt) {
    window = std::make_unique<TAddressMain>();
    window->FormActivate();  // makes and opens DATA/add0001.DBF
    ASSERT_TRUE(window->active());
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<maintenance::TNewDatabaseDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(named<QLineEdit>(d, "NameEdit")->text(), "ADD0002");
        d->lengths().setWidth("LNAME", 22);
        named<QLineEdit>(d, "NameEdit")->setText("Friends");
        named<QPushButton>(d, "OkButton")->click();
    });
    window->NewFileMenuClick();
    const QString path = home + "DATA/Friends.DBF";
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(window->openDatabasePath, path);
    EXPECT_EQ(window->windowTitle(), "Postcraft - " + path);
    EXPECT_EQ(window->TablePKW->fieldByName("LNAME").width(), 22);
    EXPECT_FALSE(window->TAbleCreate->active());
}

TEST_F(NewDatabaseTest, LeavingABoxKeepsTenToEightyElseRestores) {
    EXPECT_EQ(maintenance::lengthAfterLeaving("9", 30), 30);
    EXPECT_EQ(maintenance::lengthAfterLeaving("10", 30), 10);
    EXPECT_EQ(maintenance::lengthAfterLeaving("80", 30), 80);
    EXPECT_EQ(maintenance::lengthAfterLeaving(" 45 ", 30), 45);
    EXPECT_EQ(maintenance::lengthAfterLeaving("81", 30), 30);
    EXPECT_EQ(maintenance::lengthAfterLeaving("", 30), 30);
    EXPECT_EQ(maintenance::lengthAfterLeaving("4x", 30), 30);
    EXPECT_EQ(maintenance::lengthAfterLeaving("-20", 30), 30);
}

TEST_F(NewDatabaseTest, FieldLengthsDialogRevertsDefaultsAndSavesForAllDatabases) {
    ini().writeInt("NewFileFieldLengths", "FieldCITY", 7);  // allowed in the settings
    pc::data::NewFileFieldLengths lengths = pc::data::NewFileFieldLengths::load(ini());
    maintenance::TFieldLengthsDialog dialog(lengths, home + "POSTCR.ini");
    EXPECT_EQ(dialog.boxes.size(), 18u);
    EXPECT_EQ(dialog.boxes[0].field, QString("FNAME"));
    auto box = [&](const QString& field) {
        for (auto& b : dialog.boxes)
            if (field == b.field) return b.edit;
        return static_cast<QLineEdit*>(nullptr);
    };
    EXPECT_EQ(box("CITY")->text(), "7");

    box("LNAME")->setText("9");
    dialog.boxLeft(1);
    EXPECT_EQ(box("LNAME")->text(), "30");
    box("LNAME")->setText("80");
    dialog.boxLeft(1);
    EXPECT_EQ(box("LNAME")->text(), "80");

    dialog.DefaultsButtonClick();
    EXPECT_EQ(box("FAX")->text(), "30");
    EXPECT_EQ(box("LNAME")->text(), "30");
    box("ZIP")->setText("12");
    box("STATE")->setText("oops");  // Ok applies the rule to every box
    named<QCheckBox>(dialog, "UseForAllCheck")->setChecked(true);
    dialog.OkButtonClick();
    EXPECT_EQ(lengths.width("ZIP"), 12);
    EXPECT_EQ(lengths.width("STATE"), 20);
    EXPECT_EQ(lengths.width("FAX"), 30);
    EXPECT_EQ(ini().readInt("NewFileFieldLengths", "FieldZIP", 0), 12);
    EXPECT_EQ(ini().readInt("NewFileFieldLengths", "FieldFAX", 0), 30);
}

TEST_F(NewDatabaseTest, FieldLengthsWithoutTheTickStayOutOfTheSettings) {
    pc::data::NewFileFieldLengths lengths;
    maintenance::TFieldLengthsDialog dialog(lengths, home + "POSTCR.ini");
    dialog.boxes[0].edit->setText("50");
    dialog.OkButtonClick();
    EXPECT_EQ(lengths.width("FNAME"), 50);
    EXPECT_FALSE(ini().hasKey("NewFileFieldLengths", "FieldFNAME"));
}

}  // namespace
}  // namespace pc::app::test
