#pragma once
// A single-order index file (.IDX): one key expression, its entries in
// ascending key order, equal keys by ascending record number. The entries
// live in memory while the file is open; flush() writes the whole tree
// beside the old file and renames it over, so a kill mid-write leaves the
// previous file intact. See idx_format.h for the bytes on disk.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "xbase/cdx_index.h"

namespace pc::xbase {

class IdxIndex {
  public:
    // Writes an empty index for the key described by info (keyExpr, forExpr,
    // keyLength, keyType, unique) and opens it.
    static std::unique_ptr<IdxIndex> create(const std::string& path, const CdxTagInfo& info);
    // Reads every entry. Throws Error for a file that is not a well-formed
    // single-order index.
    static std::unique_ptr<IdxIndex> open(const std::string& path, bool readOnly);
    ~IdxIndex();
    IdxIndex(const IdxIndex&) = delete;
    IdxIndex& operator=(const IdxIndex&) = delete;

    const std::string& path() const { return path_; }
    // The order's definition; name is the file's base name in upper case.
    const CdxTagInfo& info() const { return info_; }
    void setKeyType(KeyType type) { info_.keyType = type; }

    // A UNIQUE index keeps the first entry of a key: insertKey then returns
    // false. removeKey returns false when the entry is absent.
    bool insertKey(const uint8_t* key, uint32_t recno);
    bool removeKey(const uint8_t* key, uint32_t recno);
    void clear();
    // After records were renumbered (a pack): newRecno[old] is the new
    // number, 0 for a record that is gone. Keeps the entries' order.
    void renumber(const std::vector<uint32_t>& newRecno);
    uint64_t keyCount() const;

    // An ordered cursor; it follows changes made through this object.
    std::unique_ptr<CdxTagCursor> cursor() const;

    bool changed() const { return changed_; }
    // Writes the file when the entries changed since the last write.
    void flush();

  private:
    IdxIndex() = default;
    class Cursor;
    size_t entrySize() const { return size_t(info_.keyLength) + 4; }
    // Sorted entry bytes: key, then the record number big-endian, so that a
    // plain byte comparison of whole entries gives the index order.
    const std::vector<uint8_t>& entries() const;
    // First entry position not less than the probe's first len bytes.
    size_t lowerBound(const uint8_t* probe, size_t len) const;
    void writeFile() const;

    std::string path_;
    CdxTagInfo info_;
    bool readOnly_ = false;
    bool changed_ = false;
    mutable std::vector<uint8_t> sorted_;
    mutable std::vector<uint8_t> pending_;  // added, not yet merged into sorted_
    uint64_t generation_ = 0;               // bumps on every change
};

}  // namespace pc::xbase
