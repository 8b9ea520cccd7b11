#include "app/help_topics.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace pc::app {

const std::vector<HelpTopic>& helpTopics() {
    static const std::vector<HelpTopic> topics = {
        {kHelpContents, "contents.html", "Contents"},
        {kHelpMainWindow, "main_window.html", "The main window"},
        {1036, "opening_databases.html", "Opening address databases"},
        {1037, "new_database.html", "Creating a new address database"},
        {1039, "field_lengths.html", "Field lengths of a new database"},
        {1038, "rebuilding_indexes.html", "Rebuilding indexes"},
        {1030, "adding_records.html", "Adding and changing records"},
        {1026, "finding_records.html", "Finding records"},
        {1032, "sorting.html", "Sorting records"},
        {1033, "filters.html", "Filters"},
        {1027, "browsing.html", "Browsing records"},
        {1028, "tagging.html", "Tagging records"},
        {2099, "deleting_records.html", "Deleting records"},
        {1021, "import_dbf.html", "Importing from DBF files"},
        {1023, "import_ascii.html", "Importing from ASCII files"},
        {1031, "preferences.html", "Preferences"},
        {1034, "keyboard.html", "Keyboard shortcuts"},
        {2098, "faq.html", "Frequently asked questions"},
        {1015, "technical_support.html", "Technical support"},
        {kHelpUsingHelp, "using_help.html", "How to use help"},
    };
    return topics;
}

const HelpTopic& helpTopic(int context) {
    for (const auto& topic : helpTopics())
        if (topic.context == context) return topic;
    return helpTopics().front();
}

QString helpPageUrl(const HelpTopic& topic) {
    return "qrc:/help/" + topic.page;
}

namespace {
QString pagePlainText(const HelpTopic& topic) {
    QFile file(":/help/" + topic.page);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QTextDocumentFragment::fromHtml(QString::fromUtf8(file.readAll())).toPlainText();
}
}  // namespace

std::vector<int> searchHelp(const QString& query) {
    const QStringList words = query.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};
    auto containsAll = [&words](const QString& text) {
        for (const auto& word : words)
            if (!text.contains(word, Qt::CaseInsensitive)) return false;
        return true;
    };
    std::vector<int> byTitle, byText;
    for (const auto& topic : helpTopics()) {
        if (containsAll(topic.title))
            byTitle.push_back(topic.context);
        else if (containsAll(pagePlainText(topic)))
            byText.push_back(topic.context);
    }
    byTitle.insert(byTitle.end(), byText.begin(), byText.end());
    return byTitle;
}

}  // namespace pc::app
