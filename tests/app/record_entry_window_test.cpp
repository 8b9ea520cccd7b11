// Record entry through the main window: add with the "New Record" prompt,
// the duplicate warning, city and state fill-in and carried fields; edit,
// save, cancel, delete, clone, the date, the memo and the reopen-after-save
// safeguard, against a scratch database.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/t_address_main.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "named_child.h"
#include "records/aggressive_save.h"
#include "records/duplicate_name_check.h"
#include "records/memo_text.h"
#include "records/new_record_dialog.h"
#include "records/select_date_dialog.h"
#include "scratch_home.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "text/stored_date.h"
#include "xbase/engine.h"

namespace pc::app {
namespace {

using pc::test::named;

using Values = std::vector<std::pair<QString, QString>>;

class RecordEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = test::makeScratchHome(tempHome);
        ini().writeInt("Editing", "AggressiveSave", 0);
    }
    void TearDown() override {
        records::setNewRecordPrompter({});
        records::setDatePrompter({});
        window.reset();
        sx_CloseAll();
    }

    pc::text::ProfileFile ini() const { return pc::text::ProfileFile(home + "POSTCR.ini"); }

    // A first start: the empty default database is created and opened.
    TAddressMain& start() {
        window = std::make_unique<TAddressMain>();
        window->FormActivate();
        EXPECT_TRUE(window->active()) << messages->texts().join('|').toStdString();
        return *window;
    }

    QString value(const char* name) const { return window->TablePKW->fieldByName(name).text(); }

    // Adds and saves a record with the given values; returns its number.
    int add(const Values& values) {
        TAddressMain& w = *window;
        w.AddButtonClick();
        EXPECT_TRUE(w.editing());
        // Save stores the memo editor's text, so the memo is typed there.
        for (const auto& [name, text] : values) {
            if (name == "MEMO")
                named<QPlainTextEdit>(w, "MemoEdit")->setPlainText(records::memoForEditor(text));
            else
                w.TablePKW->fieldByName(name).setText(text);
        }
        EXPECT_TRUE(w.SaveButtonClick());
        return w.Apollo1->recNo();
    }

    // Answers the "New Record" prompt with the entry, noting what it asked.
    void answerPrompt(const records::NewRecordEntry& entry) {
        records::setNewRecordPrompter(
            [this, entry](const records::NewRecordFields& fields, QWidget*) {
                asked = fields;
                return std::optional<records::NewRecordEntry>(entry);
            });
    }

    QTemporaryDir tempHome;
    QString home;
    pc::text::ScopedRecordingMessages messages;
    std::unique_ptr<TAddressMain> window;
    std::optional<records::NewRecordFields> asked;
};

TEST_F(RecordEntryTest, AddEditSaveAndCancelThroughTheWindow) {
    TAddressMain& w = start();
    named<QAbstractButton>(w, "AddButton")->click();
    ASSERT_TRUE(w.editing());
    EXPECT_FALSE(named<QAbstractButton>(w, "SaveButton")->isHidden());
    QTest::keyClicks(named<QLineEdit>(w, "LastEdit"), "Baker");
    QTest::keyClicks(named<QLineEdit>(w, "CityEdit"), "Leeds");
    QTest::keyClicks(named<QPlainTextEdit>(w, "MemoEdit"), "12345678");
    named<QAbstractButton>(w, "SaveButton")->click();
    ASSERT_FALSE(w.editing());
    EXPECT_EQ(value("LNAME"), "Baker");
    EXPECT_EQ(value("MEMO"), "12345678 ");  // 8 characters are stored as 9
    EXPECT_EQ(named<QPlainTextEdit>(w, "MemoEdit")->toPlainText(), "12345678 ");
    const int baker = w.Apollo1->recNo();

    // The memo survives closing and opening again.
    w.OpenDatabaseClick(w.openDatabasePath);
    w.Apollo1->go(baker);
    EXPECT_EQ(value("MEMO").size(), 9);
    EXPECT_EQ(named<QPlainTextEdit>(w, "MemoEdit")->toPlainText(), "12345678 ");

    // Double-clicking a box starts an edit; Cancel drops what was typed.
    QTest::mouseDClick(named<QLineEdit>(w, "CityEdit"), Qt::LeftButton);
    ASSERT_TRUE(w.editing());
    named<QLineEdit>(w, "CityEdit")->selectAll();
    QTest::keyClicks(named<QLineEdit>(w, "CityEdit"), "York");
    named<QAbstractButton>(w, "CancelButton")->click();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(value("CITY"), "Leeds");
    EXPECT_EQ(named<QLineEdit>(w, "CityEdit")->text(), "Leeds");

    // Typing in the memo starts an edit too.
    QTest::keyClicks(named<QPlainTextEdit>(w, "MemoEdit"), "x");
    EXPECT_TRUE(w.editing());
    w.CancelButtonClick();
    EXPECT_EQ(named<QPlainTextEdit>(w, "MemoEdit")->toPlainText(), "12345678 ");

    // The Edit button, then Save.
    named<QAbstractButton>(w, "EditButton")->click();
    ASSERT_TRUE(w.editing());
    w.TablePKW->fieldByName("ORG").setText("Acme");
    ASSERT_TRUE(w.SaveButtonClick());
    EXPECT_EQ(value("ORG"), "Acme");

    // Cancelling an Add leaves no record behind.
    w.AddButtonClick();
    QTest::keyClicks(named<QLineEdit>(w, "LastEdit"), "Ghost");
    w.CancelButtonClick();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(w.queryCount(), 1);
    EXPECT_EQ(value("LNAME"), "Baker");
    EXPECT_TRUE(messages->shown().empty()) << messages->texts().join('|').toStdString();
}

