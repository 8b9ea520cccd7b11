#pragma once
// One open table with its structural index: the current record and its edit
// buffer, the order, the query and the deleted filter. Every move, seek and
// count of the sx_ interface is carried out here.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "xbase/cdx_index.h"
#include "xbase/dbf_table.h"
#include "xbase/expression.h"
#include "xbase/idx_index.h"
#include "xbase/query_cache.h"

namespace pc::xbase {

// Engine-wide settings every work area follows.
struct EngineSettings {
    bool deletedFilter = false;  // moves skip deletion-marked records
    bool softSeek = false;       // a failed seek rests on the next greater key
    bool exact = false;
    bool century = true;
    std::string dateFormat = "MM/DD/YYYY";
};

class WorkArea : private MemoSource {
  public:
    // Opens the table and, for the CDX driver, its structural index when one
    // exists. A structural index that no longer matches the table is left
    // closed and reported by indexStale().
    WorkArea(const std::string& path, std::string alias, int driver, int mode,
             const EngineSettings* settings);
    ~WorkArea() override;
    WorkArea(const WorkArea&) = delete;
    WorkArea& operator=(const WorkArea&) = delete;

    const std::string& alias() const { return alias_; }
    DbfTable& table() { return *table_; }
    const DbfTable& table() const { return *table_; }
    int driver() const { return driver_; }
    bool readOnly() const { return table_->readOnly(); }
    int codePage() const;

    // Settings changed engine-wide (exact, date format) reach the compiled
    // expressions through this.
    void settingsChanged();

    // --- moves ---
    void goTop();
    void goBottom();
    void skip(int64_t count);
    void go(uint32_t recno);
    uint32_t recno() const { return recno_; }
    uint32_t recordCount() const { return table_->recordCount(); }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }

    // --- the current record ---
    // The record bytes as edited so far (blank at end of file).
    const char* current() const { return dirty_ || eof_ ? buffer_.data() : table_->record(recno_); }
    std::string memo(int field) const;
    bool replaceText(int field, const std::string& raw);  // raw = table code page
    bool replaceLogical(int field, bool value);
    void appendBlank();
    // Takes back a record appendBlank made that has not been written yet.
    void discardAppend();
    void setDeleted(bool deleted);
    bool deleted() const { return !eof_ && current()[0] == '*'; }
    // Writes the edit buffer and brings the index up to date.
    void flush();
    void commit();  // flush, stamp the index clean, sync to disk

    void pack(const ProgressFn& progress);
    void zap(const ProgressFn& progress);

    // --- orders ---
    // The compound index's tags are orders 1 to tagCount(); open single-order
    // index files follow, up to orderCount().
    int tagCount() const;
    int orderCount() const { return tagCount() + static_cast<int>(idx_.size()); }
    const CdxTagInfo& tagInfo(int order) const;  // 1-based, any order
    int tagArea(const std::string& name) const;  // 0 when absent
    int order() const { return order_; }
    void setOrder(int order);
    // Returns the order number of the new tag.
    int indexTag(const std::string& name, const std::string& keyExpr, const std::string& forExpr,
                 bool unique, bool descending, const ProgressFn& progress);
    void reindex(const ProgressFn& progress);
    void closeIndexes();  // the single-order index files too

    // --- single-order index files (.IDX) ---
    // Creates an empty index on keyExpr and opens it as an order (returned).
    // It holds only the keys given to addKey; an edit of a record it holds
    // moves that record's entry.
    int createIdx(const std::string& path, const std::string& keyExpr, bool unique);
    int openIdx(const std::string& path);  // returns its order number
    // Adds the current record's key to a single-order index.
    void addKey(int order);
    // Writes and closes a single-order index; the ones after it move down a
    // number. The current order becomes physical order when it was this one.
    void closeIdx(int order);
    bool isIdxOrder(int order) const { return order > tagCount() && order <= orderCount(); }
    const std::string& idxPath(int order) { return idxOf(order).path(); }
    bool indexStale() const { return indexStale_; }
    const std::string& staleReason() const { return staleReason_; }
    // Checks the structural index: its file structure, and each tag's
    // entries against the keys of every record (Full) or of a few hundred
    // records spread over the table (Sampled, fast enough for every open).
    // Empty when sound (or when there is no index), else the first fault.
    enum class IndexCheck { Full, Sampled };
    std::string checkIndex(IndexCheck depth = IndexCheck::Full);
    std::string indexPath() const;

    // --- seek ---
    bool seek(const std::string& utf8Key);
    // Restricts ordered moves to keys from `top` to `bottom` (either may be
    // "" for an open end; compared as prefixes). Cleared by a change of order.
    void setScope(const std::string& topUtf8, const std::string& bottomUtf8);
    void clearScope();
    bool found() const { return found_; }

    // --- query ---
    // Compiles and applies a query; "" clears it. Throws Error for a bad one.
    void setQuery(const std::string& text);
    const std::string& queryText() const { return queryText_; }
    uint32_t queryCount();
    // Called when the deleted filter changes engine-wide.
    void visibilityChanged();

