#include "xbase/idx_index.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <numeric>

#include "xbase/ascii_text.h"
#include "xbase/byte_order.h"
#include "xbase/error.h"
#include "xbase/idx_format.h"
#include "xbase/mapped_file.h"

namespace pc::xbase {
namespace {

// Sorts fixed-size entries in place and drops exact repeats.
void sortEntries(std::vector<uint8_t>& bytes, size_t size) {
    size_t n = bytes.size() / size;
    std::vector<uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    const uint8_t* b = bytes.data();
    std::sort(order.begin(), order.end(), [&](uint32_t x, uint32_t y) {
        return std::memcmp(b + size_t(x) * size, b + size_t(y) * size, size) < 0;
    });
    std::vector<uint8_t> out;
    out.reserve(bytes.size());
    for (uint32_t i : order) {
        const uint8_t* e = b + size_t(i) * size;
        if (!out.empty() && std::memcmp(out.data() + out.size() - size, e, size) == 0) continue;
        out.insert(out.end(), e, e + size);
    }
    bytes.swap(out);
}

void writeAll(int fd, const uint8_t* p, size_t n, const std::string& path) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            throw Error::fromErrno(errno, "Cannot write index", path);
        }
        p += w;
        n -= static_cast<size_t>(w);
    }
}

}  // namespace

// ---------------------------------------------------------------- cursor

class IdxIndex::Cursor final : public CdxTagCursor {
  public:
    explicit Cursor(const IdxIndex* index) : index_(index) {}
    bool first() override { return rest(0); }
    bool last() override {
        size_t n = count();
        return n ? rest(n - 1) : invalidate();
    }
    bool next() override {
        if (!valid_) return false;
        if (stale())
            return rest(index_->lowerBound(saved_.data(), saved_.size()) + (exact() ? 1 : 0));
        return rest(pos_ + 1);
    }
    bool prev() override {
        if (!valid_) return false;
        size_t at = stale() ? index_->lowerBound(saved_.data(), saved_.size()) : pos_;
        return at ? rest(at - 1) : invalidate();
    }
    bool seek(const uint8_t* key, size_t len) override {
        return rest(index_->lowerBound(key, std::min<size_t>(len, index_->info_.keyLength)));
    }
    bool seekEntry(const uint8_t* key, uint32_t recno) override {
        std::vector<uint8_t> probe(key, key + index_->info_.keyLength);
        probe.resize(probe.size() + 4);
        putBe32(probe.data() + index_->info_.keyLength, recno);
        return rest(index_->lowerBound(probe.data(), probe.size()));
    }
    bool valid() const override { return valid_; }
    const uint8_t* key() const override { return saved_.data(); }
    uint32_t recno() const override { return be32(saved_.data() + index_->info_.keyLength); }

  private:
    size_t count() const { return index_->entries().size() / index_->entrySize(); }
    bool stale() const { return generation_ != index_->generation_; }
    bool exact() const {
        size_t at = index_->lowerBound(saved_.data(), saved_.size());
        return at < count() && std::memcmp(index_->entries().data() + at * saved_.size(),
                                           saved_.data(), saved_.size()) == 0;
    }
    bool invalidate() { return valid_ = false; }
    bool rest(size_t at) {
        if (at >= count()) return invalidate();
        size_t size = index_->entrySize();
        const uint8_t* e = index_->entries().data() + at * size;
        saved_.assign(e, e + size);
        pos_ = at;
        generation_ = index_->generation_;
        return valid_ = true;
    }

    const IdxIndex* index_;
    size_t pos_ = 0;
    bool valid_ = false;
    uint64_t generation_ = 0;
    std::vector<uint8_t> saved_;  // the entry the cursor rests on
};

// ---------------------------------------------------------------- index

IdxIndex::~IdxIndex() {
    try {
        flush();
    } catch (...) {
        // Closing must not throw; the file on disk is the last complete one.
    }
}

std::unique_ptr<IdxIndex> IdxIndex::create(const std::string& path, const CdxTagInfo& info) {
    if (info.keyLength == 0 || info.keyLength > idx::kMaxKeyLength)
        throw Error("An index key must be 1 to 240 bytes long", ErrorKind::Invalid);
    if (info.keyExpr.size() >= idx::kExpressionSize || info.forExpr.size() >= idx::kExpressionSize)
        throw Error("An index expression may be at most 219 characters long", ErrorKind::Invalid);
    std::unique_ptr<IdxIndex> x(new IdxIndex);
    x->path_ = path;
    x->info_ = info;
    x->info_.name = upperAscii(std::filesystem::path(path).stem().string());
    x->info_.descending = false;
    x->writeFile();
    return x;
}