TEST_F(RecordEntryTest, DeleteMarksTheRecordAndMovesToThePreviousOne) {
    TAddressMain& w = start();
    const int adams = add({{"LNAME", "Adams"}});
    const int brown = add({{"LNAME", "Brown"}});
    add({{"LNAME", "Clark"}});
    w.Apollo1->go(brown);

    messages->answer(false);
    named<QAbstractButton>(w, "DeleteButton")->click();
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "Delete this record?");
    EXPECT_EQ(messages->shown()[0].caption, "DELETE");
    EXPECT_EQ(w.queryCount(), 3);

    w.DeleteButtonClick();
    EXPECT_EQ(w.queryCount(), 2);
    EXPECT_EQ(w.Apollo1->recNo(), adams);
    EXPECT_EQ(w.Apollo1->recCount(), 3);  // marked, not removed
    EXPECT_EQ(named<QLabel>(w, "FilterIndicator")->text(), "2 records (no filter)");

    // The record carries both the engine's mark and ISDEL.
    pc::data::TTable check;
    pc::data::defineAddressFields(check, [] { return QString(); });
    const QString path = w.openDatabasePath;
    w.close();
    sx_SetDeleted(false);
    ASSERT_TRUE(pc::data::openTableFile(path, check));
    pc::data::TApollo(&check).go(brown);
    EXPECT_EQ(check.fieldByName("LNAME").text(), "Brown");
    EXPECT_TRUE(check.fieldByName("ISDEL").asBoolean());
    sx_Select(check.workArea());
    EXPECT_TRUE(sx_Deleted());
    check.close();
    sx_SetDeleted(true);
}

TEST_F(RecordEntryTest, CloneCopiesEverythingButTheTag) {
    TAddressMain& w = start();
    const Values original = {
        {"LNAME", "Dunn"},     {"FNAME", "Ada"},     {"MIDDLE", "Q"},
        {"PREFIX", "Dr."},     {"TITLE", "Chief"},   {"ORG", "Acme"},
        {"STREET", "1 Elm"},   {"STREET2", "Apt 2"}, {"CITY", "Leeds"},
        {"STATE", "WY"},       {"ZIP", "82001"},     {"COUNTRY", "USA"},
        {"PHONE", "555-1234"}, {"PHONE2", "555-9"},  {"EMAIL", "a@b.c"},
        {"FAX", "555-0"},      {"CODES", "VIP"},     {"USER1", "one"},
        {"USER2", "two"},      {"DATE", "20240229"}, {"MEMO", "line 1\r\nline 2"},
        {"TAG", "ZZTAG01"}};
    const int source = add(original);
    EXPECT_EQ(value("TAG"), "ZZTAG01");

    messages->answer(false);
    w.mnuClone->trigger();
    EXPECT_EQ(w.Apollo1->recCount(), 1);
    ASSERT_TRUE(w.mnuClone->isEnabled());
    w.mnuCloneClick();
    const QStringList texts = messages->texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], "Clone this record?");
    EXPECT_EQ(messages->shown()[1].caption, "Clone");
    EXPECT_EQ(texts[2], "Clone completed. Current record is an exact copy");

    EXPECT_FALSE(w.editing());
    EXPECT_NE(w.Apollo1->recNo(), source);
    EXPECT_EQ(w.queryCount(), 2);
    for (const auto& [name, text] : original) {
        if (name == "TAG")
            EXPECT_EQ(value("TAG"), "");
        else
            EXPECT_EQ(w.TablePKW->fieldByName(name).text(), text) << name.toStdString();
    }
    EXPECT_EQ(named<QPlainTextEdit>(w, "MemoEdit")->toPlainText(), "line 1\nline 2");
}

