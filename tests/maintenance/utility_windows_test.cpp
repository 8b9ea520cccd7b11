// The utility windows' wiring: the duplicate grid and its buttons, the
// replace confirmation, the case conversion's refusals, the delete and
// copy-out checks. With PC_SCREENSHOT_DIR set, each window is saved there.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

#include "data/session.h"
#include "data/t_apollo.h"
#include "maintenance/convert_case_dialog.h"
#include "maintenance/copy_out_dialog.h"
#include "maintenance/delete_records_dialog.h"
#include "maintenance/dup_check_dialog.h"
#include "maintenance/duplicate_grid_model.h"
#include "maintenance/search_and_replace_dialog.h"
#include "named_child.h"
#include "utility_table.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::maintenance::test {
namespace {

using pc::test::named;

class Host : public data::Session::Host {
  public:
    QString orderTag() const override { return {}; }
    void selectOrder(const QString&) override {}
    QString filter() const override { return filter_; }
    void applyFilter(const QString&) override {}
    QString tagId() const override { return QStringLiteral("TAG0001"); }
    void pauseForSubsystem(bool) override {}
    void resumeFromSubsystem() override {}
    void refreshAfterSubsystem() override {}
    QString filter_;
};

void shoot(QWidget& window, const char* name) {
    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    window.show();
    QCoreApplication::processEvents();
    QDir().mkpath(QString::fromLocal8Bit(dir));
    window.grab().save(QString::fromLocal8Bit(dir) + "/" + name);
}

class UtilityWindows : public UtilityTable {
  protected:
    void SetUp() override {
        UtilityTable::SetUp();
        session = std::make_unique<data::Session>(table, engine, host);
        engine.setTable(&table);
    }
    void TearDown() override {
        session.reset();
        UtilityTable::TearDown();
    }
    Host host;
    data::TApollo engine;
    std::unique_ptr<data::Session> session;
};

// Each window's Help opens its own topic, and the button is gone while a
// run hides the options.
TEST_F(UtilityWindows, HelpOpensEachWindowsTopic) {
    person("BAKER", "JOHN", "12 MAIN ST");
    std::vector<int> opened;
    widgets::setHelpOpener([&opened](int context) { opened.push_back(context); });
    TDupCheck dup(*session);
    TSearchAndReplace replace(*session);
    TConvertToUpper convert(*session);
    TDeleteRecords remove(*session);
    TCopyOut copy(*session);
    for (QDialog* window :
         std::initializer_list<QDialog*>{&dup, &replace, &convert, &remove, &copy})
        named<QPushButton>(window, "HelpButton")->click();
    widgets::setHelpOpener({});
    namespace help = widgets::help;
    EXPECT_EQ(opened, (std::vector<int>{help::kDuplicateCheck, help::kSearchAndReplace,
                                        help::kConvertCase, help::kDeleteRecords, help::kCopyOut}));
    named<QAbstractButton>(remove, "DoitButton")->click();
    EXPECT_TRUE(messages->texts().contains("Deleted 1 records"));
    EXPECT_TRUE(named<QPushButton>(remove, "HelpButton")->isHidden());
}

TEST_F(UtilityWindows, DupCheckShowsTheGridAndItsButtonsWork) {
    const int a = person("BAKER", "JOHN", "12 MAIN ST", {{"CITY", "Albany"}, {"STATE", "NY"}});
    const int b = person("Baker", "john", "12 Main Street", {{"CITY", "Albany"}, {"STATE", "NY"}});
    const int c = person("BAKER", "JOHN", "3 Oak Ave", {{"CITY", "Troy"}, {"STATE", "NY"}});
    person("ADAMS", "AMY", "5 Elm Rd");
    TDupCheck window(*session);
    EXPECT_FALSE(named<QSpinBox>(window, "CharsSpin")->isVisibleTo(&window));
    named<QRadioButton>(window, "KindRadio2")->click();
    EXPECT_TRUE(named<QSpinBox>(window, "CharsSpin")->isVisibleTo(&window));
    named<QRadioButton>(window, "KindRadio0")->click();
    shoot(window, "dup-check-setup.png");
    named<QAbstractButton>(window, "CheckitButton")->click();
    EXPECT_EQ(named<QLabel>(window, "CountLabel")->text(), "Found 2 possible duplicates");
    DuplicateGridModel* grid = window.grid();
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->recordAt(0), a);
    shoot(window, "dup-check-results.png");

    // Edit, undo, edit again and save.
    const int street = grid->columnFields().indexOf("STREET");
    grid->setData(grid->index(1, street), "12 MAIN ST");
    named<QAbstractButton>(window, "UndoButton")->click();
    EXPECT_EQ(valueOf(b, "STREET"), "12 Main Street");
    grid->setData(grid->index(1, street), "12 MAIN ST");
    named<QAbstractButton>(window, "SaveButton")->click();
    EXPECT_EQ(valueOf(b, "STREET"), "12 MAIN ST");

    named<QTableView>(window, "Grid")->selectRow(2);
    named<QAbstractButton>(window, "DeleteButton")->click();
    EXPECT_EQ(messages->shown().back().text, "Delete this record?");
    EXPECT_TRUE(deletionMarked(c));
    EXPECT_EQ(valueOf(c, "ISDEL"), "T");
    EXPECT_EQ(grid->rowCount(), 2);

    named<QAbstractButton>(window, "TagAllButton")->click();
    EXPECT_EQ(messages->shown().back().caption, "TAG ALL");
    EXPECT_EQ(valueOf(a, "TAG"), "TAG0001");
    EXPECT_EQ(valueOf(b, "TAG"), "TAG0001");
    named<QTableView>(window, "Grid")->selectRow(0);
    named<QAbstractButton>(window, "TagButton")->click();
    EXPECT_EQ(valueOf(a, "TAG"), "");
}

