#include "maintenance/similar_names.h"

#include <algorithm>
#include <numeric>

#include "maintenance/jaro_winkler.h"

namespace pc::maintenance {
namespace {

// The most Jaro-Winkler can give strings of these lengths: every character
// of the shorter one matching, no transpositions, a 4-character prefix.
// Most neighbours differ enough in length to be passed over without the
// full comparison.
double similarityBound(size_t a, size_t b) {
    if (a == 0 || b == 0) return a == b ? 1.0 : 0.0;
    const double shorter = static_cast<double>(std::min(a, b));
    const double jaro = (shorter / a + shorter / b + 1.0) / 3.0;
    return jaro + 0.4 * (1.0 - jaro);
}

bool alike(const std::string& a, const std::string& b, double threshold) {
    return similarityBound(a.size(), b.size()) >= threshold && jaroWinkler(a, b) >= threshold;
}

bool similar(const SimilarCandidate& a, const SimilarCandidate& b, double threshold) {
    return alike(a.name, b.name, threshold) && alike(a.street, b.street, threshold);
}

}  // namespace

std::vector<std::pair<int, int>> findSimilarPairs(const std::vector<SimilarCandidate>& records,
                                                  double threshold, int window,
                                                  const text::Progress& progress) {
    std::vector<std::pair<int, int>> pairs;
    std::vector<int> order(records.size());
    std::iota(order.begin(), order.end(), 0);
    order.erase(
        std::remove_if(order.begin(), order.end(), [&](int i) { return records[i].name.empty(); }),
        order.end());
    const int total = static_cast<int>(order.size()) * 2;
    int done = 0;
    // Two passes: ZIP blocks sorted by name (a typo in the first name stays
    // near), Soundex blocks sorted by first name and street (a typo in the
    // last name keeps its sound).
    bool stopped = false;
    for (int pass = 0; pass < 2 && !stopped; ++pass) {
        const auto block = [&](int i) -> const std::string& {
            return pass == 0 ? records[i].zip5 : records[i].sound;
        };
        const auto sortKey = [&](int i) -> std::string {
            const SimilarCandidate& r = records[i];
            if (pass == 0) return r.name + '\x01' + r.street;
            const size_t blank = r.name.find(' ');
            return (blank == std::string::npos ? std::string() : r.name.substr(blank + 1)) +
                   '\x01' + r.street;
        };
        std::vector<std::pair<std::string, int>> keyed;
        keyed.reserve(order.size());
        for (int i : order)
            if (!block(i).empty()) keyed.emplace_back(block(i) + '\x02' + sortKey(i), i);
        std::sort(keyed.begin(), keyed.end());
        for (size_t k = 0; k < keyed.size(); ++k) {
            const SimilarCandidate& a = records[keyed[k].second];
            for (size_t n = k + 1; n < keyed.size() && n <= k + window; ++n) {
                const SimilarCandidate& b = records[keyed[n].second];
                if (block(keyed[n].second) != block(keyed[k].second)) break;
                if (similar(a, b, threshold))
                    pairs.emplace_back(std::min(a.recno, b.recno), std::max(a.recno, b.recno));
            }
            if (!text::report(progress, ++done, total)) {
                stopped = true;
                break;
            }
        }
        done = static_cast<int>(order.size()) * (pass + 1);
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

}  // namespace pc::maintenance
