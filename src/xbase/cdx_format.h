#pragma once
// The bytes of a compound index: headers, page headers, compressed leaves and
// interior entries. Nothing else in the engine knows an offset inside a page.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "xbase/byte_order.h"
#include "xbase/cdx_index.h"
#include "xbase/mapped_file.h"

namespace pc::xbase::cdx {

constexpr uint32_t kPageSize = 512;
constexpr uint32_t kHeaderSize = 1024;  // tag and directory headers are two pages
constexpr uint32_t kNoPage = 0xFFFFFFFF;
constexpr uint16_t kMaxKeyLength = 240;
constexpr uint16_t kDirectoryKeyLength = 10;
constexpr size_t kLeafArea = 488;      // entry area plus key area of a leaf
constexpr size_t kInteriorArea = 500;  // bytes for interior entries
constexpr size_t kExpressionPoolSize = 512;
constexpr int kMaxDepth = 64;  // far deeper than any real tree: a guard against loops

// Node type bits.
constexpr uint16_t kRootNode = 1;
constexpr uint16_t kLeafNode = 2;

// Tag option bits.
constexpr uint8_t kOptUnique = 0x01;
constexpr uint8_t kOptFor = 0x08;
constexpr uint8_t kOptCompact = 0x20;
constexpr uint8_t kOptCompound = 0x40;
constexpr uint8_t kOptDirectory = 0x80;

using xbase::be32;
using xbase::le16;
using xbase::le32;
using xbase::putBe32;
using xbase::putLe16;
using xbase::putLe32;

// ---- Headers ---------------------------------------------------------------

struct TagHeader {
    uint32_t root = 0;
    uint16_t keyLength = 0;
    uint8_t options = 0;
    bool descending = false;
    std::string keyExpr;
    std::string forExpr;
};

// Parses 1024 header bytes; throws Error when they cannot be a tag header.
TagHeader parseTagHeader(const uint8_t* p, const std::string& where);
// Writes a whole header (1024 bytes), reserved bytes zero.
void writeTagHeader(uint8_t* p, const TagHeader& h);
uint32_t headerRoot(const uint8_t* header);
void setHeaderRoot(uint8_t* header, uint32_t root);

std::optional<CdxStamp> readStamp(const uint8_t* dirHeader);
void writeStamp(uint8_t* dirHeader, const CdxStamp& stamp);

// ---- Pages -----------------------------------------------------------------

struct NodeHeader {
    uint16_t type = 0;
    uint16_t count = 0;
    uint32_t left = kNoPage;
    uint32_t right = kNoPage;
    bool isLeaf() const { return type & kLeafNode; }
    bool isRoot() const { return type & kRootNode; }
};

NodeHeader readNodeHeader(const uint8_t* page);
void writeNodeHeader(uint8_t* page, const NodeHeader& h);
void setLeftLink(uint8_t* page, uint32_t left);
void setRightLink(uint8_t* page, uint32_t right);

// A page of the file, checked to be aligned and inside it.
const uint8_t* pageAt(const MappedFile& f, uint64_t offset);
bool validPageOffset(const MappedFile& f, uint64_t offset);

// ---- Leaves ----------------------------------------------------------------

struct LeafLayout {
    uint8_t recBits = 0, dupBits = 0, trailBits = 0, bytes = 0;
    bool holds(uint32_t recno) const { return recBits >= 32 || recno < (uint32_t(1) << recBits); }
};

// Duplicate and trailing counts get the fewest bits that hold the key
// length; the entry is 3 bytes when that leaves room for maxRecno, else wider.
LeafLayout chooseLeafLayout(uint16_t keyLength, uint32_t maxRecno);
// The widths stored in a leaf, checked for sanity.
LeafLayout readLeafLayout(const uint8_t* page);

// Keys of a decoded leaf, back to back, each keyLength bytes.
struct LeafEntries {
    uint16_t keyLength = 0;
    std::vector<uint8_t> keys;
    std::vector<uint32_t> recnos;
    size_t size() const { return recnos.size(); }
    const uint8_t* key(size_t i) const { return keys.data() + i * keyLength; }
    void clear() {
        keys.clear();
        recnos.clear();
    }
};

// Decodes all entries of a leaf page (replacing out's contents). Throws
// Error when the page is inconsistent. Returns the free-byte count the
// entries leave, for verification against the stored value.
size_t decodeLeaf(const uint8_t* page, uint16_t keyLength, uint8_t fill, LeafEntries& out);

// The free-byte count a leaf claims.
uint16_t leafFreeBytes(const uint8_t* page);

// Packs entries into a leaf page buffer one at a time.
class LeafPacker {
  public:
    LeafPacker(uint8_t* page, uint16_t keyLength, uint8_t fill, LeafLayout layout);
    // Adds an entry at the end; false (page unchanged) when it does not fit.
    // The key bytes must stay in place until the next add().
    bool add(const uint8_t* key, uint32_t recno);
    // Writes the page header and free-byte count.
    void finish(uint16_t type, uint32_t left, uint32_t right);
    uint16_t count() const { return count_; }
    size_t freeBytes() const { return keyEnd_ - entryEnd_; }
    const uint8_t* lastKey() const { return prev_; }

