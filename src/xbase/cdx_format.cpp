#include "xbase/cdx_format.h"

#include <algorithm>
#include <bit>

#include "xbase/error.h"

namespace pc::xbase::cdx {
namespace {

constexpr size_t kRootAt = 0, kFreeAt = 4, kKeyLengthAt = 12, kOptionsAt = 14, kSignatureAt = 15,
                 kOrderAt = 502, kForPosAt = 504, kForLenAt = 506, kKeyPosAt = 508, kKeyLenAt = 510,
                 kPoolAt = 512;
constexpr size_t kStampAt = 484;
constexpr char kStampMagic[4] = {'P', 'C', 'X', '1'};

// Leaf header fields after the common 12 bytes.
constexpr size_t kFreeBytesAt = 12, kRecMaskAt = 14, kDupMaskAt = 18, kTrailMaskAt = 19,
                 kRecBitsAt = 20, kDupBitsAt = 21, kTrailBitsAt = 22, kEntryBytesAt = 23,
                 kEntriesAt = 24;

uint8_t bitsFor(uint32_t v) {
    return static_cast<uint8_t>(v == 0 ? 0 : std::bit_width(v));
}

uint64_t readEntry(const uint8_t* p, size_t bytes) {
    uint64_t v = 0;
    for (size_t i = bytes; i-- > 0;) v = v << 8 | p[i];
    return v;
}

size_t commonPrefix(const uint8_t* a, const uint8_t* b, size_t limit) {
    size_t i = 0;
    while (i + 8 <= limit) {
        uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little)
                return i + static_cast<size_t>(std::countr_zero(x ^ y)) / 8;
            else
                return i + static_cast<size_t>(std::countl_zero(x ^ y)) / 8;
        }
        i += 8;
    }
    while (i < limit && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

// ---- Headers ---------------------------------------------------------------

TagHeader parseTagHeader(const uint8_t* p, const std::string& where) {
    TagHeader h;
    h.root = le32(p + kRootAt);
    h.keyLength = le16(p + kKeyLengthAt);
    h.options = p[kOptionsAt];
    h.descending = le16(p + kOrderAt) != 0;
    if (h.keyLength == 0 || h.keyLength > kMaxKeyLength)
        throw Error(where + ": impossible key length " + std::to_string(h.keyLength),
                    ErrorKind::Damaged);
    const char* pool = reinterpret_cast<const char*>(p + kPoolAt);
    size_t keyEnd = 0;
    while (keyEnd < kExpressionPoolSize && pool[keyEnd]) ++keyEnd;
    h.keyExpr.assign(pool, keyEnd);
    if (keyEnd + 1 < kExpressionPoolSize) {
        size_t forStart = keyEnd + 1, forEnd = forStart;
        while (forEnd < kExpressionPoolSize && pool[forEnd]) ++forEnd;
        h.forExpr.assign(pool + forStart, forEnd - forStart);
    }
    return h;
}

void writeTagHeader(uint8_t* p, const TagHeader& h) {
    std::memset(p, 0, kHeaderSize);
    putLe32(p + kRootAt, h.root);
    putLe32(p + kFreeAt, kNoPage);
    putLe16(p + kKeyLengthAt, h.keyLength);
    p[kOptionsAt] = h.options;
    p[kSignatureAt] = 1;
    putLe16(p + kOrderAt, h.descending ? 1 : 0);
    auto keyLen = static_cast<uint16_t>(h.keyExpr.size() + 1);
    putLe16(p + kForPosAt, keyLen);
    putLe16(p + kForLenAt, static_cast<uint16_t>(h.forExpr.size() + 1));
    putLe16(p + kKeyPosAt, 0);
    putLe16(p + kKeyLenAt, keyLen);
    if (h.keyExpr.size() + h.forExpr.size() + 2 > kExpressionPoolSize)
        throw Error("Index expressions are too long (at most " +
                    std::to_string(kExpressionPoolSize - 2) + " characters together)");
    std::memcpy(p + kPoolAt, h.keyExpr.data(), h.keyExpr.size());
    std::memcpy(p + kPoolAt + keyLen, h.forExpr.data(), h.forExpr.size());
}

uint32_t headerRoot(const uint8_t* header) {
    return le32(header + kRootAt);
}
void setHeaderRoot(uint8_t* header, uint32_t root) {
    putLe32(header + kRootAt, root);
}

std::optional<CdxStamp> readStamp(const uint8_t* dir) {
    if (std::memcmp(dir + kStampAt, kStampMagic, 4) != 0) return std::nullopt;
    CdxStamp s;
    s.recordCount = le32(dir + kStampAt + 4);
    s.clean = dir[kStampAt + 8] == 1;
    return s;
}

void writeStamp(uint8_t* dir, const CdxStamp& s) {
    std::memcpy(dir + kStampAt, kStampMagic, 4);
    putLe32(dir + kStampAt + 4, s.recordCount);
    dir[kStampAt + 8] = s.clean ? 1 : 0;
    std::memset(dir + kStampAt + 9, 0, 3);
}

// ---- Pages -----------------------------------------------------------------

NodeHeader readNodeHeader(const uint8_t* page) {
    return {le16(page), le16(page + 2), le32(page + 4), le32(page + 8)};
}

void writeNodeHeader(uint8_t* page, const NodeHeader& h) {
    putLe16(page, h.type);
    putLe16(page + 2, h.count);
    putLe32(page + 4, h.left);
    putLe32(page + 8, h.right);
}

void setLeftLink(uint8_t* page, uint32_t left) {
    putLe32(page + 4, left);
}
void setRightLink(uint8_t* page, uint32_t right) {
    putLe32(page + 8, right);
}

bool validPageOffset(const MappedFile& f, uint64_t offset) {
    return offset % kPageSize == 0 && offset >= kHeaderSize && offset + kPageSize <= f.size();
}

const uint8_t* pageAt(const MappedFile& f, uint64_t offset) {
    if (!validPageOffset(f, offset))
        throw Error("Index " + f.path() + " is damaged: page offset " + std::to_string(offset) +
                        " is not a page of the file",
                    ErrorKind::Damaged);
    return f.data() + offset;
}

void checkInterior(const NodeHeader& h, uint16_t keyLength, uint64_t offset) {
    if (h.count == 0 || h.count > interiorCapacity(keyLength))
        throw Error("Index page at " + std::to_string(offset) + " has an impossible key count " +
                        std::to_string(h.count),
                    ErrorKind::Damaged);
}

// ---- Leaves ----------------------------------------------------------------

LeafLayout chooseLeafLayout(uint16_t keyLength, uint32_t maxRecno) {
    LeafLayout l;
    l.dupBits = l.trailBits = bitsFor(keyLength);
    uint8_t need = bitsFor(maxRecno);
    for (uint8_t bytes = 3;; ++bytes) {
        int rec = bytes * 8 - l.dupBits - l.trailBits;
        if (rec >= need || bytes == 8) {
            l.bytes = bytes;
            l.recBits = static_cast<uint8_t>(std::min(rec, 32));
            return l;
        }
    }
}

LeafLayout readLeafLayout(const uint8_t* page) {
    LeafLayout l{page[kRecBitsAt], page[kDupBitsAt], page[kTrailBitsAt], page[kEntryBytesAt]};
    if (l.bytes == 0 || l.bytes > 8 || l.recBits > 32 || l.dupBits > 8 || l.trailBits > 8 ||
        l.recBits + l.dupBits + l.trailBits > l.bytes * 8)
        throw Error("Index leaf has impossible entry widths", ErrorKind::Damaged);
    uint32_t recMask = l.recBits >= 32 ? 0xFFFFFFFFu : (uint32_t(1) << l.recBits) - 1;
    if (le32(page + kRecMaskAt) != recMask ||
        page[kDupMaskAt] != static_cast<uint8_t>((1u << l.dupBits) - 1) ||
        page[kTrailMaskAt] != static_cast<uint8_t>((1u << l.trailBits) - 1))
        throw Error("Index leaf masks disagree with its entry widths", ErrorKind::Damaged);
    return l;
}

size_t decodeLeaf(const uint8_t* page, uint16_t keyLength, uint8_t fill, LeafEntries& out) {
    NodeHeader h = readNodeHeader(page);
    LeafLayout l = readLeafLayout(page);
    size_t n = h.count;
    size_t entryEnd = kEntriesAt + n * l.bytes;
    if (n * l.bytes > kLeafArea)
        throw Error("Index leaf has an impossible key count", ErrorKind::Damaged);
    out.keyLength = keyLength;
    out.keys.resize(n * keyLength);
    out.recnos.resize(n);
    uint64_t recMask = (uint64_t(1) << l.recBits) - 1;
    uint64_t dupMask = (uint64_t(1) << l.dupBits) - 1;
    uint64_t trailMask = (uint64_t(1) << l.trailBits) - 1;
    size_t keyPos = kPageSize;
    uint8_t* dst = out.keys.data();
    for (size_t i = 0; i < n; ++i, dst += keyLength) {
        const uint8_t* e = page + kEntriesAt + i * l.bytes;
        uint64_t v;
        if (kEntriesAt + i * l.bytes + 8 <= kPageSize &&
            std::endian::native == std::endian::little) {
            std::memcpy(&v, e, 8);
            if (l.bytes < 8) v &= (uint64_t(1) << (8 * l.bytes)) - 1;
        } else {
            v = readEntry(e, l.bytes);
        }
        out.recnos[i] = static_cast<uint32_t>(v & recMask);
        size_t dup = (v >> l.recBits) & dupMask;
        size_t trail = (v >> (l.recBits + l.dupBits)) & trailMask;
        if (dup + trail > keyLength || (i == 0 && dup != 0))
            throw Error("Index leaf entry has impossible compression counts", ErrorKind::Damaged);
        size_t stored = keyLength - dup - trail;
        if (keyPos - entryEnd < stored)
            throw Error("Index leaf keys overlap its entries", ErrorKind::Damaged);
        keyPos -= stored;
        if (dup) std::memcpy(dst, dst - keyLength, dup);
        std::memcpy(dst + dup, page + keyPos, stored);
        std::memset(dst + dup + stored, fill, trail);
    }
    return keyPos - entryEnd;
}

uint16_t leafFreeBytes(const uint8_t* page) {
    return le16(page + kFreeBytesAt);
}

size_t trailingFill(const uint8_t* key, size_t len, uint8_t fill) {
    size_t n = len;
    uint64_t pattern = 0x0101010101010101ull * fill;
    while (n >= 8) {
        uint64_t w;
        std::memcpy(&w, key + n - 8, 8);
        if (w != pattern) break;
        n -= 8;
    }
    while (n > 0 && key[n - 1] == fill) --n;
    return len - n;
}

LeafPacker::LeafPacker(uint8_t* page, uint16_t keyLength, uint8_t fill, LeafLayout layout)
    : page_(page),
      keyLength_(keyLength),
      fill_(fill),
      layout_(layout),
      entryEnd_(kEntriesAt),
      keyEnd_(kPageSize) {
    std::memset(page_, 0, kPageSize);
}

bool LeafPacker::add(const uint8_t* key, uint32_t recno) {
    size_t trail = trailingFill(key, keyLength_, fill_);
    size_t dup = 0;
    // The shared prefix never reaches into the previous key's dropped fill,
    // so a reader that restores fill bytes differently still decodes it.
    if (prev_) dup = commonPrefix(prev_, key, keyLength_ - std::max(prevTrail_, trail));
    size_t stored = keyLength_ - dup - trail;
    if (entryEnd_ + layout_.bytes + stored > keyEnd_) return false;
    if (!layout_.holds(recno)) throw Error("Record number does not fit the index leaf");
    uint64_t v = uint64_t(recno) | uint64_t(dup) << layout_.recBits |
                 uint64_t(trail) << (layout_.recBits + layout_.dupBits);
    for (size_t i = 0; i < layout_.bytes; ++i)
        page_[entryEnd_ + i] = static_cast<uint8_t>(v >> (8 * i));
    entryEnd_ += layout_.bytes;
    keyEnd_ -= stored;
    std::memcpy(page_ + keyEnd_, key + dup, stored);
    prev_ = key;
    prevTrail_ = trail;
    ++count_;
    return true;
}

void LeafPacker::finish(uint16_t type, uint32_t left, uint32_t right) {
    writeNodeHeader(page_, {type, count_, left, right});
    putLe16(page_ + kFreeBytesAt, static_cast<uint16_t>(keyEnd_ - entryEnd_));
    uint32_t recMask = layout_.recBits >= 32 ? 0xFFFFFFFFu : (uint32_t(1) << layout_.recBits) - 1;
    putLe32(page_ + kRecMaskAt, recMask);
    page_[kDupMaskAt] = static_cast<uint8_t>((1u << layout_.dupBits) - 1);
    page_[kTrailMaskAt] = static_cast<uint8_t>((1u << layout_.trailBits) - 1);
    page_[kRecBitsAt] = layout_.recBits;
    page_[kDupBitsAt] = layout_.dupBits;
    page_[kTrailBitsAt] = layout_.trailBits;
    page_[kEntryBytesAt] = layout_.bytes;
}

}  // namespace pc::xbase::cdx
