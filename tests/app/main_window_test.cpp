// The main window against a scratch Postcraft home: start-up, opening
// databases, the recent-files menu, navigation, keys and editing.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/startup.h"
#include "app/subsystem_entry.h"
#include "app/t_address_main.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "maintenance/rebuild_indexes_dialog.h"
#include "named_child.h"
#include "scratch_home.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"
#include "widgets/field_binder.h"
#include "xbase/engine.h"

namespace pc::app {
namespace {

using pc::test::named;

using pc::text::RecordingMessageService;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { home = test::makeScratchHome(tempHome); }
    void TearDown() override {
        window.reset();
        sx_CloseAll();
    }

    pc::text::ProfileFile ini() const { return pc::text::ProfileFile(home + "POSTCR.ini"); }

    QString copyTags26(const QString& base = "tags26") {
        for (const char* ext : {".dbf", ".fpt", ".cdx"}) {
            const QString target = home + "DATA/" + base + ext;
            EXPECT_TRUE(QFile::copy(QString(PC_FIXTURES_DIR) + "/xbase/tags26" + ext, target));
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        }
        return home + "DATA/" + base + ".dbf";
    }

    // An address table whose index lacks the STATEZIP tag.
    QString tableMissingATag() {
        const QString path = home + "DATA/partial.DBF";
        {
            pc::data::TTable creation;
            EXPECT_TRUE(
                pc::data::createAddressTable(path, pc::data::NewFileFieldLengths(), creation));
        }
        QFile::remove(home + "DATA/partial.CDX");
        const int area = sx_Use(path.toUtf8().constData(), "PARTIAL", pc::xbase::kExclusive,
                                pc::xbase::kDriverCdx);
        EXPECT_GT(area, 0);
        for (const auto& tag : pc::data::addressTags()) {
            if (QString(tag.name) == "STATEZIP") continue;
            EXPECT_GT(sx_IndexTag(nullptr, tag.name, tag.expression, 0, false, nullptr), 0);
        }
        sx_Close();
        return path;
    }

    TAddressMain& start() {
        window = std::make_unique<TAddressMain>();
        window->FormActivate();
        return *window;
    }

    bool noDataPanelShown() const {
        // The record panes and this panel share one stack: only the current one shows.
        return named<QLabel>(window, "NoDataPanel")->isVisibleTo(window.get());
    }
    int recordsInIndicator() const {
        return named<QLabel>(window.get(), "FilterIndicator")->text().section(' ', 0, 0).toInt();
    }

