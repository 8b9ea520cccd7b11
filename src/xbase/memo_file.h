#pragma once
// A memo file: FoxPro .FPT (read and write) or dBASE III/IV .DBT (read).
// Memo text is kept as raw bytes in the table's code page.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/mapped_file.h"

namespace pc::xbase {

enum class MemoKind { Fpt, Dbt3, Dbt4 };

class MemoFile {
  public:
    static std::unique_ptr<MemoFile> open(const std::string& path, MemoKind kind, OpenMode mode,
                                          LockMode lock);
    // A new, empty .FPT with the given block size (64 for our tables).
    static std::unique_ptr<MemoFile> create(const std::string& path, uint16_t blockSize,
                                            LockMode lock);
    ~MemoFile();
    MemoFile(const MemoFile&) = delete;
    MemoFile& operator=(const MemoFile&) = delete;

    MemoKind kind() const;
    uint16_t blockSize() const;
    const std::string& path() const;

    // Text of the memo starting at a block; "" for block 0. Throws Error when
    // the pointer or the stored length does not fit the file.
    std::string read(uint32_t block) const;
    // Stores text and returns its first block (0 for empty text). Reuses the
    // old memo's blocks when the new text fits in them, else appends.
    uint32_t write(uint32_t oldBlock, std::string_view text);

    // Cuts what lies past the next-free block: space a killed write reserved
    // or filled but never recorded.
    void dropUnusedTail();
    void flush();

  private:
    MemoFile() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pc::xbase
