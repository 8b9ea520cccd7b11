#pragma once
// The user's switches from the "Adding", "Editing" and "Misc" sections of
// POSTCR.ini, and the table of check boxes the preferences dialog shows.
#include <QString>
#include <map>
#include <vector>

namespace pc::text {
class ProfileFile;
}

namespace pc::records {

// One boolean key of the "Adding" section and the caption it has in the
// preferences dialog.
struct PreferenceSwitch {
    const char* key;
    const char* caption;
};

// "When adding new records" switches.
const std::vector<PreferenceSwitch>& addingSwitches();
// "Carry forward the following fields:".
const std::vector<PreferenceSwitch>& carrySwitches();
// "Skip through the following fields:".
const std::vector<PreferenceSwitch>& skipSwitches();

// Choices of "Aggressive Saving Level"; the index is the stored value.
enum class AggressiveSave { None = 0, Normal = 1, High = 2 };

struct Preferences {
    std::map<QString, bool> adding;  // every key of the three tables above
    QString defaultCountry;
    AggressiveSave aggressiveSave = AggressiveSave::Normal;
    bool gettingStartedOff = false;  // "GettingStarted": the screen is not shown
    QString globalTagId;

    bool switchOn(const QString& key) const;
};

inline constexpr char kAddingSection[] = "Adding";
inline constexpr char kEditingSection[] = "Editing";
inline constexpr char kMiscSection[] = "Misc";

// Reads the three sections. A missing "GlobalTagId" gets a new identifier;
// the identifier is written back at once either way, so the first run stores
// the one it made.
Preferences loadPreferences(pc::text::ProfileFile& ini);

}  // namespace pc::records
