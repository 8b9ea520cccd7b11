#pragma once
// Ordering of index keys before a tag is built.
#include <cstddef>
#include <cstdint>

#include "xbase/cdx_scratch.h"

namespace pc::xbase::cdx {

// Positions 0..n-1 of the keys (n keys of keyLength bytes back to back)
// ordered by unsigned key bytes, equal keys by ascending record number.
ScratchArray<uint32_t> sortKeyOrder(const uint8_t* keys, const uint32_t* recnos, size_t n,
                                    uint16_t keyLength);

}  // namespace pc::xbase::cdx
