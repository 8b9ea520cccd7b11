#pragma once
// In-place maintenance of one tag: inserting and removing single entries.
// Leaves split (and interior pages with them) when full; emptied pages are
// unlinked and abandoned, never put on a free list.
#include <cstdint>
#include <vector>

#include "xbase/cdx_format.h"

namespace pc::xbase::cdx {

class TagEditor {
  public:
    TagEditor(MappedFile& file, uint32_t header, uint16_t keyLength, uint8_t fill)
        : file_(file), header_(header), keyLength_(keyLength), fill_(fill) {}

    // Adds (key, recno). Returns false when the entry (for a unique tag:
    // the key) is already present; nothing is changed then.
    bool insert(const uint8_t* key, uint32_t recno, bool unique);
    bool remove(const uint8_t* key, uint32_t recno);

  private:
    struct Step {
        uint32_t page;
        uint16_t index;
    };

    uint32_t descendTo(const uint8_t* key, uint32_t recno);
    size_t findInLeaf(const uint8_t* key, uint32_t recno) const;
    // Writes the leaf's new entries back, splitting it when they do not fit.
    void storeLeaf(uint32_t leaf, bool lastChanged);
    // Replaces the parent entry at path_[level] by the given entries
    // (interior format), rewriting, splitting or dropping that page.
    void replaceInParent(size_t level, const std::vector<uint8_t>& pieces);
    void makeRoot(std::vector<uint8_t> pieces);
    void unlink(const NodeHeader& h);
    uint32_t allocPage();
    uint8_t* page(uint32_t offset);
    void appendPiece(std::vector<uint8_t>& pieces, const uint8_t* key, uint32_t recno,
                     uint32_t child) const;
    // Splits m interior entries over pages, first into `first`, and links them.
    std::vector<uint8_t> spreadInterior(const std::vector<uint8_t>& entries, uint32_t first,
                                        const NodeHeader& h);
    bool layoutUsable(const LeafLayout& l, uint32_t maxRecno) const;

    MappedFile& file_;
    uint32_t header_;
    uint16_t keyLength_;
    uint8_t fill_;
    std::vector<Step> path_;
    LeafEntries entries_;
};

}  // namespace pc::xbase::cdx