std::unique_ptr<IdxIndex> IdxIndex::open(const std::string& path, bool readOnly) {
    auto file = MappedFile::open(path, OpenMode::ReadOnly, LockMode::None);
    const uint8_t* data = file->data();
    const uint64_t size = file->size();
    idx::Header h = idx::parseHeader(data, size, path);

    std::unique_ptr<IdxIndex> x(new IdxIndex);
    x->path_ = path;
    x->readOnly_ = readOnly;
    x->info_.name = upperAscii(std::filesystem::path(path).stem().string());
    x->info_.keyExpr = h.keyExpr;
    x->info_.forExpr = (h.options & idx::kOptFor) ? h.forExpr : std::string();
    x->info_.keyLength = h.keyLength;
    x->info_.unique = h.options & idx::kOptUnique;

    // Down the leftmost branch to the first leaf, then along the leaves.
    const uint64_t pageLimit = size / idx::kPageSize + 1;
    uint32_t page = h.root;
    idx::Node node = idx::readNode(data, size, page, h.keyLength, path);
    for (int depth = 0; !(node.attributes & idx::kLeafNode); ++depth) {
        if (depth > idx::kMaxDepth || node.count == 0)
            throw Error("The index " + path + " is damaged: an interior node leads nowhere",
                        ErrorKind::Damaged);
        page = be32(node.entries + h.keyLength);
        node = idx::readNode(data, size, page, h.keyLength, path);
    }
    const size_t esize = x->entrySize();
    uint64_t hops = 0;
    for (;;) {
        if (!(node.attributes & idx::kLeafNode) || ++hops > pageLimit)
            throw Error("The index " + path + " is damaged: broken chain of leaves",
                        ErrorKind::Damaged);
        x->sorted_.insert(x->sorted_.end(), node.entries, node.entries + node.count * esize);
        if (node.right == idx::kNoPage) break;
        node = idx::readNode(data, size, node.right, h.keyLength, path);
    }
    // Another program may order equal keys differently; ours go by record.
    bool ordered = true;
    for (size_t at = esize; at < x->sorted_.size() && ordered; at += esize)
        ordered = std::memcmp(&x->sorted_[at - esize], &x->sorted_[at], esize) < 0;
    if (!ordered) sortEntries(x->sorted_, esize);
    return x;
}

const std::vector<uint8_t>& IdxIndex::entries() const {
    if (pending_.empty()) return sorted_;
    const size_t size = entrySize();
    sortEntries(pending_, size);
    std::vector<uint8_t> out;
    out.reserve(sorted_.size() + pending_.size());
    size_t a = 0, b = 0;
    while (a < sorted_.size() || b < pending_.size()) {
        const uint8_t* take;
        if (b >= pending_.size()) {
            take = &sorted_[a];
            a += size;
        } else if (a >= sorted_.size()) {
            take = &pending_[b];
            b += size;
        } else {
            int c = std::memcmp(&sorted_[a], &pending_[b], size);
            if (c == 0) b += size;  // already present
            take = c <= 0 ? &sorted_[a] : &pending_[b];
            (c <= 0 ? a : b) += size;
        }
        out.insert(out.end(), take, take + size);
    }
    sorted_.swap(out);
    pending_.clear();
    return sorted_;
}

