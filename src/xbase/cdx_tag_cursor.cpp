#include "xbase/cdx_tag_cursor.h"

#include <algorithm>
#include <vector>

#include "xbase/error.h"

namespace pc::xbase::cdx {

uint32_t treeRoot(const TreeRef& ref) {
    const MappedFile& f = *ref.file;
    if (uint64_t(ref.header) + kHeaderSize > f.size())
        throw Error("Index " + f.path() + " is damaged: tag header past the end of the file");
    uint32_t root = headerRoot(f.data() + ref.header);
    if (!validPageOffset(f, root))
        throw Error("Index " + f.path() + " is damaged: bad root page offset " +
                    std::to_string(root));
    return root;
}

bool TreeCursor::descend(Pick pick, const uint8_t* key, size_t len, uint32_t recno) {
    const MappedFile& f = *ref_.file;
    const uint16_t kl = ref_.keyLength;
    const size_t es = interiorEntrySize(kl);
    uint32_t off = treeRoot(ref_);
    hops_ = 0;
    for (int depth = 0;; ++depth) {
        if (depth > kMaxDepth) throw Error("Index " + f.path() + " is damaged: tree too deep");
        const uint8_t* page = pageAt(f, off);
        NodeHeader h = readNodeHeader(page);
        if (h.isLeaf()) break;
        checkInterior(h, kl, off);
        const uint8_t* entries = interiorEntries(page);
        size_t idx;
        switch (pick) {
            case Pick::First:
                idx = 0;
                break;
            case Pick::Last:
                idx = h.count - 1u;
                break;
            default: {
                size_t lo = pick == Pick::Prefix
                                ? interiorPrefixLowerBound(entries, h.count, kl, key, len)
                                : interiorLowerBound(entries, h.count, kl, key, recno);
                if (lo == h.count) {
                    leaf_ = 0;
                    return invalidate();
                }
                idx = lo;
            }
        }
        off = entryChild(entries + idx * es, kl);
    }
    loadLeaf(off);
    return true;
}

void TreeCursor::loadLeaf(uint32_t offset) {
    const MappedFile& f = *ref_.file;
    const uint8_t* page = pageAt(f, offset);
    NodeHeader h = readNodeHeader(page);
    if (!h.isLeaf())
        throw Error("Index " + f.path() + " is damaged: page " + std::to_string(offset) +
                    " should be a leaf");
    if (leaf_ == offset && leafGeneration_ == *ref_.generation) return;
    leaf_ = 0;
    decodeLeaf(page, ref_.keyLength, ref_.fill, entries_);
    leafOrdered_ = false;
    leaf_ = offset;
    leafHeader_ = h;
    leafGeneration_ = *ref_.generation;
}

// Entries out of order would make walks repeat or skip records. Checked once
// per leaf when a walk moves within it, so seeks do not pay for it.
void TreeCursor::checkLeafOrder() {
    if (leafOrdered_) return;
    for (size_t i = 1; i < entries_.size(); ++i)
        if (compareEntry(entries_.key(i - 1), entries_.recnos[i - 1], entries_.key(i),
                         entries_.recnos[i], ref_.keyLength) >= 0)
            throw Error("Index " + ref_.file->path() + " is damaged: the entries of page " +
                        std::to_string(leaf_) + " are out of order");
    leafOrdered_ = true;
}

// Moves along the leaf level to the next non-empty leaf; guarded against
// sibling links that form a loop in a damaged file.
bool TreeCursor::stepLeaf(bool right) {
    const uint64_t limit = pageLimit(*ref_.file);
    const uint16_t kl = ref_.keyLength;
    // The entry the walk leaves: the next one must lie beyond it.
    const bool haveEdge = entries_.size() > 0;
    uint32_t edgeRecno = 0;
    if (haveEdge) {
        size_t i = right ? entries_.size() - 1 : 0;
        edge_.assign(entries_.key(i), entries_.key(i) + kl);
        edgeRecno = entries_.recnos[i];
    }
    do {
        const uint32_t next = right ? leafHeader_.right : leafHeader_.left;
        if (next == kNoPage) return invalidate();
        if (++hops_ > limit)
            throw Error("Index " + ref_.file->path() + " is damaged: its page links form a loop");
        loadLeaf(next);
    } while (entries_.size() == 0);
    pos_ = right ? 0 : entries_.size() - 1;
    if (haveEdge) {
        int c =
            compareEntry(edge_.data(), edgeRecno, entries_.key(pos_), entries_.recnos[pos_], kl);
        if (right ? c >= 0 : c <= 0)
            throw Error("Index " + ref_.file->path() + " is damaged: page " +
                        std::to_string(leaf_) + " is out of order with its neighbour");
    }
    return valid_ = true;
}

bool TreeCursor::stepRight() {
    return stepLeaf(true);
}
bool TreeCursor::stepLeft() {
    return stepLeaf(false);
}

bool TreeCursor::first() {
    if (!descend(Pick::First, nullptr, 0, 0)) return false;
    if (entries_.size() == 0) return stepRight();
    pos_ = 0;
    return valid_ = true;
}

bool TreeCursor::last() {
    if (!descend(Pick::Last, nullptr, 0, 0)) return false;
    if (entries_.size() == 0) return stepLeft();
    pos_ = entries_.size() - 1;
    return valid_ = true;
}

bool TreeCursor::refresh() {
    std::vector<uint8_t> key(entries_.key(pos_), entries_.key(pos_) + ref_.keyLength);
    uint32_t recno = entries_.recnos[pos_];
    if (!seekEntry(key.data(), recno)) return false;
    return recno == entries_.recnos[pos_] &&
           std::memcmp(key.data(), entries_.key(pos_), ref_.keyLength) == 0;
}

bool TreeCursor::next() {
    if (!valid_) return false;
    if (leafGeneration_ != *ref_.generation && !refresh()) return valid_;
    checkLeafOrder();
    if (++pos_ < entries_.size()) return true;
    return stepRight();
}

bool TreeCursor::prev() {
    if (!valid_) return false;
    if (leafGeneration_ != *ref_.generation) {
        if (!refresh() && !valid_) return last();
    }
    checkLeafOrder();
    if (pos_ > 0) {
        --pos_;
        return true;
    }
    return stepLeft();
}

bool TreeCursor::seek(const uint8_t* key, size_t len) {
    len = std::min<size_t>(len, ref_.keyLength);
    if (!descend(Pick::Prefix, key, len, 0)) return false;
    size_t lo = leafPrefixLowerBound(entries_, key, len);
    if (lo == entries_.size()) return stepRight();
    pos_ = lo;
    return valid_ = true;
}

bool TreeCursor::seekEntry(const uint8_t* key, uint32_t recno) {
    const uint16_t kl = ref_.keyLength;
    if (!descend(Pick::Entry, key, kl, recno)) return false;
    size_t lo = leafLowerBound(entries_, key, recno);
    if (lo == entries_.size()) return stepRight();
    pos_ = lo;
    return valid_ = true;
}

}  // namespace pc::xbase::cdx
