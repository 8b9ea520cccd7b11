#include "xbase/cdx_tag_verify.h"

#include <vector>

#include "xbase/error.h"

namespace pc::xbase::cdx {
namespace {

std::string at(uint32_t off) {
    return "page " + std::to_string(off) + ": ";
}

// Checks that (key, recno) follows the previous entry of its level.
bool inOrder(std::vector<uint8_t>& prevKey, uint32_t& prevRecno, bool& havePrev, const uint8_t* key,
             uint32_t recno, uint16_t kl, bool unique) {
    bool ok = true;
    if (havePrev) {
        int c = compareEntry(prevKey.data(), prevRecno, key, recno, kl);
        int keyCmp = std::memcmp(prevKey.data(), key, kl);
        ok = c < 0 && (!unique || keyCmp < 0);
    }
    prevKey.assign(key, key + kl);
    prevRecno = recno;
    havePrev = true;
    return ok;
}

}  // namespace

std::string verifyTree(const TreeRef& ref, bool unique, std::vector<bool>* seen) {
    try {
        const MappedFile& f = *ref.file;
        const uint16_t kl = ref.keyLength;
        const size_t es = interiorEntrySize(kl);
        const uint64_t limit = pageLimit(f);
        const uint32_t root = treeRoot(ref);
        std::vector<uint32_t> levelPages{root};
        std::vector<uint8_t> parentEntries;  // the entries that point at levelPages
        LeafEntries leaf;
        std::vector<bool> ownSeen;
        if (!seen) {
            ownSeen.resize(f.size() / kPageSize + 1);
            seen = &ownSeen;
        }
        for (int depth = 0; depth <= kMaxDepth; ++depth) {
            // The sibling chain of the level must list exactly the parents' children.
            std::vector<uint32_t> chain;
            uint32_t prev = kNoPage;
            for (uint32_t off = levelPages.front(); off != kNoPage;) {
                if (chain.size() > limit)
                    return "sibling links form a loop on level " + std::to_string(depth);
                NodeHeader h = readNodeHeader(pageAt(f, off));
                if (h.left != prev)
                    return at(off) + "left link " + std::to_string(h.left) + ", expected " +
                           std::to_string(prev);
                chain.push_back(off);
                prev = off;
                off = h.right;
            }
            if (chain != levelPages)
                return "sibling links on level " + std::to_string(depth) +
                       " do not match the entries of the level above";

            bool leafLevel = readNodeHeader(pageAt(f, levelPages.front())).isLeaf();
            std::vector<uint8_t> prevKey;
            uint32_t prevRecno = 0;
            bool havePrev = false;
            std::vector<uint32_t> children;
            std::vector<uint8_t> entries;
            for (size_t i = 0; i < levelPages.size(); ++i) {
                uint32_t off = levelPages[i];
                const uint8_t* page = pageAt(f, off);
                if ((*seen)[off / kPageSize]) return at(off) + "is used twice";
                (*seen)[off / kPageSize] = true;
                NodeHeader h = readNodeHeader(page);
                if (h.isLeaf() != leafLevel)
                    return at(off) + "leaves and branches mixed on a level";
                if (h.isRoot() != (depth == 0)) return at(off) + "root flag is wrong";
                const uint8_t* lastKey;
                uint32_t lastRecno;
                if (leafLevel) {
                    size_t freeBytes = decodeLeaf(page, kl, ref.fill, leaf);
                    if (freeBytes != leafFreeBytes(page))
                        return at(off) + "free byte count " + std::to_string(leafFreeBytes(page)) +
                               ", entries leave " + std::to_string(freeBytes);
                    if (leaf.size() == 0) {
                        if (depth == 0) continue;
                        return at(off) + "empty leaf in the tree";
                    }
                    for (size_t k = 0; k < leaf.size(); ++k)
                        if (!inOrder(prevKey, prevRecno, havePrev, leaf.key(k), leaf.recnos[k], kl,
                                     unique))
                            return at(off) + "entry " + std::to_string(k) + " out of order";
                    lastKey = leaf.key(leaf.size() - 1);
                    lastRecno = leaf.recnos.back();
                } else {
                    checkInterior(h, kl, off);
                    const uint8_t* e = interiorEntries(page);
                    for (size_t k = 0; k < h.count; ++k, e += es) {
                        if (!inOrder(prevKey, prevRecno, havePrev, e, entryRecno(e, kl), kl,
                                     unique))
                            return at(off) + "branch entry " + std::to_string(k) + " out of order";
                        children.push_back(entryChild(e, kl));
                        if (children.size() > limit) return "more children than pages";
                    }
                    entries.insert(entries.end(), interiorEntries(page),
                                   interiorEntries(page) + h.count * es);
                    lastKey = e - es;
                    lastRecno = entryRecno(lastKey, kl);
                }
                if (depth > 0) {
                    const uint8_t* pe = parentEntries.data() + i * es;
                    if (std::memcmp(pe, lastKey, kl) != 0 || entryRecno(pe, kl) != lastRecno)
                        return at(off) + "branch entry above differs from its last entry";
                }
            }
            if (leafLevel) return {};
            levelPages.swap(children);
            parentEntries.swap(entries);
        }
        return "tree deeper than " + std::to_string(kMaxDepth) + " levels";
    } catch (const Error& e) {
        return e.what();
    }
}

}  // namespace pc::xbase::cdx