TEST_F(UtilityWindows, TheTemporaryIndexLivesAsLongAsTheWindow) {
    person("SMITH", "AL", "1 A ST");
    person("SMITH", "AL", "1 A ST");
    const QString file = home + "_chkdup.idx";
    {
        TDupCheck window(*session);
        named<QRadioButton>(window, "KindRadio2")->click();
        named<QAbstractButton>(window, "CheckitButton")->click();
        EXPECT_EQ(window.pairs(), 1);
        EXPECT_EQ(window.grid()->rowCount(), 2);
    }
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(data::TApollo(&table).order(), 0);
    {
        // A stop after the first record: no pair, no grid, the file still goes.
        TDupCheck window(*session);
        messages->answer(true);
        QTimer::singleShot(0, &window, [&] { window.CancelButtonClick(); });
        named<QAbstractButton>(window, "CheckitButton")->click();
        EXPECT_EQ(window.grid(), nullptr);
    }
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(UtilityWindows, SearchAndReplaceAsksFirstAndCutsTheBoxesToTheField) {
    const int main = person("A", "a", "12 MAIN ST");
    TSearchAndReplace window(*session);
    EXPECT_FALSE(named<QRadioButton>(window, "FilterRadio")->isEnabled());
    auto* fields = named<QComboBox>(window, "TargetField");
    fields->setCurrentIndex(fields->findData("STATE"));
    EXPECT_EQ(named<QLineEdit>(window, "FindEdit")->maxLength(),
              table.fieldByName("STATE").width());
    fields->setCurrentIndex(fields->findData("STREET"));
    named<QLineEdit>(window, "FindEdit")->setText("main");
    named<QRadioButton>(window, "ContainsRadio")->setChecked(true);
    named<QCheckBox>(window, "CaseSensitiveCheck")->setChecked(false);
    named<QRadioButton>(window, "PartialRadio")->setChecked(true);
    named<QLineEdit>(window, "ReplaceEdit")->setText("Elm");
    shoot(window, "search-and-replace.png");
    messages->answer(false);
    named<QAbstractButton>(window, "DoitButton")->click();
    EXPECT_EQ(messages->shown().back().caption, "Replace");
    EXPECT_EQ(valueOf(main, "STREET"), "12 MAIN ST");
    named<QAbstractButton>(window, "DoitButton")->click();
    EXPECT_EQ(valueOf(main, "STREET"), "12 Elm ST");
    EXPECT_EQ(messages->texts().back(), "Replacement done");
}

TEST_F(UtilityWindows, ConvertCaseNeedsAFieldAndConfirmation) {
    const int r = person("o'neil", "pat");
    TConvertToUpper window(*session);
    named<QCheckBox>(window, "cAll")->click();
    EXPECT_FALSE(named<QCheckBox>(window, "cLNAME")->isChecked());
    named<QAbstractButton>(window, "ConvertButton")->click();
    EXPECT_EQ(messages->texts().back(), "No fields checked for conversion");
    named<QCheckBox>(window, "cLNAME")->setChecked(true);
    named<QRadioButton>(window, "FirstRadio")->setChecked(true);
    shoot(window, "convert-case.png");
    named<QAbstractButton>(window, "ConvertButton")->click();
    EXPECT_EQ(messages->shown().back().kind, "askDefaultNo");
    EXPECT_EQ(valueOf(r, "LNAME"), "O'neil");
    EXPECT_EQ(valueOf(r, "FNAME"), "pat");
}

TEST_F(UtilityWindows, DeleteAndCopyOutWindows) {
    person("A", "a", {}, {{"STATE", "NY"}});
    person("B", "b", {}, {{"STATE", "CA"}});
    {
        host.filter_ = "STATE=\"NY\"";
        TDeleteRecords window(*session);
        EXPECT_TRUE(named<QRadioButton>(window, "NotMatchingRadio")->isEnabled());
        named<QRadioButton>(window, "NotMatchingRadio")->setChecked(true);
        shoot(window, "delete-records.png");
        named<QAbstractButton>(window, "DoitButton")->click();
        EXPECT_TRUE(messages->texts().contains("Deleted 1 records"));
    }
    TCopyOut window(*session);
    shoot(window, "copy-out.png");
    window.setFileChooser([this](const QString&, const QString&) { return path; });
    window.SaveAsButtonClick();
    EXPECT_EQ(messages->texts().back(), "Cannot copy a file to itself!");
    EXPECT_EQ(window.chosenFile(), "(none)");
    window.setFileChooser([this](const QString&, const QString&) { return home + "out.txt"; });
    window.SaveAsButtonClick();
    EXPECT_EQ(messages->texts().back(), "Must have a .DBF extension");
    named<QRadioButton>(window, "TextRadio")->setChecked(true);
    window.SaveAsButtonClick();
    EXPECT_EQ(window.chosenFile(), home + "out.txt");
    EXPECT_TRUE(QFile::exists(home + "out.txt"));
}

// The run-over-records windows for a look, with PC_SCREENSHOT_DIR set.
TEST_F(UtilityWindows, Screenshots) {
    const QString dir = qEnvironmentVariable("PC_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    QDir().mkpath(dir);
    TSearchAndReplace replace(*session);
    TDeleteRecords remove(*session);
    TCopyOut copy(*session);
    for (auto [window, name] : {std::pair<QDialog*, const char*>{&replace, "search-and-replace"},
                                {&remove, "delete-records"},
                                {&copy, "copy-out"}}) {
        window->show();
        window->grab().save(QDir(dir).filePath(QString::fromLatin1(name) + ".png"));
    }
}

}  // namespace
}  // namespace pc::maintenance::test