    QTemporaryDir tempHome;
    QString home;
    pc::text::ScopedRecordingMessages messages;
    std::unique_ptr<TAddressMain> window;
};

TEST_F(MainWindowTest, FirstStartCreatesTheDefaultDatabaseAndOpensItEmpty) {
    TAddressMain& w = start();
    const QString path = home + "DATA/add0001.DBF";
    ASSERT_TRUE(QFile::exists(path)) << messages->texts().join('|').toStdString();
    EXPECT_TRUE(messages->shown().empty()) << messages->texts().join('|').toStdString();
    ASSERT_TRUE(w.active());
    EXPECT_TRUE(pc::data::CheckValidIndex(*w.TablePKW));
    EXPECT_EQ(w.Apollo1->tagCount(), 26);
    EXPECT_FALSE(noDataPanelShown());
    EXPECT_EQ(w.windowTitle(), "Postcraft - " + path);
    EXPECT_EQ(named<QLabel>(w, "OrderIndicator")->text(), "Sorted by Last Name");
    EXPECT_EQ(named<QLabel>(w, "FilterIndicator")->text(), "No records");

    // With no record positioned, Add is the only record command.
    EXPECT_TRUE(named<QAbstractButton>(w, "AddButton")->isEnabled());
    EXPECT_TRUE(w.mnuAdd->isEnabled());
    EXPECT_FALSE(named<QAbstractButton>(w, "EditButton")->isEnabled());
    EXPECT_FALSE(named<QAbstractButton>(w, "DeleteButton")->isEnabled());
    EXPECT_FALSE(w.mnuEdit->isEnabled());
    EXPECT_FALSE(w.mnuDelete->isEnabled());
    EXPECT_TRUE(named<QAbstractButton>(w, "FirstButton")->isHidden());
    EXPECT_TRUE(named<QAbstractButton>(w, "SaveButton")->isHidden());
    EXPECT_FALSE(w.SortMenu->isEnabled());
    EXPECT_EQ(pc::text::ProfileFile(home + "POSTCR.ini").readString("MRU", "Item1"), path);
}

TEST_F(MainWindowTest, AddTypeAndSaveMakesTheFirstRecordBrowsable) {
    TAddressMain& w = start();
    w.AddButtonClick();
    ASSERT_TRUE(w.editing());
    EXPECT_FALSE(named<QAbstractButton>(w, "SaveButton")->isHidden());
    EXPECT_TRUE(named<QAbstractButton>(w, "AddButton")->isHidden());
    EXPECT_FALSE(w.FileMenu->isEnabled());
    EXPECT_FALSE(named<QLineEdit>(w, "LastEdit")->isReadOnly());
    QTest::keyClicks(named<QLineEdit>(w, "LastEdit"), "Smith");
    QTest::keyClicks(named<QLineEdit>(w, "MiddleEdit"), "q");
    EXPECT_EQ(named<QLineEdit>(w, "MiddleEdit")->text(), "Q");

    ASSERT_TRUE(w.SaveButtonClick());
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(named<QLabel>(w, "FilterIndicator")->text(), "1 records (no filter)");
    EXPECT_EQ(w.TablePKW->fieldByName("LNAME").text(), "Smith");
    EXPECT_EQ(w.TablePKW->fieldByName("MIDDLE").text(), "Q");
    EXPECT_FALSE(named<QAbstractButton>(w, "FirstButton")->isHidden());
    EXPECT_TRUE(named<QAbstractButton>(w, "EditButton")->isEnabled());
    EXPECT_TRUE(named<QLineEdit>(w, "LastEdit")->isReadOnly());
}

TEST_F(MainWindowTest, OpensTheRecentDatabaseAndNavigatesInLastNameOrder) {
    const QString path = copyTags26();
    ini().writeString("MRU", "Item1", path);
    TAddressMain& w = start();
    ASSERT_TRUE(w.active()) << messages->texts().join('|').toStdString();
    EXPECT_EQ(named<QLabel>(w, "OrderIndicator")->text(), "Sorted by Last Name");
    EXPECT_TRUE(named<QLabel>(w, "FilterIndicator")->text().endsWith(" records (no filter)"));
    const int count = recordsInIndicator();
    EXPECT_GT(count, 250);
    EXPECT_LT(count, 300);  // deleted records are left out
    EXPECT_EQ(count, w.Apollo1->queryRecCount());
    EXPECT_TRUE(w.sortActions.front()->isChecked());

    // Walk the whole order: names ascend and every record is visited once.
    w.FirstButtonClick();
    QString previous = named<QLineEdit>(w, "LastEdit")->text().toUpper();
    int visited = 1;
    const int firstRecno = w.Apollo1->recNo();
    for (;;) {
        const int before = w.Apollo1->recNo();
        w.NextButtonClick();
        if (w.Apollo1->recNo() == before) break;
        ++visited;
        const QString name = named<QLineEdit>(w, "LastEdit")->text().toUpper();
        EXPECT_LE(previous, name);
        previous = name;
    }
    EXPECT_EQ(visited, count);
    const int lastRecno = w.Apollo1->recNo();
    w.FirstButtonClick();
    EXPECT_EQ(w.Apollo1->recNo(), firstRecno);
    w.LastButtonClick();
    EXPECT_EQ(w.Apollo1->recNo(), lastRecno);
    w.PriorButtonClick();
    EXPECT_NE(w.Apollo1->recNo(), lastRecno);

    // Sorting by zip re-labels the status line and checks only that item.
    w.SetOrderTo("Zip");
    EXPECT_EQ(named<QLabel>(w, "OrderIndicator")->text(), "Sorted by Zip");
    EXPECT_EQ(w.currentOrderTag, "ZIP");
    int checked = 0;
    for (QAction* a : w.sortActions) checked += a->isChecked();
    EXPECT_EQ(checked, 1);
}

TEST_F(MainWindowTest, KeysAskTheDesignedQuestions) {
    const QString path = copyTags26();
    ini().writeString("MRU", "Item1", path);
    TAddressMain& w = start();
    ASSERT_TRUE(w.active());
    w.FirstButtonClick();
    const int first = w.Apollo1->recNo();
    QTest::keyClick(named<QLineEdit>(w, "LastEdit"), Qt::Key_PageDown);
    EXPECT_NE(w.Apollo1->recNo(), first);
    QTest::keyClick(named<QLineEdit>(w, "LastEdit"), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(w.Apollo1->recNo(), first);
    QTest::keyClick(named<QLineEdit>(w, "LastEdit"), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NE(w.Apollo1->recNo(), first);
    w.FirstButtonClick();

    w.EditButtonClick();
    ASSERT_TRUE(w.editing());
    QTest::keyClicks(named<QLineEdit>(w, "Comment1Edit"), "changed");
    messages->answer(false);
    QTest::keyClick(named<QLineEdit>(w, "Comment1Edit"), Qt::Key_Escape);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text, "Cancel changes?");
    EXPECT_EQ(messages->shown()[0].caption, "Cancel");
    EXPECT_TRUE(w.editing());

    messages->answer(true);
    QTest::keyClick(named<QLineEdit>(w, "Comment1Edit"), Qt::Key_PageDown);
    EXPECT_EQ(messages->shown().back().text, "Save changes?");
    EXPECT_EQ(messages->shown().back().caption, "Save");
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(w.Apollo1->recNo(), first);  // saved without moving
    EXPECT_TRUE(w.TablePKW->fieldByName("USER1").text().startsWith("changed"));

    // Alt+Enter saves, then offers another record.
    w.EditButtonClick();
    messages->answer(false);
    QTest::keyClick(named<QLineEdit>(w, "LastEdit"), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(messages->shown().back().text, "Add another record?");
    EXPECT_EQ(messages->shown().back().caption, "Add");
    EXPECT_FALSE(w.editing());
}

TEST_F(MainWindowTest, DecliningTheRebuildLeavesNoDatabaseButRemembersThePath) {
    const QString path = tableMissingATag();
    ini().writeString("MRU", "Item1", path);
    messages->answer(false);
    TAddressMain& w = start();
    ASSERT_FALSE(messages->shown().empty());
    EXPECT_EQ(messages->shown()[0].text,
              "The index file for " + path + "\r\nis missing or invalid. Rebuild now?");
    EXPECT_EQ(messages->shown()[0].caption, "Warning");
    EXPECT_FALSE(w.active());
    EXPECT_TRUE(noDataPanelShown());
    EXPECT_TRUE(named<QLabel>(w, "FilterIndicator")->isHidden());
    EXPECT_FALSE(named<QAbstractButton>(w, "AddButton")->isEnabled());
    EXPECT_TRUE(w.FileMenu->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Postcraft - " + path);
    ASSERT_EQ(w.mruActions.size(), 1u);
    EXPECT_EQ(w.mruActions[0]->data().toString(), path);
}

TEST_F(MainWindowTest, AcceptingTheRebuildOpensTheDatabase) {
    const QString path = tableMissingATag();
    ini().writeString("MRU", "Item1", path);
    messages->answer(true);
    window = std::make_unique<TAddressMain>();
    TAddressMain& w = *window;
    bool dialogShown = false;
    QObject::connect(&w, &TAddressMain::rebuildDialogOpened,
                     [&](maintenance::TRebuildIndexesDialog* d) {
                         dialogShown = true;
                         QTimer::singleShot(0, d, [d] { d->ReindexButtonClick(); });
                     });
    w.FormActivate();
    EXPECT_TRUE(dialogShown);
    ASSERT_TRUE(w.active()) << messages->texts().join('|').toStdString();
    EXPECT_TRUE(pc::data::CheckValidIndex(*w.TablePKW));
    EXPECT_FALSE(noDataPanelShown());
}

TEST_F(MainWindowTest, RecentFilesMenuFollowsOpensAndAFailedEntryReopensThePrevious) {
    const QString first = copyTags26("first");
    const QString second = copyTags26("second");
    ini().writeString("MRU", "Item1", first);
    TAddressMain& w = start();
    ASSERT_TRUE(w.active());
    w.OpenDatabaseClick(second);
    ASSERT_EQ(w.openDatabasePath, second);
    ASSERT_EQ(w.mruActions.size(), 2u);
    EXPECT_EQ(w.mruActions[0]->data().toString(), second);
    EXPECT_EQ(w.mruActions[1]->data().toString(), first);
    EXPECT_TRUE(w.mruActions[0]->text().contains(second));

    // Choosing a listed file moves it to the top without a duplicate.
    w.mruActions[1]->trigger();
    ASSERT_EQ(w.openDatabasePath, first);
    ASSERT_EQ(w.mruActions.size(), 2u);
    EXPECT_EQ(w.mruActions[0]->data().toString(), first);

    // An entry whose file has gone: both messages, then the previous again.
    QFile::remove(second);
    messages->clear();
    w.MRUItemClick(second);
    const QStringList texts = messages->texts();
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts[0], "File " + second + " not found");
    EXPECT_TRUE(texts[1].startsWith("Unable to open " + second));
    EXPECT_TRUE(w.active());
    EXPECT_EQ(w.openDatabasePath, first);
}

TEST_F(MainWindowTest, OpenRefusesAFileThatIsNotADbf) {
    TAddressMain& w = start();
    const QString before = w.openDatabasePath;
    messages->clear();
    w.OpenDatabaseClick(home + "DATA/notes.txt");
    EXPECT_EQ(messages->texts(), QStringList{"Must be a DBF file"});
    EXPECT_EQ(w.openDatabasePath, before);
}

TEST_F(MainWindowTest, ClosingCancelsAnUnsavedEditAndSavesThePlacement) {
    const QString path = copyTags26();
    ini().writeString("MRU", "Item1", path);
    TAddressMain& w = start();
    ASSERT_TRUE(w.active());
    w.FirstButtonClick();
    const QString original = w.TablePKW->fieldByName("USER2").text();
    w.EditButtonClick();
    QTest::keyClicks(named<QLineEdit>(w, "Comment2Edit"), "unsaved");
    w.close();
    EXPECT_FALSE(w.active());
    EXPECT_TRUE(ini().hasKey("TAddressMain_Placement", "Right"));

    pc::data::TTable check;
    pc::data::defineAddressFields(check, [] { return QString(); });
    ASSERT_TRUE(pc::data::openTableFile(path, check));
    bool found = false;
    for (check.first(); !check.eof(); check.next())
        found = found || check.fieldByName("USER2").text().contains("unsaved");
    EXPECT_FALSE(found) << original.toStdString();
}

TEST_F(MainWindowTest, SubsystemEntryDetachesAndPutsOrderFilterAndRecordBack) {
    const QString path = copyTags26();
    ini().writeString("MRU", "Item1", path);
    TAddressMain& w = start();
    ASSERT_TRUE(w.active());
    w.SetOrderTo("City");
    w.LastButtonClick();
    const int record = w.Apollo1->recNo();
    const QString shownCity = named<QLineEdit>(w, "CityEdit")->text();
    {
        SubsystemEntry entry(w.session(), {.bulkOperation = true, .reapplyFilter = true});
        EXPECT_FALSE(w.refreshOnPost);
        EXPECT_TRUE(w.bulkOperation);
        EXPECT_FALSE(w.binder()->attached());
        EXPECT_FALSE(named<QLineEdit>(w, "LastEdit")->isEnabled());
        // What a subsystem window might do meanwhile: its own order and moves.
        w.SetCurrentOrder("ZIP");
        w.TablePKW->first();
        EXPECT_EQ(named<QLineEdit>(w, "CityEdit")->text(),
                  shownCity);  // detached boxes do not follow
    }
    EXPECT_TRUE(w.refreshOnPost);
    EXPECT_FALSE(w.bulkOperation);
    EXPECT_TRUE(named<QLineEdit>(w, "LastEdit")->isEnabled());
    EXPECT_EQ(w.currentOrderTag, "CITY");
    EXPECT_EQ(named<QLabel>(w, "OrderIndicator")->text(), "Sorted by City");
    EXPECT_EQ(w.Apollo1->recNo(), record);
    EXPECT_EQ(named<QLineEdit>(w, "CityEdit")->text(), w.TablePKW->fieldByName("CITY").text());
    EXPECT_EQ(w.Apollo1->query(), "!ISDEL");
}

TEST_F(MainWindowTest, EveryCommandIsAvailableWithATableOpen) {
    const QString path = copyTags26();
    ini().writeString("MRU", "Item1", path);
    TAddressMain& w = start();
    ASSERT_TRUE(w.active());
    for (const char* button : {"LabelsButton", "LettersButton", "EnvelopesButton", "ReportsButton",
                               "DialPhone1Button", "DialPhone2Button"})
        EXPECT_TRUE(named<QAbstractButton>(w, button)->isEnabled()) << button;
    for (QAction* action :
         {w.mnuPrintLabels, w.mnuPrintLetters, w.mnuPrintEnvelopes, w.mnuPrintReports,
          w.mnuPrintCurrent, w.mnuImportAscii, w.mnuImportDbf, w.mnuImport1x, w.mnuImport2x,
          w.mnuExport, w.mnuCountZips, w.mnuCheckStateZip, w.mnuCheckDuplicates, w.mnuConvertCase,
          w.mnuSearchReplace, w.mnuDeleteRecords})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(w.mnuOpen->isEnabled());
    EXPECT_TRUE(w.mnuCopyToClipboard->isEnabled());
    // Every control of the window explains itself.
    for (QWidget* widget : {static_cast<QWidget*>(named<QLineEdit>(w, "LastEdit")),
                            static_cast<QWidget*>(named<QPlainTextEdit>(w, "MemoEdit")),
                            static_cast<QWidget*>(named<QLabel>(w, "FilterIndicator")),
                            static_cast<QWidget*>(named<QAbstractButton>(w, "NextButton"))})
        EXPECT_FALSE(widget->whatsThis().isEmpty());
}

}  // namespace
}  // namespace pc::app
