#include "xbase/cdx_tag_editor.h"

#include <algorithm>

#include "xbase/error.h"

namespace pc::xbase::cdx {

uint8_t* TagEditor::page(uint32_t offset) {
    if (!validPageOffset(file_, offset))
        throw Error("Index " + file_.path() + " is damaged: page offset " + std::to_string(offset) +
                        " is not a page of the file",
                    ErrorKind::Damaged);
    return file_.mutableData() + offset;
}

uint32_t TagEditor::allocPage() {
    uint64_t off = (file_.size() + kPageSize - 1) / kPageSize * kPageSize;
    if (off + kPageSize > 0xFFFFFFFFull) throw Error("Index " + file_.path() + " is full (4 GB)");
    file_.resize(off + kPageSize);
    return static_cast<uint32_t>(off);
}

uint32_t TagEditor::descendTo(const uint8_t* key, uint32_t recno) {
    const size_t es = interiorEntrySize(keyLength_);
    path_.clear();
    if (uint64_t(header_) + kHeaderSize > file_.size())
        throw Error("Index " + file_.path() + " is damaged: tag header past the end",
                    ErrorKind::Damaged);
    uint32_t off = headerRoot(file_.data() + header_);
    for (int depth = 0;; ++depth) {
        if (depth > kMaxDepth)
            throw Error("Index " + file_.path() + " is damaged: tree too deep", ErrorKind::Damaged);
        const uint8_t* p = pageAt(file_, off);
        NodeHeader h = readNodeHeader(p);
        if (h.isLeaf()) return off;
        checkInterior(h, keyLength_, off);
        const uint8_t* entries = interiorEntries(p);
        size_t lo = interiorLowerBound(entries, h.count, keyLength_, key, recno);
        if (lo == h.count) lo = h.count - 1u;  // past the last entry: the rightmost child
        path_.push_back({off, static_cast<uint16_t>(lo)});
        off = entryChild(entries + lo * es, keyLength_);
    }
}

size_t TagEditor::findInLeaf(const uint8_t* key, uint32_t recno) const {
    return leafLowerBound(entries_, key, recno);
}

bool TagEditor::insert(const uint8_t* key, uint32_t recno, bool unique) {
    // A unique tag looks for the key with any record number: (key, 0) sorts first.
    uint32_t probe = unique ? 0 : recno;
    uint32_t leaf = descendTo(key, probe);
    decodeLeaf(pageAt(file_, leaf), keyLength_, fill_, entries_);
    size_t n = entries_.size();
    size_t pos = findInLeaf(key, probe);
    if (pos < n && std::memcmp(entries_.key(pos), key, keyLength_) == 0 &&
        (unique || entries_.recnos[pos] == recno))
        return false;
    entries_.keys.insert(entries_.keys.begin() + pos * keyLength_, key, key + keyLength_);
    entries_.recnos.insert(entries_.recnos.begin() + pos, recno);
    storeLeaf(leaf, pos == n);
    return true;
}

bool TagEditor::remove(const uint8_t* key, uint32_t recno) {
    uint32_t leaf = descendTo(key, recno);
    decodeLeaf(pageAt(file_, leaf), keyLength_, fill_, entries_);
    size_t n = entries_.size();
    size_t pos = findInLeaf(key, recno);
    if (pos == n || entries_.recnos[pos] != recno ||
        std::memcmp(entries_.key(pos), key, keyLength_) != 0)
        return false;
    entries_.keys.erase(entries_.keys.begin() + pos * keyLength_,
                        entries_.keys.begin() + (pos + 1) * keyLength_);
    entries_.recnos.erase(entries_.recnos.begin() + pos);
    storeLeaf(leaf, pos == n - 1);
    return true;
}

bool TagEditor::layoutUsable(const LeafLayout& l, uint32_t maxRecno) const {
    return (1u << l.dupBits) - 1 >= keyLength_ && (1u << l.trailBits) - 1 >= keyLength_ &&
           l.holds(maxRecno);
}

void TagEditor::appendPiece(std::vector<uint8_t>& pieces, const uint8_t* key, uint32_t recno,
                            uint32_t child) const {
    size_t at = pieces.size();
    pieces.resize(at + interiorEntrySize(keyLength_));
    makeEntry(pieces.data() + at, key, keyLength_, recno, child);
}

void TagEditor::unlink(const NodeHeader& h) {
    if (h.left != kNoPage) setRightLink(page(h.left), h.right);
    if (h.right != kNoPage) setLeftLink(page(h.right), h.left);
}

void TagEditor::storeLeaf(uint32_t leaf, bool lastChanged) {
    const uint8_t* old = pageAt(file_, leaf);
    NodeHeader h = readNodeHeader(old);
    LeafLayout layout = readLeafLayout(old);
    const size_t n = entries_.size();
    uint8_t buf[kPageSize];

    if (n == 0) {
        if (path_.empty()) {  // an empty tag keeps its root leaf
            LeafPacker packer(buf, keyLength_, fill_, chooseLeafLayout(keyLength_, 0));
            packer.finish(kRootNode | kLeafNode, kNoPage, kNoPage);
            std::memcpy(page(leaf), buf, kPageSize);
            return;
        }
        unlink(h);
        replaceInParent(path_.size() - 1, {});
        return;
    }

    uint32_t maxRecno = *std::max_element(entries_.recnos.begin(), entries_.recnos.end());
    if (!layoutUsable(layout, maxRecno)) layout = chooseLeafLayout(keyLength_, maxRecno);

    auto packRange = [&](size_t from, size_t to) {
        LeafPacker packer(buf, keyLength_, fill_, layout);
        for (size_t i = from; i < to; ++i)
            if (!packer.add(entries_.key(i), entries_.recnos[i]))
                return std::optional<LeafPacker>();
        return std::optional<LeafPacker>(packer);
    };

    if (auto packer = packRange(0, n)) {
        packer->finish(h.type, h.left, h.right);
        std::memcpy(page(leaf), buf, kPageSize);
        if (lastChanged && !path_.empty()) {
            std::vector<uint8_t> pieces;
            appendPiece(pieces, entries_.key(n - 1), entries_.recnos[n - 1], leaf);
            replaceInParent(path_.size() - 1, pieces);
        }
        return;
    }

    // Split into the fewest pages of about equal entry counts that all fit.
    size_t parts = 2;
    for (;; ++parts) {
        bool fits = true;
        for (size_t p = 0; p < parts && fits; ++p)
            fits = packRange(n * p / parts, n * (p + 1) / parts).has_value();
        if (fits) break;
    }
    std::vector<uint32_t> offsets{leaf};
    for (size_t p = 1; p < parts; ++p) offsets.push_back(allocPage());
    std::vector<uint8_t> pieces;
    for (size_t p = 0; p < parts; ++p) {
        size_t from = n * p / parts, to = n * (p + 1) / parts;
        auto packer = packRange(from, to);
        packer->finish(kLeafNode, p ? offsets[p - 1] : h.left,
                       p + 1 < parts ? offsets[p + 1] : h.right);
        std::memcpy(page(offsets[p]), buf, kPageSize);
        appendPiece(pieces, entries_.key(to - 1), entries_.recnos[to - 1], offsets[p]);
    }
    if (h.right != kNoPage) setLeftLink(page(h.right), offsets.back());
    if (path_.empty())
        makeRoot(std::move(pieces));
    else
        replaceInParent(path_.size() - 1, pieces);
}

std::vector<uint8_t> TagEditor::spreadInterior(const std::vector<uint8_t>& entries, uint32_t first,
                                               const NodeHeader& h) {
    const size_t es = interiorEntrySize(keyLength_);
    const size_t cap = interiorCapacity(keyLength_);
    size_t m = entries.size() / es;
    size_t parts = (m + cap - 1) / cap;
    std::vector<uint32_t> offsets{first};
    for (size_t p = 1; p < parts; ++p) offsets.push_back(allocPage());
    std::vector<uint8_t> pieces;
    for (size_t p = 0; p < parts; ++p) {
        size_t from = m * p / parts, to = m * (p + 1) / parts;
        uint8_t* pg = page(offsets[p]);
        std::memset(pg, 0, kPageSize);
        writeNodeHeader(pg, {0, static_cast<uint16_t>(to - from), p ? offsets[p - 1] : h.left,
                             p + 1 < parts ? offsets[p + 1] : h.right});
        std::memcpy(interiorEntries(pg), entries.data() + from * es, (to - from) * es);
        const uint8_t* last = entries.data() + (to - 1) * es;
        appendPiece(pieces, last, entryRecno(last, keyLength_), offsets[p]);
    }
    if (h.right != kNoPage) setLeftLink(page(h.right), offsets.back());
    return pieces;
}

void TagEditor::replaceInParent(size_t level, const std::vector<uint8_t>& pieces) {
    const size_t es = interiorEntrySize(keyLength_);
    const Step s = path_[level];
    const uint8_t* p = pageAt(file_, s.page);
    NodeHeader h = readNodeHeader(p);
    std::vector<uint8_t> entries(interiorEntries(p), interiorEntries(p) + h.count * es);
    bool lastChanged = s.index + 1u == h.count;
    entries.erase(entries.begin() + s.index * es, entries.begin() + (s.index + 1) * es);
    entries.insert(entries.begin() + s.index * es, pieces.begin(), pieces.end());
    size_t m = entries.size() / es;

    if (m == 0) {
        if (level == 0) {  // the last leaf went: the root becomes an empty leaf
            uint8_t buf[kPageSize];
            LeafPacker packer(buf, keyLength_, fill_, chooseLeafLayout(keyLength_, 0));
            packer.finish(kRootNode | kLeafNode, kNoPage, kNoPage);
            std::memcpy(page(s.page), buf, kPageSize);
            return;
        }
        unlink(h);
        replaceInParent(level - 1, {});
        return;
    }
    if (m <= interiorCapacity(keyLength_)) {
        uint8_t* pg = page(s.page);
        std::memset(pg + 12, 0, kPageSize - 12);
        h.count = static_cast<uint16_t>(m);
        writeNodeHeader(pg, h);
        std::memcpy(interiorEntries(pg), entries.data(), entries.size());
        if (lastChanged && level > 0) {
            std::vector<uint8_t> up;
            const uint8_t* last = entries.data() + (m - 1) * es;
            appendPiece(up, last, entryRecno(last, keyLength_), s.page);
            replaceInParent(level - 1, up);
        }
        return;
    }
    std::vector<uint8_t> up = spreadInterior(entries, s.page, h);
    if (level == 0)
        makeRoot(std::move(up));
    else
        replaceInParent(level - 1, up);
}

void TagEditor::makeRoot(std::vector<uint8_t> pieces) {
    const size_t es = interiorEntrySize(keyLength_);
    while (pieces.size() / es > interiorCapacity(keyLength_)) {
        NodeHeader none;
        pieces = spreadInterior(pieces, allocPage(), none);
    }
    uint32_t root = allocPage();
    uint8_t* pg = page(root);
    writeNodeHeader(pg, {kRootNode, static_cast<uint16_t>(pieces.size() / es), kNoPage, kNoPage});
    std::memcpy(interiorEntries(pg), pieces.data(), pieces.size());
    setHeaderRoot(file_.mutableData() + header_, root);
}

}  // namespace pc::xbase::cdx
