#pragma once
// Search text as the upper-cased index keys hold it. Keys are made by the
// engine's UPPER() on Windows-1252 bytes, which upper-cases the accented
// Latin letters too ("ü" -> "Ü") and keeps only what the code page holds; a
// search that upper-cases or encodes differently misses "Müller". Key
// search, the duplicate-name check and the memo search all go through this.
#include <QString>

namespace pc::data {

// The text encoded for Windows-1252 (characters it lacks become "?") and
// upper-cased by the engine's rules, given back as text for seeks.
QString upperKeyText(const QString& text);

// Whether the memo holds the search text, compared as upper-cased key
// text. Only the first 32,767 characters of the memo are searched; an empty
// memo or search text never matches.
bool memoContains(const QString& memo, const QString& search);

}  // namespace pc::data
