#include "records/preferences.h"

#include "text/profile_file.h"
#include "text/text_utils.h"

namespace pc::records {

const std::vector<PreferenceSwitch>& addingSwitches() {
    static const std::vector<PreferenceSwitch> list = {
        {"PlugDate", "Enter today's date in the date field"},
        {"PlugCityState", "Automatically insert city and state/province"},
        {"AutoDupCheck", "Automatically check for duplicate names"},
    };
    return list;
}

const std::vector<PreferenceSwitch>& carrySwitches() {
    static const std::vector<PreferenceSwitch> list = {
        {"CarryOrg", "Organization"},     {"CarrySA1", "Address 1"},
        {"CarrySA2", "Address 2"},        {"CarryCity", "City"},
        {"CarryState", "State/Province"}, {"CarryZip", "Zip/Postal Code"},
        {"CarryCountry", "Country"},
    };
    return list;
}

const std::vector<PreferenceSwitch>& skipSwitches() {
    static const std::vector<PreferenceSwitch> list = {
        {"SkipLastName", "Last Name"},
        {"SkipfirstName", "First Name"},
        {"SkipMiddleInitial", "Middle Initial"},
        {"SkipPrefix", "Prefix"},
        {"Skiptitle", "Title"},
        {"SkipOrganization", "Organization"},
        {"SkipAddress2", "Address 2"},
        {"SkipState", "State/Province"},
        {"SkipZip", "Zip/Postal Code"},
        {"SkipCountry", "Country"},
        {"SkipPhone1", "Phone #1"},
        {"SkipPhone2", "Phone #2"},
        {"SkipFax", "Fax"},
        {"SkipEmail", "E-Mail"},
        {"SkipCodes", "Codes"},
        {"SkipComments1", "Comments #1"},
        {"Skipcomments2", "Comments #2"},
        {"SkipDate", "Date"},
    };
    return list;
}

bool Preferences::switchOn(const QString& key) const {
    auto it = adding.find(key);
    return it != adding.end() && it->second;
}

Preferences loadPreferences(pc::text::ProfileFile& ini) {
    Preferences prefs;
    for (const auto* table : {&addingSwitches(), &carrySwitches(), &skipSwitches()}) {
        for (const auto& entry : *table)
            prefs.adding[entry.key] = ini.readBool(kAddingSection, entry.key, false);
    }
    prefs.defaultCountry = ini.readString(kAddingSection, "DefaultCountry");
    const int level = ini.readInt(kEditingSection, "AggressiveSave", 1);
    prefs.aggressiveSave =
        (level >= 0 && level <= 2) ? static_cast<AggressiveSave>(level) : AggressiveSave::Normal;
    prefs.gettingStartedOff = ini.readBool(kMiscSection, "GettingStarted", false);
    prefs.globalTagId = ini.readString(kMiscSection, "GlobalTagId");
    if (prefs.globalTagId.isEmpty()) prefs.globalTagId = pc::text::newTagIdentifier();
    ini.writeString(kMiscSection, "GlobalTagId", prefs.globalTagId);
    return prefs;
}

}  // namespace pc::records
