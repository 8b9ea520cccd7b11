#pragma once
// The spelling dictionaries in the Postcraft home: "postcr.dct" is a
// Hunspell word list with its affix rules in "postcr.aff" beside it, and
// "postcru.dct" holds the words the user added, one a line.
#include <QString>

namespace pc::spell {

// The affix file that belongs to a main dictionary: same name, ".aff".
QString affixPathFor(const QString& dictionaryPath);

// Where the system keeps Hunspell's en_US dictionary.
QString systemDictionaryDir();

// Copies the system's en_US dictionary to `dictionaryPath` and its affix
// file beside it when the dictionary is missing. Both files are written
// completely or not at all. True when the dictionary is there afterwards.
bool installMainDictionary(const QString& dictionaryPath,
                           const QString& systemDir = systemDictionaryDir());

}  // namespace pc::spell
