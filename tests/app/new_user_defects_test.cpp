// Faults a new user met: the caret while typing, long values, the window's
// width during an edit with a filter, the filter boxes' right-click tips.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/t_address_main.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "records/filter_dialog.h"
#include "scratch_home.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "xbase/engine.h"

namespace pc::app {
namespace {

// Types any text, letters QTest has no key for included.
void typeText(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

class NewUserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = test::makeScratchHome(tempHome);
        pc::text::ProfileFile(home + "POSTCR.ini").writeInt("Editing", "AggressiveSave", 0);
    }
    void TearDown() override {
        window.reset();
        sx_CloseAll();
    }

    TAddressMain& start() {
        window = std::make_unique<TAddressMain>();
        window->FormActivate();
        EXPECT_TRUE(window->active()) << messages->texts().join('|').toStdString();
        return *window;
    }

    template <typename T = QLineEdit>
    T* child(const char* name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Adds and saves one record with a city.
    void addCity(const QString& city) {
        window->AddButtonClick();
        window->TablePKW->fieldByName("LNAME").setText("Baker");
        window->TablePKW->fieldByName("CITY").setText(city);
        ASSERT_TRUE(window->SaveButtonClick());
    }

    QTemporaryDir tempHome;
    QString home;
    pc::text::ScopedRecordingMessages messages;
    std::unique_ptr<TAddressMain> window;
};

TEST_F(NewUserTest, TypingKeepsTheCaretWhereTheUserPutItInBothModes) {
    start();
    addCity("Toronto");
    auto* city = child("CityEdit");
    window->EditButtonClick();
    ASSERT_TRUE(window->editing());
    city->setFocus();
    QTest::keyClick(city, Qt::Key_Home);
    QTest::keyClicks(city, "AB");
    EXPECT_EQ(city->text(), "ABronto");
    EXPECT_EQ(city->cursorPosition(), 2);

    QTest::keyClick(city, Qt::Key_Insert);
    QTest::keyClick(city, Qt::Key_Home);
    QTest::keyClick(city, Qt::Key_Right);
    QTest::keyClicks(city, "xy");
    EXPECT_EQ(city->text(), "AxyBronto");
    EXPECT_EQ(city->cursorPosition(), 3);
    EXPECT_EQ(window->TablePKW->fieldByName("CITY").text(), "AxyBronto");
}

TEST_F(NewUserTest, LongValuesShowTheirBeginningAfterSavingAndReopening) {
    start();
    window->AddButtonClick();
    auto* street = child("Street1Edit");
    street->setFocus();
    const QString value = "Suite 500, Building C, Floor 12, Room 7";
    QTest::keyClicks(street, value);
    ASSERT_EQ(street->cursorPosition(), value.size());
    ASSERT_TRUE(window->SaveButtonClick());
    EXPECT_EQ(street->text(), value);
    EXPECT_EQ(street->cursorPosition(), 0);

    window->OpenDatabaseClick(window->openDatabasePath);
    window->LastButtonClick();
    EXPECT_EQ(street->text(), value);
    EXPECT_EQ(street->cursorPosition(), 0);
}

TEST_F(NewUserTest, EditWithAFilterKeepsTheWidthAndDisablesFilter) {
    start();
    addCity("Toronto");
    addCity("Ottawa");
    window->filterCriteria[pc::data::Criterion::City] = "Tor";
    ASSERT_EQ(window->ApplyQuery(), 1);
    window->RefreshControls();
    window->show();
    QApplication::processEvents();
    const int width = window->width();
    auto* filter = child<QToolButton>("FilterButton");
    EXPECT_TRUE(filter->isEnabled());

    window->EditButtonClick();
    ASSERT_TRUE(window->editing());
    QApplication::processEvents();
    EXPECT_FALSE(filter->isEnabled());
    EXPECT_EQ(window->width(), width);
    window->CancelButtonClick();
    QApplication::processEvents();
    EXPECT_TRUE(filter->isEnabled());
    EXPECT_EQ(window->width(), width);
}

TEST_F(NewUserTest, SavingTextTheTableCannotHoldWarnsFirst) {
    start();
    window->AddButtonClick();
    typeText(child("LastEdit"), "Wałęsa");
    typeText(child("CityEdit"), "Gdańsk");
    QTest::keyClicks(child("FirstEdit"), "Lech");

    messages->answer(false);  // go back and change them
    EXPECT_FALSE(window->SaveButtonClick());
    ASSERT_EQ(messages->shown().size(), 1u);
    const auto& warning = messages->shown().front();
    EXPECT_EQ(warning.kind, "askDefaultNo");
    EXPECT_TRUE(warning.text.contains("Last: ł ę")) << warning.text.toStdString();
    EXPECT_TRUE(warning.text.contains("City: ń")) << warning.text.toStdString();
    EXPECT_FALSE(warning.text.contains("First"));
    EXPECT_TRUE(window->editing());
    EXPECT_EQ(window->focusWidget(), child("LastEdit"));

    messages->clear();
    messages->answer(true);  // save with "?"
    EXPECT_TRUE(window->SaveButtonClick());
    EXPECT_FALSE(window->editing());
    EXPECT_EQ(window->TablePKW->fieldByName("LNAME").text(), "Wa??sa");

    // Text the table holds is saved without a word.
    window->EditButtonClick();
    window->TablePKW->fieldByName("CITY").setText("Zoë € Müller");
    messages->clear();
    EXPECT_TRUE(window->SaveButtonClick());
    EXPECT_TRUE(messages->shown().empty());
}

TEST(FilterTips, RightClickOnAFilterBoxShowsTheCriterionTips) {
    records::TFilterDialog dialog(pc::data::FilterCriteria(), {});
    auto* codes = dialog.findChild<QLineEdit*>("CODES");
    ASSERT_NE(codes, nullptr);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            codes->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(codes, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    QAction* contains = nullptr;
    for (QAction* action : menu->actions()) {
        texts << action->text();
        if (action->data().toString() == "$") contains = action;
    }
    for (const char* sign : {"$", ">=", "<=", ";", "+", "^"})
        EXPECT_TRUE(texts.join('\n').contains(sign)) << sign;
    // The usual edit commands stay.
    EXPECT_TRUE(texts.join('\n').contains("Paste"));
    ASSERT_NE(contains, nullptr);
    codes->setText("C");
    codes->setCursorPosition(0);
    contains->trigger();
    EXPECT_EQ(codes->text(), "$C");
    menu->close();
}

}  // namespace
}  // namespace pc::app