TEST_F(RecordEntryTest, DuplicateNameWarningUsesTheFilesWidths) {
    ini().writeInt("NewFileFieldLengths", "FieldLNAME", 25);
    TAddressMain& w = start();
    ASSERT_EQ(w.TablePKW->fieldByName("LNAME").width(), 25);
    EXPECT_EQ(
        records::duplicateNameKey("Smith", "John", 25, w.TablePKW->fieldByName("FNAME").width()),
        "SMITH" + QString(20, ' ') + "JOHN" + QString(26, ' '));
    const int smith = add({{"LNAME", "Smith"},
                           {"FNAME", "John"},
                           {"STREET", "1 Elm"},
                           {"CITY", "Leeds"},
                           {"STATE", "WY"},
                           {"ZIP", "82001"}});
    const int other = add({{"LNAME", "Zorn"}, {"FNAME", "Al"}});
    w.prefs.adding["AutoDupCheck"] = true;
    const int order = w.Apollo1->order();
    const bool exactBefore = sx_SetExact(false);
    sx_SetExact(exactBefore);

    // No: nothing is added and the duplicate is shown.
    answerPrompt({"smith", "john", ""});
    messages->answer(false);
    w.AddButtonClick();
    ASSERT_TRUE(asked);
    EXPECT_TRUE(asked->askName);
    EXPECT_FALSE(asked->askZip);
    EXPECT_EQ(asked->lastWidth, 25);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].kind, "askDefaultNo");
    EXPECT_EQ(messages->shown()[0].caption, "Possible Duplicate");
    EXPECT_EQ(messages->shown()[0].text,
              "Possible duplicate: \r\n\r\nJohn Smith\r\n1 Elm\r\nLeeds,WY 82001\r\n\r\n"
              "Continue adding?");
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(w.Apollo1->recNo(), smith);
    EXPECT_EQ(w.Apollo1->recCount(), 2);
    EXPECT_EQ(w.Apollo1->order(), order);
    EXPECT_EQ(sx_SetExact(exactBefore), exactBefore);  // exact is put back as it was

    // Yes: the record is added with the typed name, from the record current before.
    w.Apollo1->go(other);
    messages->clear();
    w.AddButtonClick();
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(value("LNAME"), "smith");
    EXPECT_EQ(value("FNAME"), "john");
    ASSERT_TRUE(w.SaveButtonClick());
    EXPECT_EQ(w.Apollo1->recCount(), 3);

    // A different first name, or an empty one, asks nothing.
    messages->clear();
    answerPrompt({"Smith", "Jo", ""});
    w.AddButtonClick();
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_TRUE(w.editing());
    w.CancelButtonClick();
    answerPrompt({"Smith", "", ""});
    w.AddButtonClick();
    EXPECT_TRUE(messages->shown().empty());
    w.CancelButtonClick();

    // Cancelling the prompt ends the Add with nothing changed.
    records::setNewRecordPrompter(
        [](const records::NewRecordFields&, QWidget*) { return std::nullopt; });
    const int records = w.Apollo1->recCount();
    w.AddButtonClick();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(w.Apollo1->recCount(), records);
    EXPECT_EQ(w.queryCount(), 3);
}

