#include "app/help_topics.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "widgets/help_contexts.h"

namespace pc::app {

const std::vector<HelpTopic>& helpTopics() {
    using namespace widgets::help;
    static const std::vector<HelpTopic> topics = {
        {kHelpContents, "contents.html", "Contents"},
        {kHelpMainWindow, "main_window.html", "The main window"},
        {1036, "opening_databases.html", "Opening address databases"},
        {kNewDatabase, "new_database.html", "Creating a new address database"},
        {kFieldLengths, "field_lengths.html", "Field lengths of a new database"},
        {kRebuildIndexes, "rebuilding_indexes.html", "Rebuilding indexes"},
        {1030, "adding_records.html", "Adding and changing records"},
        {1026, "finding_records.html", "Finding records"},
        {1032, "sorting.html", "Sorting records"},
        {kFilter, "filters.html", "Filters"},
        {kBrowse, "browsing.html", "Browsing records"},
        {1028, "tagging.html", "Tagging records"},
        {2099, "deleting_records.html", "Deleting records"},
        {kImportDbf, "import_dbf.html", "Importing from DBF files"},
        {kImportAscii, "import_ascii.html", "Importing from ASCII files"},
        {kImportOlder, "import_older.html", "Importing from earlier versions"},
        {kCopyOut, "copy_out.html", "Exporting records"},
        {kPrintLabels, "print_labels.html", "Printing labels"},
        {kLabelDesigner, "label_designer.html", "The label designer"},
        {kPrintEnvelopes, "print_envelopes.html", "Printing envelopes"},
        {kEnvelopeDesigner, "envelope_designer.html", "The envelope designer"},
        {kLetters, "letters.html", "Printing letters"},
        {kLetterPage, "letter_designer.html", "The letter designer"},
        {kLetterParagraph, "letter_designer.html", "Paragraph settings of letters", "paragraph"},
        {kSpellCheck, "spell_check.html", "Spell check"},
        {kReports, "reports.html", "Printing reports"},
        {kReportDesigner, "report_designer.html", "The report designer"},
        {kReportLayout, "report_layout.html", "Report layout"},
        {kPrintCurrentRecord, "print_current_record.html", "Printing the current record"},
        {kZipCount, "zip_count.html", "Counting ZIP codes"},
        {kStateZipCheck, "state_zip_check.html", "Checking states and ZIP codes"},
        {kDuplicateCheck, "duplicate_check.html", "Checking for duplicates"},
        {kConvertCase, "convert_case.html", "Converting case"},
        {kSearchAndReplace, "search_and_replace.html", "Search and replace"},
        {kDeleteRecords, "delete_records.html", "Deleting groups of records"},
        {kDialer, "dialer.html", "Dialing the telephone"},
        {kPreferences, "preferences.html", "Preferences"},
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
    return "qrc:/help/" + topic.page + (topic.section.isEmpty() ? QString() : "#" + topic.section);
}

namespace {
QString pagePlainText(const HelpTopic& topic) {
    // A section of a page: the page's own topic is found by the same text.
    if (!topic.section.isEmpty()) return {};
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
