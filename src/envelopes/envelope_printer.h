#pragma once
// The envelope printer on the print engine: the names shown for its paper,
// and loading and saving it with the feed method in the settings file.
#include <QString>
#include <vector>

#include "envelopes/envelope_feed.h"

namespace pc::print {
class PrintEngine;
}

namespace pc::envelopes {

struct NamedPaper {
    int code;
    QString name;
};
// Letter, Legal, A4, A5 and the envelope sizes by their list text.
std::vector<NamedPaper> namedPapers();
// The engine's paper by name, or the page's inch size for a custom paper.
QString paperName(const print::PrintEngine& engine);
// The paper code of a name paperName() gives; 0 when it names none.
int paperCodeOfName(const QString& name);

// LoadPreferences: the feed, then the printer whose name is the stored
// name up to " ON " (any case), the stored paper and orientation; empty
// names keep the engine's current choice. The bin is kept in the file but
// the engine offers no bins.
EnvelopeFeed loadEnvelopePreferences(print::PrintEngine& engine, const QString& settingsPath);
// SavePreferences: the engine's printer, paper and orientation and the feed.
bool saveEnvelopePreferences(const print::PrintEngine& engine, const EnvelopeFeed& feed,
                             const QString& settingsPath);

}  // namespace pc::envelopes
