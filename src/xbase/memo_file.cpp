#include "xbase/memo_file.h"

#include <algorithm>
#include <cstring>

#include "xbase/byte_order.h"
#include "xbase/error.h"

namespace pc::xbase {
namespace {

constexpr uint64_t kFptHeaderSize = 512;
constexpr uint64_t kDbt3BlockSize = 512;
constexpr uint32_t kFptBlockHeader = 8;
constexpr uint32_t kFptText = 1;
// Any memo longer than this is a damaged length, not text.
constexpr uint64_t kMaxMemoLength = uint64_t(1) << 31;

uint64_t blocksFor(uint64_t bytes, uint64_t blockSize) {
    return (bytes + blockSize - 1) / blockSize;
}

}  // namespace

struct MemoFile::Impl {
    std::unique_ptr<MappedFile> file;
    MemoKind kind = MemoKind::Fpt;
    uint16_t blockSize = 64;
    std::string path;

    [[noreturn]] void damaged(uint32_t block, const std::string& why) const {
        throw Error("Memo file " + path + " is damaged: memo at block " + std::to_string(block) +
                    " " + why);
    }

    std::string readFpt(uint32_t block) const {
        uint64_t size = file->size();
        uint64_t at = uint64_t(block) * blockSize;
        if (at < kFptHeaderSize) damaged(block, "points into the file header");
        if (at + kFptBlockHeader > size) damaged(block, "lies beyond the end of the file");
        const uint8_t* p = file->data() + at;
        // Block types are 0 (picture), 1 (text) and 2 (object): anything
        // else means the pointer does not lead to the start of a memo.
        if (be32(p) > 2)
            damaged(block, "does not start a memo (block type " + std::to_string(be32(p)) + ")");
        uint64_t length = be32(p + 4);
        if (length > size - at - kFptBlockHeader)
            damaged(block, "has length " + std::to_string(length) + ", past the end of the file");
        return std::string(reinterpret_cast<const char*>(p + kFptBlockHeader), length);
    }

