#include "maintenance/jaro_winkler.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pc::maintenance {

double jaroWinkler(std::string_view a, std::string_view b) {
    if (a.empty() && b.empty()) return 1.0;
    if (a.empty() || b.empty()) return 0.0;
    if (a == b) return 1.0;
    const size_t window = std::max<size_t>(std::max(a.size(), b.size()) / 2, 1) - 1;
    // Names are short; a stack buffer avoids an allocation per comparison.
    std::array<bool, 128> smallA{}, smallB{};
    std::vector<bool> bigA, bigB;
    const bool small = a.size() <= smallA.size() && b.size() <= smallB.size();
    if (!small) {
        bigA.assign(a.size(), false);
        bigB.assign(b.size(), false);
    }
    const auto matchedA = [&](size_t i) -> bool { return small ? smallA[i] : bigA[i]; };
    const auto matchedB = [&](size_t j) -> bool { return small ? smallB[j] : bigB[j]; };
    const auto markA = [&](size_t i) { small ? void(smallA[i] = true) : void(bigA[i] = true); };
    const auto markB = [&](size_t j) { small ? void(smallB[j] = true) : void(bigB[j] = true); };

    size_t matches = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const size_t from = i > window ? i - window : 0;
        const size_t to = std::min(i + window + 1, b.size());
        for (size_t j = from; j < to; ++j) {
            if (matchedB(j) || a[i] != b[j]) continue;
            markA(i);
            markB(j);
            ++matches;
            break;
        }
    }
    if (matches == 0) return 0.0;
    size_t transposed = 0;
    for (size_t i = 0, j = 0; i < a.size(); ++i) {
        if (!matchedA(i)) continue;
        while (!matchedB(j)) ++j;
        if (a[i] != b[j]) ++transposed;
        ++j;
    }
    const double m = static_cast<double>(matches);
    const double jaro = (m / a.size() + m / b.size() + (m - transposed / 2.0) / m) / 3.0;
    size_t prefix = 0;
    while (prefix < 4 && prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
    return jaro + prefix * 0.1 * (1.0 - jaro);
}

}  // namespace pc::maintenance
