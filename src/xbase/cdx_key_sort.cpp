#include "xbase/cdx_key_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace pc::xbase::cdx {
namespace {

// Radix passes work on the next eight key bytes held in the item itself, so
// most comparisons never touch the key array.
struct Item {
    uint64_t chunk;
    uint32_t recno;
    uint32_t index;
};

constexpr size_t kSmallRange = 48;

class KeySorter {
  public:
    KeySorter(const uint8_t* keys, uint16_t keyLength, bool recnosAscending)
        : keys_(keys), keyLength_(keyLength), recnosAscending_(recnosAscending) {}

    uint64_t chunkAt(uint32_t index, size_t depth) const {
        const uint8_t* k = keys_ + size_t(index) * keyLength_ + depth;
        size_t avail = keyLength_ - depth;
        if (avail >= 8) {
            uint64_t v;
            std::memcpy(&v, k, 8);
            if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
            return v;
        }
        uint64_t v = 0;
        for (size_t i = 0; i < 8; ++i) v = v << 8 | (i < avail ? k[i] : 0);
        return v;
    }

    void sort(Item* a, Item* tmp, size_t n, size_t depth) {
        if (n < 2) return;
        if (n < kSmallRange) {
            smallSort(a, n, depth);
            return;
        }
        radix(a, tmp, n);
        size_t next = depth + 8;
        for (size_t i = 0; i < n;) {
            size_t j = i + 1;
            while (j < n && a[j].chunk == a[i].chunk) ++j;
            if (j - i > 1) {
                if (next < keyLength_) {
                    // Random reads of the key array dominate: fetch well ahead.
                    for (size_t k = i; k < j; ++k) {
                        if (k + 12 < j)
                            __builtin_prefetch(keys_ + size_t(a[k + 12].index) * keyLength_ + next);
                        a[k].chunk = chunkAt(a[k].index, next);
                    }
                    sort(a + i, tmp + i, j - i, next);
                } else if (!recnosAscending_) {
                    std::sort(a + i, a + j, [](const Item& x, const Item& y) {
                        return x.recno != y.recno ? x.recno < y.recno : x.index < y.index;
                    });
                }
            }
            i = j;
        }
    }

  private:
    void smallSort(Item* a, size_t n, size_t depth) {
        size_t rest = depth + 8 < keyLength_ ? keyLength_ - depth - 8 : 0;
        const uint8_t* base = keys_ + depth + 8;
        size_t stride = keyLength_;
        std::sort(a, a + n, [&](const Item& x, const Item& y) {
            if (x.chunk != y.chunk) return x.chunk < y.chunk;
            if (rest) {
                int c = std::memcmp(base + size_t(x.index) * stride,
                                    base + size_t(y.index) * stride, rest);
                if (c) return c < 0;
            }
            return x.recno != y.recno ? x.recno < y.recno : x.index < y.index;
        });
    }

    // Stable LSD radix sort on the chunk, skipping bytes that never vary.
    static void radix(Item* a, Item* tmp, size_t n) {
        std::array<std::array<uint32_t, 256>, 8> counts{};
        for (size_t i = 0; i < n; ++i) {
            uint64_t c = a[i].chunk;
            for (int b = 0; b < 8; ++b) ++counts[b][(c >> (8 * b)) & 0xFF];
        }
        Item* src = a;
        Item* dst = tmp;
        for (int b = 0; b < 8; ++b) {
            auto& cnt = counts[b];
            if (cnt[(src[0].chunk >> (8 * b)) & 0xFF] == n) continue;
            uint32_t sum = 0;
            for (auto& c : cnt) {
                uint32_t t = c;
                c = sum;
                sum += t;
            }
            for (size_t i = 0; i < n; ++i) dst[cnt[(src[i].chunk >> (8 * b)) & 0xFF]++] = src[i];
            std::swap(src, dst);
        }
        if (src != a) std::memcpy(a, src, n * sizeof(Item));
    }

    const uint8_t* keys_;
    uint16_t keyLength_;
    bool recnosAscending_;
};

}  // namespace

ScratchArray<uint32_t> sortKeyOrder(const uint8_t* keys, const uint32_t* recnos, size_t n,
                                    uint16_t keyLength) {
    bool ascending = true;
    for (size_t i = 1; i < n && ascending; ++i) ascending = recnos[i - 1] < recnos[i];
    KeySorter sorter(keys, keyLength, ascending);
    ScratchArray<Item> items(n), tmp(n);
    for (size_t i = 0; i < n; ++i)
        items[i] = {sorter.chunkAt(static_cast<uint32_t>(i), 0), recnos[i],
                    static_cast<uint32_t>(i)};
    sorter.sort(items.data(), tmp.data(), n, 0);
    ScratchArray<uint32_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = items[i].index;
    return order;
}

}  // namespace pc::xbase::cdx
