#pragma once
// Walking one tree of a compound index (a tag or the tag directory).
#include <cstdint>
#include <vector>

#include "xbase/cdx_format.h"
#include "xbase/cdx_index.h"

namespace pc::xbase::cdx {

// What a walker needs to know about one tree of the file.
struct TreeRef {
    const MappedFile* file = nullptr;  // read through data() each time: writes may remap it
    uint32_t header = 0;               // offset of the tag (or directory) header
    uint16_t keyLength = 0;
    uint8_t fill = 0x20;
    const uint64_t* generation = nullptr;  // bumped on every change of the file
};

// The root offset stored in the tree's header, checked.
uint32_t treeRoot(const TreeRef& ref);
// Upper bound for any walk over the file's pages: a longer walk is a loop.
inline uint64_t pageLimit(const MappedFile& f) {
    return f.size() / kPageSize + 1;
}

class TreeCursor final : public CdxTagCursor {
  public:
    explicit TreeCursor(const TreeRef& ref) : ref_(ref) {}
    bool first() override;
    bool last() override;
    bool next() override;
    bool prev() override;
    bool seek(const uint8_t* key, size_t len) override;
    bool seekEntry(const uint8_t* key, uint32_t recno) override;
    bool valid() const override { return valid_; }
    const uint8_t* key() const override { return entries_.key(pos_); }
    uint32_t recno() const override { return entries_.recnos[pos_]; }

  private:
    enum class Pick { First, Last, Prefix, Entry };
    // Goes down from the root to a leaf and loads it; false when the target
    // lies past the last entry (or the tree is empty for First/Last).
    bool descend(Pick pick, const uint8_t* key, size_t len, uint32_t recno);
    void loadLeaf(uint32_t offset);
    void checkLeafOrder();
    bool stepLeaf(bool right);
    bool stepRight();  // to the first entry of the next non-empty leaf
    bool stepLeft();   // to the last entry of the previous non-empty leaf
    bool invalidate() { return valid_ = false; }
    // Re-finds the current entry after the index changed under the cursor;
    // returns false when it was removed (then the cursor rests on its successor).
    bool refresh();

    TreeRef ref_;
    uint32_t leaf_ = 0;
    uint64_t leafGeneration_ = 0;
    NodeHeader leafHeader_;
    LeafEntries entries_;
    size_t pos_ = 0;
    bool valid_ = false;
    uint64_t hops_ = 0;
    std::vector<uint8_t> edge_;  // scratch for stepLeaf
    bool leafOrdered_ = false;   // the loaded leaf's entries were found in order
};

}  // namespace pc::xbase::cdx
