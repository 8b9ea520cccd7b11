#include "xbase/cdx_tag_builder.h"

#include <algorithm>

#include "xbase/cdx_format.h"
#include "xbase/error.h"

namespace pc::xbase::cdx {
namespace {

struct LastEntry {
    const uint8_t* key;
    uint32_t recno;
    uint32_t page;
};

uint32_t pageOffset(uint64_t base, size_t bytes) {
    uint64_t off = base + bytes;
    if (off + kPageSize > 0xFFFFFFFFull) throw Error("Index file would exceed 4 GB");
    return static_cast<uint32_t>(off);
}

}  // namespace

uint32_t buildTree(const BuildSource& src, uint64_t base, ScratchArray<uint8_t>& out,
                   const ProgressFn& progress) {
    const uint16_t kl = src.keyLength;
    const size_t n = src.n;
    auto pos = [&](size_t i) -> size_t { return src.order ? src.order[i] : i; };

    uint32_t maxRecno = 0;
    for (size_t i = 0; i < n; ++i) maxRecno = std::max(maxRecno, src.recnos[pos(i)]);
    LeafLayout layout = chooseLeafLayout(kl, maxRecno);

    // Even uncompressed, a leaf holds this many entries: that bounds the tree.
    size_t perLeaf = kLeafArea / (layout.bytes + kl);
    size_t maxLeaves = n / perLeaf + 1;
    out = ScratchArray<uint8_t>((2 * maxLeaves + kMaxDepth) * kPageSize);
    size_t used = 0;
    std::vector<LastEntry> level;
    level.reserve(maxLeaves);
    int lastPercent = -1;
    size_t i = 0;
    do {
        size_t at = used;
        uint32_t off = pageOffset(base, at);
        used += kPageSize;
        LeafPacker packer(out.data() + at, kl, src.fill, layout);
        while (i < n) {
            if (i + 16 < n) __builtin_prefetch(src.keys + pos(i + 16) * kl);
            size_t p = pos(i);
            if (!packer.add(src.keys + p * kl, src.recnos[p])) break;
            ++i;
        }
        if (n && packer.count() == 0) throw Error("Index key does not fit a page");
        bool firstPage = level.empty();
        uint16_t type = kLeafNode | (firstPage && i == n ? kRootNode : 0);
        packer.finish(type, firstPage ? kNoPage : off - kPageSize,
                      i < n ? off + kPageSize : kNoPage);
        size_t lastPos = n ? pos(i - 1) : 0;
        level.push_back({n ? src.keys + lastPos * kl : nullptr, n ? src.recnos[lastPos] : 0, off});
        if (progress && n) {
            int percent = static_cast<int>(i * 100 / n);
            if (percent != lastPercent) progress(lastPercent = percent);
        }
    } while (i < n);

    const size_t cap = interiorCapacity(kl);
    const size_t entrySize = interiorEntrySize(kl);
    while (level.size() > 1) {
        size_t m = level.size();
        size_t pages = (m + cap - 1) / cap;
        std::vector<LastEntry> upper;
        upper.reserve(pages);
        size_t e = 0;
        for (size_t pg = 0; pg < pages; ++pg) {
            size_t count = m / pages + (pg < m % pages ? 1 : 0);
            size_t at = used;
            uint32_t off = pageOffset(base, at);
            used += kPageSize;
            uint8_t* page = out.data() + at;
            writeNodeHeader(page, {static_cast<uint16_t>(pages == 1 ? kRootNode : 0),
                                   static_cast<uint16_t>(count), pg ? off - kPageSize : kNoPage,
                                   pg + 1 < pages ? off + kPageSize : kNoPage});
            uint8_t* entry = interiorEntries(page);
            for (size_t k = 0; k < count; ++k, ++e, entry += entrySize)
                makeEntry(entry, level[e].key, kl, level[e].recno, level[e].page);
            upper.push_back({level[e - 1].key, level[e - 1].recno, off});
        }
        level.swap(upper);
    }
    out.shrink(used);
    return level.front().page;
}

}  // namespace pc::xbase::cdx
