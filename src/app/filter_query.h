#pragma once
// The engine query for a filter string: deleted records are always left out.
#include <QString>

namespace pc::app {

inline constexpr char kNotDeletedQuery[] = "!ISDEL";
// Longer filter strings would push the query past the engine's 255
// characters once ".and. !ISDEL" is added.
inline constexpr int kMaxFilterLength = 243;

// "!ISDEL" alone for an empty filter string, else the string followed by
// ".and. !ISDEL".
QString engineQuery(const QString& filterString);
bool filterTooComplex(const QString& filterString);

}  // namespace pc::app
