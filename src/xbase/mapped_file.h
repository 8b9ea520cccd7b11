#pragma once
// A file mapped into memory for reading and writing, with an OS lock.
// Tables and indexes read through the mapping; writes go through it too, so a
// crash of the process leaves everything written in the kernel's page cache.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace pc::xbase {

enum class OpenMode { ReadOnly, ReadWrite };
enum class LockMode { None, Shared, Exclusive };

class MappedFile {
  public:
    // Opens an existing file. Throws Error with a clear message when the file
    // is missing, unreadable, or locked by another process.
    static std::unique_ptr<MappedFile> open(const std::string& path, OpenMode mode, LockMode lock);
    // Creates (or empties) a file for writing.
    static std::unique_ptr<MappedFile> create(const std::string& path, LockMode lock);

    ~MappedFile();  // unmaps; a writable file is cut to its logical size
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const std::string& path() const { return path_; }
    bool writable() const { return writable_; }
    uint64_t size() const { return size_; }  // logical size in bytes

    // Pointer to the whole file; valid until the next resize().
    const uint8_t* data() const { return base_; }
    uint8_t* mutableData();  // throws Error when read-only

    // Changes the logical size. Growth allocates disk space in chunks so
    // appends stay cheap (a full disk is an Error of kind DiskFull here, never
    // a signal later); new bytes read as zero.
    void resize(uint64_t newSize);

    // Bounds-checked copies; read() throws Error past the end, write() grows.
    // write() goes through the page cache, so scattered small writes cost no
    // page faults; the mapping sees them at once.
    void read(uint64_t offset, void* dst, size_t n) const;
    void write(uint64_t offset, const void* src, size_t n);

    void sync();  // pushes dirty pages to the disk (fdatasync)

    // Maps the whole file's pages in one go before a full scan: far cheaper
    // than a page fault per few pages. Does nothing after the first call
    // (until the mapping moves) or where the system cannot do it.
    void prefaultForScan();

    // Cuts the physical file to the logical size now (close does it anyway).
    void trim();

  private:
    MappedFile() = default;
    void mapAtLeast(uint64_t bytes);
    int reserve(uint64_t from, uint64_t to);  // allocates disk blocks; 0 or an errno

    std::string path_;
    int fd_ = -1;
    bool writable_ = false;
    uint8_t* base_ = nullptr;
    uint64_t size_ = 0;      // logical size
    uint64_t physical_ = 0;  // size of the file on disk (>= size_ when writable)
    uint64_t mapped_ = 0;    // bytes of address space mapped
    bool prefaulted_ = false;
};

}  // namespace pc::xbase
