#pragma once
// Deterministic address records for benchmarks: the 23-field address table
// and its 26 tags, filled with plausible names, streets, cities and phones.
// The same seed always gives the same records on every platform.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/address_schema.h"

namespace pc::bench {

inline constexpr int kAddressFieldCount = 23;

// LNAME, FNAME, MIDDLE, ... MEMO, in table order, at their default widths.
inline const std::vector<data::AddressFieldDef>& addressFields() {
    return data::addressStoredFields();
}
// NAME, LNAME, FNAME, ... NOTISDEL, in creation order.
inline const std::vector<data::AddressTagDef>& addressTags() {
    return data::addressTags();
}

// Positions (0-based) of the logical and the memo field.
inline constexpr int kIsDelField = 20;
inline constexpr int kMemoField = 22;

class AddressGenerator {
  public:
    explicit AddressGenerator(uint64_t seed = 20240601);

    // Values of the next record in field order. ISDEL is "T" or "F"; most
    // optional fields and most memos are "". Every value fits its field.
    const std::array<std::string, kAddressFieldCount>& next();

    // A random number in [0, n).
    uint32_t below(uint32_t n);

  private:
    uint64_t nextBits();
    // Index into a list of n entries, low indexes more likely.
    uint32_t skewed(uint32_t n);

    uint64_t state_;
    std::array<std::string, kAddressFieldCount> values_;
};

}  // namespace pc::bench