size_t IdxIndex::lowerBound(const uint8_t* probe, size_t len) const {
    const std::vector<uint8_t>& e = entries();
    const size_t size = entrySize();
    size_t lo = 0, hi = e.size() / size;
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (std::memcmp(e.data() + mid * size, probe, len) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

bool IdxIndex::insertKey(const uint8_t* key, uint32_t recno) {
    if (readOnly_) throw Error("The index " + path_ + " is open read-only", ErrorKind::ReadOnly);
    const size_t kl = info_.keyLength;
    if (info_.unique) {
        size_t at = lowerBound(key, kl);
        if (at < keyCount() && std::memcmp(sorted_.data() + at * entrySize(), key, kl) == 0)
            return false;
    }
    size_t at = pending_.size();
    pending_.resize(at + entrySize());
    std::memcpy(&pending_[at], key, kl);
    putBe32(&pending_[at + kl], recno);
    changed_ = true;
    ++generation_;
    return true;
}

bool IdxIndex::removeKey(const uint8_t* key, uint32_t recno) {
    if (readOnly_) throw Error("The index " + path_ + " is open read-only", ErrorKind::ReadOnly);
    const size_t size = entrySize();
    std::vector<uint8_t> probe(key, key + info_.keyLength);
    probe.resize(size);
    putBe32(probe.data() + info_.keyLength, recno);
    size_t at = lowerBound(probe.data(), size);
    if (at >= keyCount() || std::memcmp(sorted_.data() + at * size, probe.data(), size) != 0)
        return false;
    sorted_.erase(sorted_.begin() + at * size, sorted_.begin() + (at + 1) * size);
    changed_ = true;
    ++generation_;
    return true;
}

void IdxIndex::clear() {
    sorted_.clear();
    pending_.clear();
    changed_ = true;
    ++generation_;
}

void IdxIndex::renumber(const std::vector<uint32_t>& newRecno) {
    entries();
    const size_t size = entrySize(), kl = info_.keyLength;
    size_t out = 0;
    for (size_t at = 0; at < sorted_.size(); at += size) {
        uint32_t old = be32(&sorted_[at + kl]);
        uint32_t now = old < newRecno.size() ? newRecno[old] : 0;
        if (now == 0) continue;
        std::memmove(&sorted_[out], &sorted_[at], kl);
        putBe32(&sorted_[out + kl], now);
        out += size;
    }
    sorted_.resize(out);
    changed_ = true;
    ++generation_;
}

uint64_t IdxIndex::keyCount() const {
    return entries().size() / entrySize();
}

std::unique_ptr<CdxTagCursor> IdxIndex::cursor() const {
    return std::make_unique<Cursor>(this);
}

void IdxIndex::flush() {
    if (!changed_ || readOnly_) return;
    writeFile();
    changed_ = false;
}

// Leaves first, each level's nodes after the one below, the root last; a
// node above holds each child's last key and the child's offset.
void IdxIndex::writeFile() const {
    const std::vector<uint8_t>& e = entries();
    const size_t size = entrySize(), kl = info_.keyLength;
    const size_t per = idx::entriesPerNode(info_.keyLength);
    const size_t n = e.size() / size;

    std::vector<uint8_t> out(idx::kPageSize);  // header, written last
    struct Child {
        const uint8_t* key;
        uint32_t page;
    };
    std::vector<Child> level;
    auto newNode = [&]() -> size_t {
        if (out.size() + idx::kPageSize > 0xFFFFFFFFull)
            throw Error("The index " + path_ + " would exceed 4 GB");
        out.resize(out.size() + idx::kPageSize);
        return out.size() - idx::kPageSize;
    };
    auto finishNode = [&](size_t at, uint16_t attributes, size_t count, bool first, bool last) {
        putLe16(&out[at], attributes);
        putLe16(&out[at + 2], static_cast<uint16_t>(count));
        putLe32(&out[at + 4], first ? idx::kNoPage : static_cast<uint32_t>(at - idx::kPageSize));
        putLe32(&out[at + 8], last ? idx::kNoPage : static_cast<uint32_t>(at + idx::kPageSize));
    };

    size_t nodes = (n + per - 1) / per;
    for (size_t i = 0; i < std::max<size_t>(nodes, 1); ++i) {
        size_t at = newNode();
        size_t from = i * per, count = std::min(per, n - std::min(n, from));
        if (count) std::memcpy(&out[at + idx::kNodeHeader], e.data() + from * size, count * size);
        uint16_t attributes = idx::kLeafNode | (nodes <= 1 ? idx::kRootNode : 0);
        finishNode(at, attributes, count, i == 0, i + 1 >= nodes);
        if (count)
            level.push_back({e.data() + (from + count - 1) * size, static_cast<uint32_t>(at)});
    }
    uint32_t root = idx::kPageSize;
    while (level.size() > 1) {
        std::vector<Child> above;
        size_t count = (level.size() + per - 1) / per;
        for (size_t i = 0; i < count; ++i) {
            size_t at = newNode();
            size_t from = i * per, k = std::min(per, level.size() - from);
            for (size_t j = 0; j < k; ++j) {
                uint8_t* slot = &out[at + idx::kNodeHeader + j * size];
                std::memcpy(slot, level[from + j].key, kl);
                putBe32(slot + kl, level[from + j].page);
            }
            finishNode(at, count == 1 ? idx::kRootNode : 0, k, i == 0, i + 1 == count);
            above.push_back({level[from + k - 1].key, static_cast<uint32_t>(at)});
            root = static_cast<uint32_t>(at);
        }
        level.swap(above);
    }

    idx::Header h;
    h.root = root;
    h.end = static_cast<uint32_t>(out.size());
    h.keyLength = info_.keyLength;
    h.options = (info_.unique ? idx::kOptUnique : 0) | (info_.forExpr.empty() ? 0 : idx::kOptFor);
    h.keyExpr = info_.keyExpr;
    h.forExpr = info_.forExpr;
    idx::writeHeader(out.data(), h);

    // Beside the old file, then renamed over it: a kill or a full disk
    // part-way leaves the previous file as it was.
    const std::string tmp = path_ + ".pctmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw Error::fromErrno(errno, "Cannot create index", tmp);
    try {
        writeAll(fd, out.data(), out.size(), tmp);
        if (::fsync(fd) != 0) throw Error::fromErrno(errno, "Cannot write index", tmp);
    } catch (...) {
        ::close(fd);
        std::remove(tmp.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        int err = errno;
        std::remove(tmp.c_str());
        throw Error::fromErrno(err, "Cannot write index", tmp);
    }
    if (std::rename(tmp.c_str(), path_.c_str()) != 0) {
        int err = errno;
        std::remove(tmp.c_str());
        throw Error::fromErrno(err, "Cannot replace index", path_);
    }
}

}  // namespace pc::xbase
