// The help pages: every window's number opens a page of its own that the
// resources hold and the contents page links; the search finds the pages by
// their words; a section of a page keeps its own number in the help window.
// With PC_SCREENSHOT_DIR set, two pages are saved there.
#include "app/help_topics.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <set>

#include "app/help_window.h"
#include "widgets/help_contexts.h"

namespace pc::app {
namespace {

namespace help = widgets::help;

const int kWindowContexts[] = {
    help::kImportDbf,        help::kImportAscii,     help::kBrowse,
    help::kPreferences,      help::kFilter,          help::kNewDatabase,
    help::kRebuildIndexes,   help::kFieldLengths,    help::kDuplicateCheck,
    help::kSearchAndReplace, help::kConvertCase,     help::kDeleteRecords,
    help::kCopyOut,          help::kZipCount,        help::kStateZipCheck,
    help::kPrintLabels,      help::kLabelDesigner,   help::kPrintEnvelopes,
    help::kEnvelopeDesigner, help::kLetters,         help::kSpellCheck,
    help::kLetterPage,       help::kLetterParagraph, help::kReports,
    help::kReportDesigner,   help::kReportLayout,    help::kPrintCurrentRecord,
    help::kImportOlder,      help::kDialer,
};

QString resourceText(const QString& page) {
    QFile file(":/help/" + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool contains(const std::vector<int>& found, int context) {
    return std::find(found.begin(), found.end(), context) != found.end();
}

TEST(HelpTopics, EveryWindowNumberOpensAPageOfItsOwnThatExistsAndIsLinked) {
    const QString contents = resourceText("contents.html");
    std::set<int> numbers;
    for (const auto& topic : helpTopics())
        EXPECT_TRUE(numbers.insert(topic.context).second) << topic.context << " listed twice";
    for (int context : kWindowContexts) {
        const HelpTopic& topic = helpTopic(context);
        ASSERT_EQ(topic.context, context) << context << " falls back to the contents";
        const QString text = resourceText(topic.page);
        EXPECT_FALSE(text.isEmpty()) << topic.page.toStdString() << " is not in the resources";
        EXPECT_TRUE(text.contains("<title>" + topic.title + "</title>") || !topic.section.isEmpty())
            << topic.page.toStdString() << " is titled otherwise";
        EXPECT_TRUE(contents.contains("href=\"" + topic.page + "\""))
            << topic.page.toStdString() << " is not on the contents page";
        if (!topic.section.isEmpty()) {
            EXPECT_TRUE(text.contains("name=\"" + topic.section + "\""))
                << topic.page.toStdString() << " has no such section";
        }
    }
}

TEST(HelpTopics, EveryLinkOfEveryPageLeadsToAPage) {
    // Pages of this help only; web addresses are left to the browser.
    const QRegularExpression link("href=\"([^\"#:]+)[\"#]");
    for (const auto& topic : helpTopics()) {
        const QString text = resourceText(topic.page);
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_FALSE(resourceText(target).isEmpty())
                << topic.page.toStdString() << " links to missing " << target.toStdString();
        }
    }
}

TEST(HelpTopics, SearchFindsTheNewPagesByTheirWords) {
    EXPECT_TRUE(contains(searchHelp("postnet"), help::kLabelDesigner));
    EXPECT_TRUE(contains(searchHelp("presort bulk"), help::kPrintLabels));
    EXPECT_TRUE(contains(searchHelp("similarity"), help::kDuplicateCheck));
    EXPECT_TRUE(contains(searchHelp("vCard"), help::kImportAscii));
    // A page shared by two numbers is found once by its text.
    const std::vector<int> twips = searchHelp("twips");
    EXPECT_EQ(std::count(twips.begin(), twips.end(), help::kLetterPage), 1);
    EXPECT_FALSE(contains(twips, help::kLetterParagraph));
}

TEST(HelpTopics, TheHelpWindowKeepsTheNumberOfAPageSection) {
    HelpWindow* window = HelpWindow::showContext(help::kLetterParagraph);
    EXPECT_EQ(window->currentContext(), help::kLetterParagraph);
    HelpWindow::showContext(help::kLetterPage);
    EXPECT_EQ(window->currentContext(), help::kLetterPage);
    HelpWindow::showContext(help::kLetterParagraph);
    EXPECT_EQ(window->currentContext(), help::kLetterParagraph);

    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        const QString out = QString::fromLocal8Bit(dir) + '/';
        QDir().mkpath(out);
        window->resize(860, 640);
        for (auto [context, name] : {std::pair{help::kPrintLabels, "help-print-labels.png"},
                                     std::pair{help::kDuplicateCheck, "help-duplicates.png"}}) {
            HelpWindow::showContext(context);
            QCoreApplication::processEvents();
            window->grab().save(out + name);
        }
    }
    delete window;
}

}  // namespace
}  // namespace pc::app
