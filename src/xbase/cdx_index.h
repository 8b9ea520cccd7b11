#pragma once
// A compound index file (.CDX, FoxPro compact format): a directory of tags,
// each a B+-tree of (key, record number) entries in ascending key order, equal
// keys by ascending record number. See cdx_format.h for the bytes on disk.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/key_codec.h"
#include "xbase/mapped_file.h"
#include "xbase/progress.h"

namespace pc::xbase {

class CdxTagCursor;

struct CdxTagInfo {
    std::string name;     // upper case, at most 10 characters
    std::string keyExpr;  // as the user wrote it
    std::string forExpr;  // "" when the tag has no FOR condition
    uint16_t keyLength = 0;
    KeyType keyType = KeyType::Character;  // not stored in the file: set from the expression
    bool unique = false;
    bool descending = false;
    uint32_t headerOffset = 0;  // byte offset of the tag header in the file
};

// What Postcraft notes in the directory header's reserved bytes so that an
// index that no longer matches its table is noticed on open.
struct CdxStamp {
    uint32_t recordCount = 0;  // table records the index covered when last written
    bool clean = true;         // false while a write session is under way
};

class CdxIndex {
  public:
    // Reads the tag directory and every tag header. Throws Error for a file
    // that is not a well-formed compound index.
    static std::unique_ptr<CdxIndex> open(const std::string& path, OpenMode mode, LockMode lock);
    // The tag definitions of an index that may be damaged elsewhere, so a
    // rebuild can make it again; empty when even the directory is unreadable.
    static std::vector<CdxTagInfo> readTagDefinitions(const std::string& path);
    // A new index with an empty tag directory.
    static std::unique_ptr<CdxIndex> create(const std::string& path, LockMode lock);
    ~CdxIndex();
    CdxIndex(const CdxIndex&) = delete;
    CdxIndex& operator=(const CdxIndex&) = delete;

    const std::string& path() const;
    // Tags in creation order (the order of their header offsets).
    const std::vector<CdxTagInfo>& tags() const;
    int findTag(std::string_view name) const;  // case-insensitive; -1 when absent
    // The key type decides the fill byte of leaf compression; the work area
    // sets it from the compiled key expression before walking the tag.
    void setKeyType(int tag, KeyType type);

    // Builds a tag from keys given in record order: keys holds n keys of
    // info.keyLength bytes, recnos their record numbers (records excluded by
    // a FOR condition are simply left out). Sorts them, drops repeats for a
    // UNIQUE tag (the lowest record number stays), writes the tree and adds it
    // to the directory. A tag of the same name is replaced. Returns its number.
    int createTag(const CdxTagInfo& info, const uint8_t* keys, const uint32_t* recnos, size_t n,
                  const ProgressFn& progress = {});

    // In-place maintenance. insertKey on a UNIQUE tag does nothing when the
    // key is already present. removeKey returns false when the entry is absent.
    void insertKey(int tag, const uint8_t* key, uint32_t recno);
    bool removeKey(int tag, const uint8_t* key, uint32_t recno);

    // An ordered cursor over a tag (ascending storage order).
    std::unique_ptr<CdxTagCursor> cursor(int tag) const;
    // Number of entries of a tag, found by walking its leaves.
    uint64_t keyCount(int tag) const;
    // Checks a tag's tree: sibling links on every level, key order, interior
    // entries equal to their child's last entry. Returns an empty string when
    // sound, else what is wrong.
    std::string verifyTag(int tag) const;
    // Checks the whole file: its length, the tag directory and every tag's
    // tree, no page used twice. Empty when sound, else the first fault.
    std::string verify() const;

    std::optional<CdxStamp> stamp() const;  // nullopt when the file has no stamp
    void setStamp(const CdxStamp& stamp);

    void flush();

  private:
    CdxIndex() = default;
    static std::unique_ptr<CdxIndex> openUnchecked(const std::string& path, OpenMode mode,
                                                   LockMode lock);
    struct Impl;
    std::unique_ptr<Impl> impl_;
    friend class CdxTagCursor;
};

// Walks one tag in stored (ascending) order. Every call returns whether the
// cursor now rests on an entry; after false it rests nowhere (key() invalid).
// A cursor is invalidated by any change to its index: reposition it with
// seekEntry() after a change.
class CdxTagCursor {
  public:
    virtual ~CdxTagCursor() = default;
    virtual bool first() = 0;
    virtual bool last() = 0;
    virtual bool next() = 0;
    virtual bool prev() = 0;
    // Rests on the first entry whose key is >= the given bytes, comparing
    // only the first len bytes (len <= key length): a prefix match finds the
    // first key that begins with them.
    virtual bool seek(const uint8_t* key, size_t len) = 0;
    // Rests on the entry (key, recno) exactly, or on the first one after it.
    virtual bool seekEntry(const uint8_t* key, uint32_t recno) = 0;
    virtual bool valid() const = 0;
    virtual const uint8_t* key() const = 0;  // keyLength bytes, fill restored
    virtual uint32_t recno() const = 0;
};

}  // namespace pc::xbase