TEST_F(RecordEntryTest, ZipFillsCityAndStateFromTheOpenDatabase) {
    TAddressMain& w = start();
    add({{"LNAME", "Able"}, {"CITY", "Ottawa"}, {"STATE", "ON"}, {"ZIP", "K1A 0B1"}});
    const int current =
        add({{"LNAME", "Bole"}, {"CITY", "Leeds"}, {"STATE", "WY"}, {"ZIP", "82001"}});
    w.prefs.adding["PlugCityState"] = true;

    QString city, state;
    EXPECT_TRUE(w.FillCityState("k1a 0b1", city, state));  // typed in lower case
    EXPECT_EQ(city, "Ottawa");
    EXPECT_EQ(state, "ON");
    EXPECT_EQ(w.Apollo1->recNo(), current);  // the lookup does not move the window

    answerPrompt({"", "", "K1A"});  // not exact: the start of a zip finds it
    w.AddButtonClick();
    ASSERT_TRUE(asked);
    EXPECT_FALSE(asked->askName);
    EXPECT_TRUE(asked->askZip);
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(value("ZIP"), "K1A");
    EXPECT_EQ(value("CITY"), "Ottawa");
    EXPECT_EQ(value("STATE"), "ON");
    w.CancelButtonClick();

    // Found nowhere: empty, unless the city is carried forward. No CSZ.DBF
    // is needed for any of this.
    ASSERT_FALSE(QFile::exists(home + "sysdata/CSZ.DBF"));
    answerPrompt({"", "", "99999"});
    w.AddButtonClick();
    EXPECT_EQ(value("CITY"), "");
    EXPECT_EQ(value("STATE"), "");
    w.CancelButtonClick();
    w.prefs.adding["CarryCity"] = true;
    w.AddButtonClick();
    EXPECT_EQ(value("ZIP"), "99999");
    EXPECT_EQ(value("CITY"), "Leeds");
    EXPECT_EQ(value("STATE"), "");
    w.CancelButtonClick();
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(RecordEntryTest, CarriedFieldsDefaultCountryDateAndSkippedBoxes) {
    TAddressMain& w = start();
    add({{"LNAME", "Able"}, {"ORG", "Acme"}, {"CITY", "Leeds"}, {"COUNTRY", "Wales"}});
    w.prefs.adding["CarryCity"] = true;
    w.prefs.adding["CarryOrg"] = true;
    w.prefs.adding["PlugDate"] = true;
    w.prefs.adding["SkipMiddleInitial"] = true;
    w.prefs.adding["SkipDate"] = true;
    w.prefs.defaultCountry = "United States of America with a name too long to fit";
    const Qt::FocusPolicy middlePolicy = named<QLineEdit>(w, "MiddleEdit")->focusPolicy();
    const Qt::FocusPolicy datePolicy = named<QAbstractButton>(w, "DateButton")->focusPolicy();

    w.AddButtonClick();
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(value("CITY"), "Leeds");
    EXPECT_EQ(value("ORG"), "Acme");
    EXPECT_EQ(value("COUNTRY"), w.prefs.defaultCountry.left(30).trimmed());  // cut to fit
    EXPECT_EQ(value("DATE"), pc::text::dateToStored(QDate::currentDate()));
    EXPECT_EQ(value("LNAME"), "");
    EXPECT_EQ(named<QLineEdit>(w, "MiddleEdit")->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(named<QAbstractButton>(w, "DateButton")->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(named<QLineEdit>(w, "FirstEdit")->focusPolicy(), Qt::StrongFocus);
    ASSERT_TRUE(w.SaveButtonClick());
    EXPECT_EQ(named<QLineEdit>(w, "MiddleEdit")->focusPolicy(),
              middlePolicy);  // every box is back after a save
    EXPECT_EQ(named<QAbstractButton>(w, "DateButton")->focusPolicy(), datePolicy);

    // Editing does not skip; a cancelled Add restores the boxes as well.
    w.EditButtonClick();
    EXPECT_EQ(named<QLineEdit>(w, "MiddleEdit")->focusPolicy(), middlePolicy);
    w.CancelButtonClick();
    w.AddButtonClick();
    EXPECT_EQ(named<QLineEdit>(w, "MiddleEdit")->focusPolicy(), Qt::ClickFocus);
    w.CancelButtonClick();
    EXPECT_EQ(named<QLineEdit>(w, "MiddleEdit")->focusPolicy(), middlePolicy);
}

TEST_F(RecordEntryTest, DateButtonEditsTheRecordAndStoresTheChosenDate) {
    TAddressMain& w = start();
    add({{"LNAME", "Able"}, {"DATE", "20200115"}});
    QDate offered;
    records::DateChoice answer{records::DateChoice::Kind::Date, QDate(2025, 12, 24)};
    records::setDatePrompter([&](const QDate& initial, QWidget*) {
        offered = initial;
        return answer;
    });

    named<QAbstractButton>(w, "DateButton")->click();
    EXPECT_EQ(offered, QDate(2020, 1, 15));
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(value("DATE"), "20251224");
    EXPECT_EQ(named<QLineEdit>(w, "DateDisplay")->text(), pc::text::storedToDisplay("20251224"));
    ASSERT_TRUE(w.SaveButtonClick());

    answer = {records::DateChoice::Kind::Cancel, {}};
    w.DateLabelClick();
    EXPECT_EQ(value("DATE"), "20251224");
    answer = {records::DateChoice::Kind::NoDate, {}};
    w.DateLabelClick();
    EXPECT_EQ(value("DATE"), "");
    EXPECT_EQ(named<QLineEdit>(w, "DateDisplay")->text(), "");
    ASSERT_TRUE(w.SaveButtonClick());
    w.DateLabelClick();
    EXPECT_EQ(offered, QDate::currentDate());  // no date: the calendar opens on today
}

TEST_F(RecordEntryTest, AggressiveSavingReopensEveryFifthSaveOnTheSameRecord) {
    TAddressMain& w = start();
    w.prefs.aggressiveSave = records::AggressiveSave::Normal;
    w.SetOrderTo("City");
    std::vector<int> reopenedAt;
    int saves = 0;
    int lastSaved = 0;
    QObject::connect(&w, &TAddressMain::tableReopened, [&] {
        reopenedAt.push_back(saves);
        EXPECT_EQ(w.Apollo1->recNo(), lastSaved);  // reported before the next save
    });
    // Saves that come from Add and from Edit both count.
    for (int i = 0; i < 6; ++i) {
        w.AddButtonClick();
        w.TablePKW->fieldByName("LNAME").setText(QString("Name%1").arg(i));
        w.TablePKW->fieldByName("CITY").setText(QString("City%1").arg(5 - i));
        lastSaved = w.Apollo1->recNo();
        ++saves;
        ASSERT_TRUE(w.SaveButtonClick());
        EXPECT_EQ(w.Apollo1->recNo(), lastSaved);
    }
    for (int i = 0; i < 6; ++i) {
        w.EditButtonClick();
        w.TablePKW->fieldByName("USER1").setText(QString::number(i));
        lastSaved = w.Apollo1->recNo();
        ++saves;
        ASSERT_TRUE(w.SaveButtonClick());
    }
    EXPECT_EQ(reopenedAt, (std::vector<int>{5, 10}));
    EXPECT_TRUE(w.active());
    EXPECT_EQ(w.currentOrderTag, "CITY");
    EXPECT_EQ(w.Apollo1->order(), w.Apollo1->tagArea("CITY"));
    EXPECT_EQ(w.queryCount(), 6);
    EXPECT_TRUE(messages->shown().empty()) << messages->texts().join('|').toStdString();

    // A bulk operation's saves do not count.
    w.bulkOperation = true;
    for (int i = 0; i < 6; ++i) {
        w.EditButtonClick();
        w.TablePKW->fieldByName("USER2").setText(QString::number(i));
        ASSERT_TRUE(w.SaveButtonClick());
    }
    EXPECT_EQ(reopenedAt.size(), 2u);
}

TEST_F(RecordEntryTest, AFailedReopenSaysSoAndForgetsThePath) {
    TAddressMain& w = start();
    add({{"LNAME", "Able"}});
    w.prefs.aggressiveSave = records::AggressiveSave::High;
    w.openDatabasePath = home + "DATA/gone.DBF";
    w.EditButtonClick();
    w.TablePKW->fieldByName("CITY").setText("Leeds");
    EXPECT_TRUE(w.SaveButtonClick());
    EXPECT_EQ(messages->texts(), QStringList{records::reopenFailedMessage()});
    EXPECT_TRUE(records::reopenFailedMessage().startsWith(
        "An error has occurred which may have resulted in lost data.\r\n"));
    EXPECT_FALSE(w.active());
    EXPECT_TRUE(w.openDatabasePath.isEmpty());
    EXPECT_FALSE(named<QAbstractButton>(w, "AddButton")->isEnabled());
}

}  // namespace
}  // namespace pc::app
