// Preferences, the getting-started screen and the help pages.
#include "records/preferences.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "app/getting_started_dialog.h"
#include "app/help_topics.h"
#include "app/help_window.h"
#include "app/preferences_dialog.h"
#include "app/startup.h"
#include "text/profile_file.h"

namespace pc::app {
namespace {

class PreferencesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        initResources();
        path = dir.filePath("POSTCR.ini");
    }
    QByteArray fileBytes() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(PreferencesTest, DefaultsAndTheTagIdentifierIsWrittenBackOnFirstRead) {
    pc::text::ProfileFile ini(path);
    const records::Preferences first = records::loadPreferences(ini);
    EXPECT_FALSE(first.switchOn("PlugDate"));
    EXPECT_EQ(first.aggressiveSave, records::AggressiveSave::Normal);
    EXPECT_FALSE(first.gettingStartedOff);
    ASSERT_FALSE(first.globalTagId.isEmpty());
    EXPECT_LE(first.globalTagId.size(), 7);
    EXPECT_EQ(ini.readString("Misc", "GlobalTagId"), first.globalTagId);
    // The stored identifier is kept from then on.
    EXPECT_EQ(records::loadPreferences(ini).globalTagId, first.globalTagId);
}

TEST_F(PreferencesTest, ReadsStoredSwitchesAndRejectsAnUnknownSavingLevel) {
    pc::text::ProfileFile ini(path);
    ini.writeString("Adding", "Skiptitle", "1");
    ini.writeString("Adding", "DefaultCountry", "Canada");
    ini.writeString("Editing", "AggressiveSave", "7");
    ini.writeString("Misc", "GettingStarted", "1");
    const records::Preferences prefs = records::loadPreferences(ini);
    EXPECT_TRUE(prefs.switchOn("Skiptitle"));
    EXPECT_FALSE(prefs.switchOn("SkipLastName"));
    EXPECT_EQ(prefs.defaultCountry, "Canada");
    EXPECT_EQ(prefs.aggressiveSave, records::AggressiveSave::Normal);
    EXPECT_TRUE(prefs.gettingStartedOff);
}

TEST_F(PreferencesTest, DialogOkWritesEveryKeyAndCancelWritesNothing) {
    pc::text::ProfileFile ini(path);
    ini.writeString("Adding", "CarryZip", "1");
    const QByteArray before = fileBytes();
    {
        TPreferencesDialog dialog(path);
        EXPECT_TRUE(dialog.switchBox("CarryZip")->isChecked());
        dialog.switchBox("SkipDate")->setChecked(true);
        dialog.reject();
    }
    EXPECT_EQ(fileBytes(), before);

    TPreferencesDialog dialog(path);
    dialog.switchBox("SkipDate")->setChecked(true);
    dialog.switchBox("CarryZip")->setChecked(false);
    dialog.defaultCountryEdit()->setText("Mexico");
    dialog.aggressiveSaveBox()->setCurrentIndex(2);
    dialog.OkButtonClick();
    EXPECT_EQ(ini.readString("Adding", "SkipDate"), "1");
    EXPECT_EQ(ini.readString("Adding", "CarryZip"), "0");
    EXPECT_EQ(ini.readString("Adding", "PlugCityState"), "0");  // shown, so written
    EXPECT_EQ(ini.readString("Adding", "DefaultCountry"), "Mexico");
    EXPECT_EQ(ini.readInt("Editing", "AggressiveSave", -1), 2);
    const size_t boxes = records::addingSwitches().size() + records::carrySwitches().size() +
                         records::skipSwitches().size();
    EXPECT_EQ(boxes, 28u);
}

TEST_F(PreferencesTest, GettingStartedLinksAndItsSwitch) {
    EXPECT_EQ(gettingStartedContext("new"), 1037);
    EXPECT_EQ(gettingStartedContext("Technical Support"), 1015);
    EXPECT_EQ(gettingStartedContext("CHANGE"), 1030);
    EXPECT_EQ(gettingStartedContext("nowhere"), 0);

    TGettingStarted screen(path);
    // Every link on the page leads somewhere.
    const QString html = screen.page()->toHtml();
    for (const char* link : {"NEW", "DBASE", "ASCII", "ADD", "CHANGE", "FIND", "DELETE",
                             "TECHNICAL SUPPORT", "FREQUENTLY ASKED QUESTIONS"})
        EXPECT_TRUE(html.contains(QString("href=\"%1\"").arg(link))) << link;
    EXPECT_EQ(screen.LinkClick(QUrl("FREQUENTLY ASKED QUESTIONS")), 2098);
    EXPECT_EQ(screen.LinkClick(QUrl("FIND")), 1026);
    EXPECT_EQ(HelpWindow::instance()->currentContext(), 1026);
    delete HelpWindow::instance();

    screen.dontShowBox()->setChecked(true);
    screen.OkButtonClick();
    EXPECT_TRUE(pc::text::ProfileFile(path).readBool("Misc", "GettingStarted", false));
}

TEST_F(PreferencesTest, HelpPagesExistAndSearchFindsByTitleThenText) {
    for (const auto& topic : helpTopics())
        EXPECT_TRUE(QFile::exists(":/help/" + topic.page)) << topic.page.toStdString();
    for (int context : {1029, 1037, 1021, 1023, 1030, 1026, 2099, 1015, 2098})
        EXPECT_EQ(helpTopic(context).context, context);
    EXPECT_EQ(helpTopic(4242).context, kHelpContents);

    const std::vector<int> found = searchHelp("filter");
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), 1033);  // the title match comes first
    EXPECT_TRUE(searchHelp("zzqx nowhere").empty());
    EXPECT_TRUE(searchHelp("   ").empty());
}

}  // namespace
}  // namespace pc::app
