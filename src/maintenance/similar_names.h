#pragma once
// Near-duplicate pairs among address records: records meet when they share
// the first five characters of the ZIP or the Soundex code of the last name;
// within each block, sorted, each record is compared with its next
// kSimilarWindow neighbours, and a pair counts when both the name (last +
// first) and the street are at least `threshold` similar (Jaro-Winkler).
#include <string>
#include <utility>
#include <vector>

#include "text/progress.h"

namespace pc::maintenance {

struct SimilarCandidate {
    int recno = 0;
    std::string name;    // upper-case last name + " " + first name
    std::string street;  // upper-case
    std::string zip5;    // first five characters of the ZIP
    std::string sound;   // Soundex of the last name
};

// Pairs (lower record number first), sorted, each once. Records without a
// last name take no part.
std::vector<std::pair<int, int>> findSimilarPairs(const std::vector<SimilarCandidate>& records,
                                                  double threshold, int window,
                                                  const text::Progress& progress = {});

}  // namespace pc::maintenance