    std::unique_ptr<Expression> compile(const std::string& text, std::string* error) const;

  private:
    std::string checkSampledKeys();
    struct Tag {
        std::unique_ptr<Expression> key;
        std::unique_ptr<Expression> forCond;
        // Whether a change from oldRec to newRec can move this tag's entry.
        bool affectedBy(const char* oldRec, const char* newRec,
                        const std::vector<FieldDef>& fields) const;
    };

    std::string memoText(const char* record, uint32_t recno, int field) const override;
    RecordRef ref(const char* data, uint32_t recno) const { return {data, recno, this}; }

    void openStructuralIndex();
    void loadTags();
    void checkIndexMatchesTable();
    void markIndexDirty();
    void removeKeysOf(const char* rec, uint32_t recno);
    void requireWritableFolder(const char* what) const;
    void stampIndexClean();
    std::string structuralIndexPath(bool mustExist) const;

    bool visible(uint32_t recno);
    void ensureQueryCache();
    void load(uint32_t recno);  // makes recno current (count+1 = end of file)
    void setEof();
    void stopAtEnd();    // after a failed move
    char* editBuffer();  // the current record copied for editing, marked changed
    void updateIndexFor(const char* oldRec, const char* newRec, uint32_t recno, bool isNew);
    void makeKey(size_t tag, const char* rec, uint32_t recno, uint8_t* out) const;
    void makeKey(const Expression& key, uint16_t keyLength, const char* rec, uint32_t recno,
                 uint8_t* out) const;
    void makeOrderKey(int order, const char* rec, uint32_t recno, uint8_t* out) const;
    void resetCursor();  // after the index under the current order changed
    // Single-order indexes hold chosen records: an edit moves an entry that
    // is there and adds none.
    void updateIdxFor(const char* oldRec, const char* newRec, uint32_t recno);
    void flushIdx();
    std::vector<uint32_t> recordNumbersAfterPack() const;
    IdxIndex& idxOf(int order);
    struct CompiledTag {
        std::unique_ptr<Expression> key, cond;
    };
    CompiledTag compileTag(const CdxTagInfo& info) const;  // throws Error for a bad definition
    int buildTag(const CdxTagInfo& info, const ProgressFn& progress);
    // Offsets in a record of the bytes a key (and its condition) read.
    std::vector<uint32_t> bytesReadOfRecord(const Expression& key, const Expression* cond) const;
    bool passes(const char* rec, uint32_t recno) const;

    // Ordered walking.
    enum { kOnCurrent, kAfterCurrent, kPastEnd };
    bool physicalNext(uint32_t from, int dir, uint32_t* out);
    int positionCursorOnCurrent();
    bool orderedNext(int dir);
    int scopeSide() const;           // cursor key: -1 before the scope, 0 in it, 1 after it
    bool settle(bool ok, int dir);   // on to the first visible entry inside the scope
    bool cursorToScopeEnd(int dir);  // first (dir > 0) or last entry the scope allows
    // The significant bytes of a seek key or scope bound for a tag.
    std::string seekKey(const std::string& utf8Key, const CdxTagInfo& info) const;
    bool cursorStep(int dir);  // in walk order (descending tags reversed)
    bool descending() const;
    void goEnd(int dir);

    const EngineSettings* settings_;
    ExprSettings exprSettings_;
    std::string alias_;
    int driver_;
    std::unique_ptr<DbfTable> table_;
    std::unique_ptr<CdxIndex> index_;
    std::vector<Tag> tags_;
    struct IdxOrder {
        std::unique_ptr<IdxIndex> file;
        Tag tag;
    };
    std::vector<IdxOrder> idx_;
    bool indexStale_ = false;
    std::string staleReason_;
    std::vector<CdxTagInfo> staleTags_;  // definitions of a stale index, for its rebuild
    mutable std::vector<uint8_t> keyScratch_;
    bool indexDirty_ = false;  // stamp says "being written"

    // Cursor position, as xBase programs expect it: at the end of file the
    // area rests on a phantom blank record numbered record count + 1, so
    // field reads give blanks and an append needs no special case; eof_
    // says so. Skipping back past the first record does not leave it: it
    // stays current and bof_ is set, so a loop reading backwards still has
    // a record to show. Both flags change only with moves, never with edits,
    // because callers test them right after the move they asked for.
    uint32_t recno_ = 1;
    bool bof_ = true, eof_ = true, found_ = false;
    std::string buffer_;     // current record, possibly edited
    std::string blank_;      // a blank record, made once
    std::string oldRecord_;  // the record as on disk while a flush runs
    bool dirty_ = false;     // buffer differs from the file
    bool isNew_ = false;     // appended; its keys are not in the index yet

    int order_ = 0;
    std::unique_ptr<CdxTagCursor> cursor_;
    uint64_t indexVersion_ = 0;  // bumps on every index change
    uint64_t cursorVersion_ = ~0ull;

    bool scoped_ = false;
    std::string scopeTop_, scopeBottom_;  // key bytes of the bounds

    std::unique_ptr<Expression> query_;
    std::string queryText_;
    QueryCache cache_;
};

}  // namespace pc::xbase
