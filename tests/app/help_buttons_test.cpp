// Every Help button opens its own topic; help opened from a modal dialog
// takes keys and clicks at once; the search box keeps its query on Enter.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/help_topics.h"
#include "app/help_window.h"
#include "app/startup.h"
#include "app/t_address_main.h"
#include "data/t_table.h"
#include "scratch_home.h"
#include "text/message_service.h"
#include "xbase/engine.h"

namespace pc::app {
namespace {

// Runs `fn` once a modal dialog named `name` is on screen.
void onModal(const QString& name, std::function<void(QDialog*)> fn) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, name, fn] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog->objectName() != name) return;
        timer->stop();
        timer->deleteLater();
        fn(dialog);
    });
    timer->start();
}

QPushButton* helpButton(QDialog* dialog) {
    for (auto* button : dialog->findChildren<QPushButton*>())
        if (button->text() == "Help") return button;
    return nullptr;
}

class HelpButtonsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = test::makeScratchHome(tempHome);
        installHelpOpener();
        window = std::make_unique<TAddressMain>();
        window->FormActivate();
        ASSERT_TRUE(window->active());
        window->AddButtonClick();
        window->TablePKW->fieldByName("LNAME").setText("Baker");
        ASSERT_TRUE(window->SaveButtonClick());
        window->show();
    }
    void TearDown() override {
        delete HelpWindow::instance();
        window.reset();
        sx_CloseAll();
    }

    // The topic the dialog's Help button opened.
    int helpOf(const QString& dialogName, const std::function<void()>& open) {
        int context = 0;
        onModal(dialogName, [&context](QDialog* dialog) {
            QPushButton* help = helpButton(dialog);
            EXPECT_NE(help, nullptr);
            if (help) help->click();
            context = HelpWindow::instance()->currentContext();
            dialog->reject();
        });
        open();
        return context;
    }

    QTemporaryDir tempHome;
    QString home;
    pc::text::ScopedRecordingMessages messages;
    std::unique_ptr<TAddressMain> window;
};

TEST_F(HelpButtonsTest, EachHelpButtonOpensItsOwnTopic) {
    const std::pair<const char*, int> expected[] = {
        {"TFilterDialog", 1033},      {"TAddressBrowse", 1027}, {"TRebuildIndexesDialog", 1038},
        {"TNewDatabaseDialog", 1037}, {"Preferences", 1031},
    };
    std::map<QString, int> opened;
    opened["TFilterDialog"] = helpOf("TFilterDialog", [this] { window->FilterButtonClick(); });
    opened["TAddressBrowse"] = helpOf("TAddressBrowse", [this] { window->BrowseButtonClick(); });
    opened["TRebuildIndexesDialog"] =
        helpOf("TRebuildIndexesDialog", [this] { window->RebuildIndexesMenuClick(); });
    opened["TNewDatabaseDialog"] =
        helpOf("TNewDatabaseDialog", [this] { window->NewFileMenuClick(); });
    opened["Preferences"] = helpOf("Preferences", [this] { window->mnuPreferences->trigger(); });
    for (const auto& [name, context] : expected) {
        EXPECT_EQ(opened[name], context) << name;
        EXPECT_EQ(helpTopic(context).context, context) << name << " has no page of its own";
    }

    int fieldLengths = 0;
    onModal("TNewDatabaseDialog", [&fieldLengths](QDialog* dialog) {
        onModal("TFieldLengthsDialog", [&fieldLengths](QDialog* lengths) {
            helpButton(lengths)->click();
            fieldLengths = HelpWindow::instance()->currentContext();
            lengths->reject();
        });
        dialog->findChild<QPushButton*>("FieldLengthsButton")->click();
        dialog->reject();
    });
    window->NewFileMenuClick();
    EXPECT_EQ(fieldLengths, 1039);
    EXPECT_EQ(helpTopic(1039).page, "field_lengths.html");
}

TEST_F(HelpButtonsTest, HelpFromAModalDialogTakesKeysAtOnce) {
    bool typed = false, entered = false, closed = false;
    onModal("TFilterDialog", [&](QDialog* dialog) {
        helpButton(dialog)->click();
        HelpWindow* help = HelpWindow::instance();
        auto* search = help->findChild<QLineEdit*>("HelpSearch");
        search->setFocus();
        // Through the window system, where a blocked window drops its input.
        for (char c : {'t', 'a', 'g'}) QTest::keyClick(help->windowHandle(), c);
        typed = search->text() == "tag";
        QTest::keyClick(help->windowHandle(), Qt::Key_Return);
        entered = search->text() == "tag" && help->currentContext() == 1028;
        QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
        closed = !help->isVisible();
        dialog->reject();
    });
    window->FilterButtonClick();
    EXPECT_TRUE(typed);
    EXPECT_TRUE(entered);
    EXPECT_TRUE(closed);
}

TEST_F(HelpButtonsTest, SearchFindsTopicsByTheirText) {
    const std::vector<int> tag = searchHelp("tag");
    ASSERT_FALSE(tag.empty());
    EXPECT_EQ(tag.front(), 1028);
    // Words only the filter page's text holds.
    const std::vector<int> range = searchHelp("range");
    EXPECT_NE(std::find(range.begin(), range.end(), 1033), range.end());
}

}  // namespace
}  // namespace pc::app