  private:
    uint8_t* page_;
    uint16_t keyLength_;
    uint8_t fill_;
    LeafLayout layout_;
    uint16_t count_ = 0;
    size_t entryEnd_;  // offset past the last packed entry
    size_t keyEnd_;    // offset of the last key bytes written (they grow downwards)
    const uint8_t* prev_ = nullptr;
    size_t prevTrail_ = 0;
};

// Number of trailing fill bytes of a key.
size_t trailingFill(const uint8_t* key, size_t len, uint8_t fill);

// ---- Interior pages ---------------------------------------------------------

inline size_t interiorCapacity(uint16_t keyLength) {
    return kInteriorArea / (keyLength + 8u);
}
inline size_t interiorEntrySize(uint16_t keyLength) {
    return keyLength + 8u;
}
inline const uint8_t* interiorEntries(const uint8_t* page) {
    return page + 12;
}
inline uint8_t* interiorEntries(uint8_t* page) {
    return page + 12;
}
// Within one entry: key, then record number and child offset (both BE).
inline uint32_t entryRecno(const uint8_t* e, uint16_t keyLength) {
    return be32(e + keyLength);
}
inline uint32_t entryChild(const uint8_t* e, uint16_t keyLength) {
    return be32(e + keyLength + 4);
}
inline void makeEntry(uint8_t* e, const uint8_t* key, uint16_t keyLength, uint32_t recno,
                      uint32_t child) {
    std::memcpy(e, key, keyLength);
    putBe32(e + keyLength, recno);
    putBe32(e + keyLength + 4, child);
}
// Checks an interior page's key count against its capacity.
void checkInterior(const NodeHeader& h, uint16_t keyLength, uint64_t offset);

// Ordering of (key, recno) entries: bytes unsigned, then record number.
inline int compareEntry(const uint8_t* a, uint32_t ra, const uint8_t* b, uint32_t rb, size_t len) {
    int c = std::memcmp(a, b, len);
    if (c) return c;
    return ra < rb ? -1 : ra > rb ? 1 : 0;
}

// First position in [0, count) that does not sort before the sought entry
// (count when all do); `before(i)` says whether position i does. Shared by
// the cursor and the editor so both descend and land alike.
template <class Before>
inline size_t lowerBound(size_t count, Before before) {
    size_t lo = 0, hi = count;
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (before(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// Lower bound of (key, recno) among the entries of an interior page.
inline size_t interiorLowerBound(const uint8_t* entries, size_t count, uint16_t keyLength,
                                 const uint8_t* key, uint32_t recno) {
    const size_t es = interiorEntrySize(keyLength);
    return lowerBound(count, [&](size_t i) {
        const uint8_t* e = entries + i * es;
        return compareEntry(e, entryRecno(e, keyLength), key, recno, keyLength) < 0;
    });
}

// Lower bound of the first len bytes of key among an interior page's entries.
inline size_t interiorPrefixLowerBound(const uint8_t* entries, size_t count, uint16_t keyLength,
                                       const uint8_t* key, size_t len) {
    const size_t es = interiorEntrySize(keyLength);
    return lowerBound(count, [&](size_t i) { return std::memcmp(entries + i * es, key, len) < 0; });
}

// Lower bound of (key, recno) among a decoded leaf's entries.
inline size_t leafLowerBound(const LeafEntries& leaf, const uint8_t* key, uint32_t recno) {
    return lowerBound(leaf.size(), [&](size_t i) {
        return compareEntry(leaf.key(i), leaf.recnos[i], key, recno, leaf.keyLength) < 0;
    });
}

// Lower bound of the first len bytes of key among a decoded leaf's entries.
inline size_t leafPrefixLowerBound(const LeafEntries& leaf, const uint8_t* key, size_t len) {
    return lowerBound(leaf.size(),
                      [&](size_t i) { return std::memcmp(leaf.key(i), key, len) < 0; });
}

}  // namespace pc::xbase::cdx
