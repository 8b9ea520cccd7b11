// The work area's single-order index files: orders after the compound
// index's tags that hold only the records given to them.
#include <cstring>
#include <filesystem>

#include "xbase/error.h"
#include "xbase/work_area.h"

namespace pc::xbase {
namespace {
constexpr uint16_t kMaxKeyLength = 240;
}  // namespace

IdxIndex& WorkArea::idxOf(int order) {
    if (!isIdxOrder(order))
        throw Error("Order " + std::to_string(order) + " is not a single-order index",
                    ErrorKind::Invalid);
    return *idx_[static_cast<size_t>(order - tagCount() - 1)].file;
}

int WorkArea::createIdx(const std::string& path, const std::string& keyExpr, bool unique) {
    flush();
    namespace fs = std::filesystem;
    std::error_code ec;
    for (const IdxOrder& o : idx_)
        if (fs::equivalent(o.file->path(), path, ec))
            throw Error("The index " + path + " is open already", ErrorKind::Invalid);
    CdxTagInfo info;
    info.keyExpr = keyExpr;
    info.unique = unique;
    auto [key, cond] = compileTag(info);
    info.keyLength = key->keyLength();
    info.keyType = key->keyType();
    IdxOrder o;
    o.file = IdxIndex::create(path, info);
    o.tag.key = std::move(key);
    idx_.push_back(std::move(o));
    return orderCount();
}

int WorkArea::openIdx(const std::string& path) {
    flush();
    auto file = IdxIndex::open(path, readOnly());
    CdxTagInfo info = file->info();
    auto [key, cond] = compileTag(info);
    if (key->keyType() != KeyType::Character && key->keyLength() != info.keyLength)
        throw Error("The index " + path + " has a key length that does not suit " + info.keyExpr,
                    ErrorKind::Damaged);
    file->setKeyType(key->keyType());
    IdxOrder o;
    o.file = std::move(file);
    o.tag.key = std::move(key);
    o.tag.forCond = std::move(cond);
    idx_.push_back(std::move(o));
    return orderCount();
}

void WorkArea::addKey(int order) {
    flush();
    IdxIndex& file = idxOf(order);
    if (eof_) throw Error("There is no current record to index", ErrorKind::Invalid);
    const Tag& tag = idx_[static_cast<size_t>(order - tagCount() - 1)].tag;
    if (tag.forCond && !tag.forCond->evalLogical(ref(current(), recno_))) return;
    uint8_t key[kMaxKeyLength + 8];
    makeOrderKey(order, current(), recno_, key);
    file.insertKey(key, recno_);
    ++indexVersion_;
}

void WorkArea::closeIdx(int order) {
    flush();
    idxOf(order).flush();
    idx_.erase(idx_.begin() + (order - tagCount() - 1));
    if (order_ == order) {
        order_ = 0;
        clearScope();
        resetCursor();
    } else if (order_ > order) {
        --order_;
    }
}

void WorkArea::makeOrderKey(int order, const char* rec, uint32_t recno, uint8_t* out) const {
    if (order <= tagCount()) {
        makeKey(static_cast<size_t>(order - 1), rec, recno, out);
        return;
    }
    const IdxOrder& o = idx_[static_cast<size_t>(order - tagCount() - 1)];
    makeKey(*o.tag.key, o.file->info().keyLength, rec, recno, out);
}

void WorkArea::updateIdxFor(const char* oldRec, const char* newRec, uint32_t recno) {
    uint8_t oldKey[kMaxKeyLength + 8], newKey[kMaxKeyLength + 8];
    for (IdxOrder& o : idx_) {
        if (!o.tag.affectedBy(oldRec, newRec, table_->fields())) continue;
        const uint16_t len = o.file->info().keyLength;
        makeKey(*o.tag.key, len, oldRec, recno, oldKey);
        makeKey(*o.tag.key, len, newRec, recno, newKey);
        bool newIn = !o.tag.forCond || o.tag.forCond->evalLogical(ref(newRec, recno));
        if (newIn && std::memcmp(oldKey, newKey, len) == 0) continue;
        if (o.file->removeKey(oldKey, recno) && newIn) o.file->insertKey(newKey, recno);
        ++indexVersion_;
    }
}

void WorkArea::flushIdx() {
    for (IdxOrder& o : idx_) o.file->flush();
}

std::vector<uint32_t> WorkArea::recordNumbersAfterPack() const {
    const uint32_t n = table_->recordCount();
    std::vector<uint32_t> after(size_t(n) + 1, 0);
    uint32_t next = 0;
    for (uint32_t r = 1; r <= n; ++r)
        if (!table_->isDeleted(r)) after[r] = ++next;
    return after;
}

}  // namespace pc::xbase
