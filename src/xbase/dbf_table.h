#pragma once
// A .DBF table file: header, field descriptors and fixed-length records, with
// its memo file when the table has memo fields. Records are addressed by
// 1-based physical number and handled as raw bytes in the table's code page;
// field_codec.h turns field bytes into values.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/field_def.h"
#include "xbase/mapped_file.h"
#include "xbase/memo_file.h"
#include "xbase/progress.h"

namespace pc::xbase {

// A field as asked for when creating a table.
struct FieldSpec {
    std::string name;
    char type = 'C';     // C N F L D M
    uint16_t width = 0;  // ignored for L (1), D (8), M (10)
    uint8_t decimals = 0;
};

class DbfTable {
  public:
    // Opens a table and, when its fields need one, its memo file (.FPT, else
    // .DBT; the extension's case follows the table's). Throws Error with a
    // clear message for missing, locked or malformed files. Fields of types
    // the engine does not know are kept (read as text) but flagged.
    static std::unique_ptr<DbfTable> open(const std::string& path, OpenMode mode, LockMode lock);
    // Creates a FoxPro 2.x table (0xF5 with memo, 0x03 without), code page
    // 1252, plus an .FPT of the given block size when a memo field exists.
    // Throws Error for bad field specs (names, widths, duplicates).
    static std::unique_ptr<DbfTable> create(const std::string& path,
                                            const std::vector<FieldSpec>& fields,
                                            LockMode lock = LockMode::Exclusive,
                                            uint16_t memoBlockSize = 64);
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    const std::string& path() const;
    bool readOnly() const;
    uint8_t typeByte() const;
    uint8_t codePageMark() const;
    int codePage() const;  // from the mark; 0 when unmarked
    uint16_t headerLength() const;
    uint16_t recordLength() const;  // deletion flag included
    uint32_t recordCount() const;   // deletion-marked records included

    const std::vector<FieldDef>& fields() const;
    int fieldIndex(std::string_view name) const;  // case-insensitive; -1 when absent

    // Header byte 28 bit 0: a structural .CDX exists.
    bool structuralIndexFlag() const;
    void setStructuralIndexFlag(bool on);

    // Raw record bytes (recordLength() of them). The pointer is valid until
    // the next append, pack or zap. Throws Error for a number out of range.
    const char* record(uint32_t recno) const;
    bool isDeleted(uint32_t recno) const;
    // Call before reading every record in a row (counts, tag builds).
    void prefaultForScan() const;
    // A record of blanks with a live deletion flag.
    std::string blankRecord() const;

    void writeRecord(uint32_t recno, const char* data);
    void setDeleted(uint32_t recno, bool deleted);
    // Writes the record and the end marker, then the new count in the header.
    // A provisional record is not counted in the header until it is written
    // again with writeRecord (or any other append, pack, zap or flush): a
    // crash before that drops it rather than keeping a record nobody filled.
    uint32_t appendRecord(const char* data, bool provisional = false);
    void commitAppends();
    // Takes back provisional records (a failed fill of a new record).
    void dropProvisionalAppends();

    // Memo text (raw bytes) of a memo field of a record; "" when none.
    std::string memoText(const char* record, int field) const;
    // Stores memo text and puts its block number into the record buffer.
    void setMemoText(char* record, int field, std::string_view text);
    MemoFile* memo() const;  // null when the table has no memo file

    // Removes deletion-marked records for good and rewrites the memo file
    // with only the memos still referenced. Goes through a temporary file and
    // a rename, so a crash leaves either the old or the new table.
    void pack(const ProgressFn& progress = {});
    // Removes every record (and every memo), through new files and renames
    // as pack does.
    void zap();

    void flush();  // header date and count, then fdatasync of table and memo

  private:
    DbfTable() = default;
    void rewrite(bool keepLive, const ProgressFn& progress);
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pc::xbase