    std::string readDbt(uint32_t block) const {
        uint64_t size = file->size();
        uint64_t bs = kind == MemoKind::Dbt3 ? kDbt3BlockSize : blockSize;
        uint64_t at = uint64_t(block) * bs;
        if (at >= size) damaged(block, "lies beyond the end of the file");
        const uint8_t* p = file->data() + at;
        uint64_t room = size - at;
        if (kind == MemoKind::Dbt4 && room >= 8 && p[0] == 0xFF && p[1] == 0xFF && p[2] == 0x08 &&
            p[3] == 0x00) {
            uint64_t length = le32(p + 4);  // counts the 8 header bytes
            if (length < 8 || length > room)
                damaged(block,
                        "has length " + std::to_string(length) + ", past the end of the file");
            return std::string(reinterpret_cast<const char*>(p + 8), length - 8);
        }
        // dBASE III: the text runs to an end-of-file byte (or the file's end).
        uint64_t limit = std::min(room, kMaxMemoLength);
        const void* end = std::memchr(p, 0x1A, limit);
        uint64_t length = end ? uint64_t(static_cast<const uint8_t*>(end) - p) : limit;
        return std::string(reinterpret_cast<const char*>(p), length);
    }
};

std::unique_ptr<MemoFile> MemoFile::open(const std::string& path, MemoKind kind, OpenMode mode,
                                         LockMode lock) {
    auto file = MappedFile::open(path, mode, lock);
    std::unique_ptr<MemoFile> m(new MemoFile);
    m->impl_ = std::make_unique<Impl>();
    Impl& d = *m->impl_;
    d.path = path;
    d.kind = kind;
    const uint8_t* h = file->data();
    if (kind == MemoKind::Fpt) {
        if (file->size() < kFptHeaderSize)
            throw Error("Memo file " + path + " is damaged: it is shorter than its header",
                        ErrorKind::Damaged);
        d.blockSize = be16(h + 6);
        if (d.blockSize == 0)
            throw Error("Memo file " + path + " is damaged: block size 0", ErrorKind::Damaged);
    } else {
        // Some writers stop the header after its used bytes; the rest is filler.
        if (file->size() < 24)
            throw Error("Memo file " + path + " is damaged: it is shorter than its header",
                        ErrorKind::Damaged);
        d.blockSize = kDbt3BlockSize;
        if (kind == MemoKind::Dbt4) {
            uint16_t bs = le16(h + 20);
            // dBASE III files opened as dBASE IV ones carry no size: 512.
            if (bs != 0) d.blockSize = bs;
        }
    }
    d.file = std::move(file);
    return m;
}

std::unique_ptr<MemoFile> MemoFile::create(const std::string& path, uint16_t blockSize,
                                           LockMode lock) {
    if (blockSize == 0) throw Error("Cannot create memo file " + path + ": block size 0");
    auto file = MappedFile::create(path, lock);
    uint64_t firstBlock = blocksFor(kFptHeaderSize, blockSize);
    file->resize(firstBlock * blockSize);
    uint8_t* h = file->mutableData();
    putBe32(h, uint32_t(firstBlock));
    putBe16(h + 6, blockSize);
    std::unique_ptr<MemoFile> m(new MemoFile);
    m->impl_ = std::make_unique<Impl>();
    m->impl_->file = std::move(file);
    m->impl_->kind = MemoKind::Fpt;
    m->impl_->blockSize = blockSize;
    m->impl_->path = path;
    return m;
}

MemoFile::~MemoFile() = default;

MemoKind MemoFile::kind() const {
    return impl_->kind;
}
uint16_t MemoFile::blockSize() const {
    return impl_->blockSize;
}
const std::string& MemoFile::path() const {
    return impl_->path;
}

std::string MemoFile::read(uint32_t block) const {
    if (block == 0) return {};
    return impl_->kind == MemoKind::Fpt ? impl_->readFpt(block) : impl_->readDbt(block);
}

uint32_t MemoFile::write(uint32_t oldBlock, std::string_view text) {
    Impl& d = *impl_;
    if (d.kind != MemoKind::Fpt)
        throw Error("Memo file " + d.path + " is a dBASE memo file and can only be read");
    if (!d.file->writable()) throw Error("Memo file " + d.path + " is open read-only");
    if (text.empty()) return 0;
    if (text.size() > kMaxMemoLength) throw Error("Memo text is too long for " + d.path);
    const uint64_t bs = d.blockSize;
    const uint64_t need = blocksFor(kFptBlockHeader + text.size(), bs);
    const uint64_t size = d.file->size();

    uint64_t at = 0;
    if (oldBlock != 0) {
        uint64_t old = uint64_t(oldBlock) * bs;
        if (old >= kFptHeaderSize && old + kFptBlockHeader <= size) {
            uint64_t oldLength = be32(d.file->data() + old + 4);
            uint64_t have = blocksFor(kFptBlockHeader + oldLength, bs);
            // The old memo's blocks must lie inside the file to be reused.
            if (oldLength <= size - old - kFptBlockHeader && need <= have) at = old;
        }
    }
    bool append = at == 0;
    uint64_t next = 0;
    if (append) {
        // New memos go to the end of the file. Our files end at next-free;
        // a damaged pointer short of the end would overwrite memos, and one
        // far past it would blow the file up.
        next = std::max(blocksFor(size, bs), blocksFor(kFptHeaderSize, bs));
        if (next + need > 0xFFFFFFFFull) throw Error("Memo file " + d.path + " is full");
        at = next * bs;
        d.file->resize(std::max(size, (next + need) * bs));
    }
    // One system write: a process killed part-way through a copy into the
    // mapping would leave an old memo, still pointed to, half overwritten.
    std::string block(need * bs, '\0');
    auto* p = reinterpret_cast<uint8_t*>(block.data());
    putBe32(p, kFptText);
    putBe32(p + 4, uint32_t(text.size()));
    std::memcpy(p + kFptBlockHeader, text.data(), text.size());
    d.file->write(at, block.data(), block.size());
    // Next-free moves only once the memo itself is in place.
    if (append) putBe32(d.file->mutableData(), uint32_t(next + need));
    return uint32_t(at / bs);
}

void MemoFile::dropUnusedTail() {
    Impl& d = *impl_;
    if (d.kind != MemoKind::Fpt || !d.file->writable()) return;
    uint64_t end = uint64_t(be32(d.file->data())) * d.blockSize;
    if (end < kFptHeaderSize || end >= d.file->size()) return;
    d.file->resize(end);
    d.file->trim();
}

void MemoFile::flush() {
    if (!impl_->file->writable()) return;
    impl_->file->trim();
    impl_->file->sync();
}

}  // namespace pc::xbase
