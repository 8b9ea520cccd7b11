#pragma once
// Bulk building of a tag's tree from entries already in key order.
#include <cstddef>
#include <cstdint>

#include "xbase/cdx_index.h"
#include "xbase/cdx_scratch.h"

namespace pc::xbase::cdx {

struct BuildSource {
    const uint8_t* keys = nullptr;     // keys back to back, keyLength bytes each
    const uint32_t* recnos = nullptr;  // record number of each key position
    const uint32_t* order = nullptr;   // order[i] = position of the i-th entry; null: in place
    size_t n = 0;
    uint16_t keyLength = 0;
    uint8_t fill = 0x20;
};

// Lays out the whole tree as consecutive pages meant for file offset base
// (leaves left to right, then each interior level) into out, which ends up
// holding exactly those pages. Returns the offset of the root page.
uint32_t buildTree(const BuildSource& src, uint64_t base, ScratchArray<uint8_t>& out,
                   const ProgressFn& progress = {});

}  // namespace pc::xbase::cdx
