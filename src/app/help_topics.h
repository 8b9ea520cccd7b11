#pragma once
// The pages of the help window and the context numbers windows open them by.
#include <QString>
#include <QStringList>
#include <vector>

namespace pc::app {

struct HelpTopic {
    int context;
    QString page;  // file name under :/help/
    QString title;
    QString section = {};  // an anchor of the page when the topic is a part of it
};

inline constexpr int kHelpContents = 1000;
inline constexpr int kHelpMainWindow = 1029;
inline constexpr int kHelpUsingHelp = 1050;

// In the order of the contents list.
const std::vector<HelpTopic>& helpTopics();
// The topic for a context number; the contents page for an unknown one.
const HelpTopic& helpTopic(int context);
// "qrc:/help/" + page, with "#" + section when there is one.
QString helpPageUrl(const HelpTopic& topic);
// Topics whose title or page text contains every word of the query, without
// regard to case, in contents order; titles match first.
std::vector<int> searchHelp(const QString& query);

}  // namespace pc::app
