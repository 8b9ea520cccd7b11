#pragma once
// Small helpers shared by the compound-index tests.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "xbase/cdx_index.h"

namespace pc::test {

// One index entry: the key bytes and the record number.
using Entry = std::pair<std::string, uint32_t>;

// Every entry of a tag, first to last.
inline std::vector<Entry> walk(const xbase::CdxIndex& idx, int tag) {
    std::vector<Entry> out;
    auto c = idx.cursor(tag);
    size_t len = idx.tags()[tag].keyLength;
    for (bool ok = c->first(); ok; ok = c->next())
        out.push_back({std::string(reinterpret_cast<const char*>(c->key()), len), c->recno()});
    return out;
}

inline const uint8_t* u8(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

}  // namespace pc::test
