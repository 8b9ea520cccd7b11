#include "xbase/mapped_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "xbase/error.h"

namespace pc::xbase {
namespace {

constexpr uint64_t kMinGrowth = 1 << 20;       // 1 MiB
constexpr uint64_t kMinReserve = 64ull << 20;  // address space kept for growth

Error systemError(const std::string& what, const std::string& path, int err = errno) {
    return Error::fromErrno(err, what, path);
}

void takeLock(int fd, LockMode lock, const std::string& path) {
    if (lock == LockMode::None) return;
    int op = (lock == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    if (::flock(fd, op) != 0) {
        int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            throw Error("File " + path + " is in use by another program or user",
                        ErrorKind::Locked);
        throw systemError("Cannot lock", path, err);
    }
}

}  // namespace

std::unique_ptr<MappedFile> MappedFile::open(const std::string& path, OpenMode mode,
                                             LockMode lock) {
    bool writable = mode == OpenMode::ReadWrite;
    // Non-blocking, so a named pipe is refused below instead of waiting for a writer.
    int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) throw Error("File " + path + " not found", ErrorKind::NotFound);
        throw systemError("Cannot open", path);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw Error("Cannot open " + path + ": not a regular file", ErrorKind::Invalid);
    }
    takeLock(fd, lock, path);
    std::unique_ptr<MappedFile> f(new MappedFile);
    f->path_ = path;
    f->fd_ = fd;
    f->writable_ = writable;
    f->size_ = f->physical_ = static_cast<uint64_t>(st.st_size);
    f->mapAtLeast(f->size_);
    return f;
}

std::unique_ptr<MappedFile> MappedFile::create(const std::string& path, LockMode lock) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw systemError("Cannot create", path);
    takeLock(fd, lock, path);
    if (::ftruncate(fd, 0) != 0) {
        int err = errno;
        ::close(fd);
        throw systemError("Cannot create", path, err);
    }
    std::unique_ptr<MappedFile> f(new MappedFile);
    f->path_ = path;
    f->fd_ = fd;
    f->writable_ = true;
    f->mapAtLeast(0);
    return f;
}

MappedFile::~MappedFile() {
    if (base_) ::munmap(base_, mapped_);
    if (fd_ >= 0) {
        if (writable_ && physical_ != size_) [[maybe_unused]]
            int rc = ::ftruncate(fd_, size_);
        ::close(fd_);
    }
}

void MappedFile::mapAtLeast(uint64_t bytes) {
    uint64_t want = writable_ ? std::max<uint64_t>({bytes * 2, bytes + kMinReserve}) : bytes;
    long page = ::sysconf(_SC_PAGESIZE);
    want = std::max<uint64_t>(want, static_cast<uint64_t>(page));
    want = (want + page - 1) / page * page;
    if (base_ && want <= mapped_) return;
    if (base_) {
        ::munmap(base_, mapped_);
        base_ = nullptr;
        mapped_ = 0;
        prefaulted_ = false;
    }
    int prot = PROT_READ | (writable_ ? PROT_WRITE : 0);
    void* p = ::mmap(nullptr, want, prot, MAP_SHARED, fd_, 0);
    if (p == MAP_FAILED) throw systemError("Cannot map", path_);
    base_ = static_cast<uint8_t*>(p);
    mapped_ = want;
}

int MappedFile::reserve(uint64_t from, uint64_t to) {
    int err = ::posix_fallocate(fd_, static_cast<off_t>(from), static_cast<off_t>(to - from));
    if (err == EINTR)
        err = ::posix_fallocate(fd_, static_cast<off_t>(from), static_cast<off_t>(to - from));
    return err;
}

uint8_t* MappedFile::mutableData() {
    if (!writable_) throw Error("File " + path_ + " is open read-only", ErrorKind::ReadOnly);
    return base_;
}

void MappedFile::resize(uint64_t newSize) {
    if (!writable_) throw Error("File " + path_ + " is open read-only", ErrorKind::ReadOnly);
    if (newSize > physical_) {
        // Steps of whole 4 KiB keep a file cut at its reservation a whole
        // number of index pages.
        uint64_t step = (std::max(kMinGrowth, physical_ / 8) + 4095) / 4096 * 4096;
        uint64_t grown = std::max<uint64_t>(newSize, physical_ + step);
        // Blocks are allocated before the mapping can reach them: a store
        // into a hole the disk cannot fill would kill us with SIGBUS.
        int err = reserve(physical_, grown);
        if (err == ENOSPC && grown > newSize) {
            grown = newSize;  // a near-full disk may still hold what is needed now
            err = reserve(physical_, grown);
        }
        if (err != 0) throw systemError("Cannot extend", path_, err);
        uint64_t before = physical_;
        physical_ = grown;
        if (grown > mapped_) mapAtLeast(grown);
#ifdef MADV_POPULATE_WRITE
        // One call instead of a page fault per page halves the cost of appends.
        uint64_t page = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
        uint64_t from = before / page * page;
        uint64_t span = std::min<uint64_t>(grown - from, 64ull << 20);
        ::madvise(base_ + from, span, MADV_POPULATE_WRITE);
#endif
    } else if (newSize < size_) {
        // Bytes past the logical end must read as zero if the file grows again.
        std::memset(base_ + newSize, 0, size_ - newSize);
    }
    size_ = newSize;
}

void MappedFile::read(uint64_t offset, void* dst, size_t n) const {
    if (offset > size_ || n > size_ - offset)
        throw Error("Unexpected end of file in " + path_, ErrorKind::Damaged);
    std::memcpy(dst, base_ + offset, n);
}

void MappedFile::write(uint64_t offset, const void* src, size_t n) {
    if (!writable_) throw Error("File " + path_ + " is open read-only", ErrorKind::ReadOnly);
    if (offset + n > size_) resize(offset + n);
    // Through the page cache rather than the mapping: a store into a clean
    // mapped page costs a write fault, which is dear when scattered writes
    // touch many pages. The mapping sees the new bytes at once.
    const auto* p = static_cast<const uint8_t*>(src);
    while (n > 0) {
        ssize_t done = ::pwrite(fd_, p, n, static_cast<off_t>(offset));
        if (done < 0) {
            if (errno == EINTR) continue;
            throw systemError("Cannot write", path_);
        }
        p += done;
        offset += static_cast<uint64_t>(done);
        n -= static_cast<size_t>(done);
    }
}

void MappedFile::prefaultForScan() {
#ifdef MADV_POPULATE_READ
    if (prefaulted_ || !base_ || size_ == 0) return;
    prefaulted_ = true;
    ::madvise(base_, size_, MADV_POPULATE_READ);
#endif
}

void MappedFile::sync() {
    if (!writable_) return;
    if (base_ && size_ > 0 && ::msync(base_, size_, MS_SYNC) != 0)
        throw systemError("Cannot write", path_);
    if (::fdatasync(fd_) != 0) throw systemError("Cannot write", path_);
}

void MappedFile::trim() {
    if (writable_ && physical_ != size_) {
        if (::ftruncate(fd_, static_cast<off_t>(size_)) != 0)
            throw systemError("Cannot truncate", path_);
        physical_ = size_;
    }
}

}  // namespace pc::xbase
