#pragma once
// The engine query for a filter string: deleted records are always left out.
#include <QString>

namespace pc::data {

class TApollo;

inline constexpr char kNotDeletedQuery[] = "!ISDEL";
// Longer filter strings would push the query past the engine's 255
// characters once ".and. !ISDEL" is added.
inline constexpr int kMaxFilterLength = 243;

// "!ISDEL" alone for an empty filter string, else the string followed by
// ".and. !ISDEL".
QString engineQuery(const QString& filterString);
bool filterTooComplex(const QString& filterString);

struct FilterQueryResult {
    QString query;            // the query left in force
    int count = 0;            // records passing; 0 when no filter is in force
    bool tooComplex = false;  // the filter was refused for its length
    bool cleared = false;     // the filter was refused or matched nothing
};

// Sets the query for the filter string on the table: a too long, invalid or
// matchless filter falls back to "!ISDEL". Does not move.
FilterQueryResult runFilterQuery(TApollo& apollo, const QString& filterString);

}  // namespace pc::data
