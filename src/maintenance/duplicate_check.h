#pragma once
// The duplicate check over the live records of the address table (neither
// deletion-marked nor ISDEL). Kinds 0-2 walk the NAME or STREET order and
// compare each record with the one before it; kind 3 finds near-duplicates
// by Jaro-Winkler similarity within blocks of likely candidates.
#include <QString>
#include <vector>

#include "text/progress.h"

namespace pc::data {
class TemporaryIndex;
class TTable;
}  // namespace pc::data

namespace pc::maintenance {

enum class DuplicateKind { LastFirst = 0, LastFirstInitial = 1, Street = 2, SimilarNames = 3 };

inline constexpr int kMaxStreetChars = 30;
inline constexpr double kDefaultSimilarity = 0.92;
// Kind 3 compares each record with this many neighbours in each block's
// sorted order, so a block of thousands of SMITHs stays linear.
inline constexpr int kSimilarWindow = 10;

struct DuplicateCheckOptions {
    DuplicateKind kind = DuplicateKind::LastFirst;
    int streetChars = kMaxStreetChars;      // kind 2: leading characters compared, 1-30
    double threshold = kDefaultSimilarity;  // kind 3
};

// The key expression of the temporary index the records are collected in.
QString duplicateKeyExpression(DuplicateKind kind);
// The address tag walked for kinds 0-2.
QString duplicateWalkTag(DuplicateKind kind);

struct DuplicateCheckResult {
    int pairs = 0;             // equal (or similar) pairs found
    std::vector<int> records;  // the records of those pairs, each once, in key order
    bool stopped = false;
};

// "Found N possible duplicates"
QString duplicatesFoundText(int pairs);

// The temporary index the window collects the records in ("_chkdup.idx").
inline constexpr char kDuplicateIndexName[] = "_chkdup.idx";

// Runs the check. With `index` (made with duplicateKeyExpression), the
// records of the pairs are added to it one key at a time and the result
// lists them as its order does. The table's order, query and deleted filter
// are put back afterwards. Throws DataError when the engine refuses (a
// missing tag too).
DuplicateCheckResult checkDuplicates(data::TTable& table, const DuplicateCheckOptions& options,
                                     const text::Progress& progress = {},
                                     data::TemporaryIndex* index = nullptr);

}  // namespace pc::maintenance
