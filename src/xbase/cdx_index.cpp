#include "xbase/cdx_index.h"

#include <algorithm>
#include <cctype>

#include "xbase/ascii_text.h"
#include "xbase/cdx_format.h"
#include "xbase/cdx_key_sort.h"
#include "xbase/cdx_tag_builder.h"
#include "xbase/cdx_tag_cursor.h"
#include "xbase/cdx_tag_editor.h"
#include "xbase/cdx_tag_verify.h"
#include "xbase/error.h"

namespace pc::xbase {

using namespace cdx;

struct CdxIndex::Impl {
    std::unique_ptr<MappedFile> file;
    std::vector<CdxTagInfo> tags;
    uint16_t dirKeyLength = kDirectoryKeyLength;
    uint64_t generation = 0;

    const CdxTagInfo& tag(int t) const {
        if (t < 0 || static_cast<size_t>(t) >= tags.size())
            throw Error("Index " + file->path() + " has no tag number " + std::to_string(t));
        return tags[t];
    }
    TreeRef ref(int t) const {
        const CdxTagInfo& info = tag(t);
        return {file.get(), info.headerOffset, info.keyLength, keyFillByte(info.keyType),
                &generation};
    }
    TreeRef dirRef() const { return {file.get(), 0, dirKeyLength, 0x20, &generation}; }
    uint64_t alignedEnd() const { return (file->size() + kPageSize - 1) / kPageSize * kPageSize; }

    void loadDirectory();
    void writeDirectory();
};

namespace {

std::string trimName(const uint8_t* key, size_t len) {
    return std::string(trimPaddingRight({reinterpret_cast<const char*>(key), len}));
}

}  // namespace

void CdxIndex::Impl::loadDirectory() {
    const std::string& path = file->path();
    TreeCursor dir(dirRef());
    uint64_t limit = pageLimit(*file);
    for (bool ok = dir.first(); ok; ok = dir.next()) {
        if (tags.size() > limit)
            throw Error("Index " + path + " is damaged: too many tags", ErrorKind::Damaged);
        CdxTagInfo info;
        info.name = trimName(dir.key(), dirKeyLength);
        info.headerOffset = dir.recno();
        std::string where = "Index " + path + ", tag " + info.name;
        if (info.headerOffset % kPageSize != 0 || info.headerOffset < kHeaderSize ||
            uint64_t(info.headerOffset) + kHeaderSize > file->size())
            throw Error(where + ": header offset " + std::to_string(info.headerOffset) +
                        " is outside the file");
        TagHeader h = parseTagHeader(file->data() + info.headerOffset, where);
        info.keyExpr = h.keyExpr;
        info.forExpr = h.forExpr;
        info.keyLength = h.keyLength;
        info.unique = h.options & kOptUnique;
        info.descending = h.descending;
        tags.push_back(std::move(info));
    }
    std::sort(tags.begin(), tags.end(), [](const CdxTagInfo& a, const CdxTagInfo& b) {
        return a.headerOffset < b.headerOffset;
    });
    for (size_t i = 1; i < tags.size(); ++i)
        if (tags[i].headerOffset == tags[i - 1].headerOffset)
            throw Error("Index " + path + " is damaged: tags " + tags[i - 1].name + " and " +
                            tags[i].name + " share one header",
                        ErrorKind::Damaged);
}

void CdxIndex::Impl::writeDirectory() {
    std::vector<const CdxTagInfo*> sorted;
    for (const auto& t : tags) sorted.push_back(&t);
    std::sort(sorted.begin(), sorted.end(),
              [](const CdxTagInfo* a, const CdxTagInfo* b) { return a->name < b->name; });
    std::vector<uint8_t> keys(sorted.size() * dirKeyLength, ' ');
    std::vector<uint32_t> recnos;
    for (size_t i = 0; i < sorted.size(); ++i) {
        std::memcpy(keys.data() + i * dirKeyLength, sorted[i]->name.data(), sorted[i]->name.size());
        recnos.push_back(sorted[i]->headerOffset);
    }
    BuildSource src{keys.data(), recnos.data(), nullptr, sorted.size(), dirKeyLength, 0x20};
    uint64_t end = alignedEnd();
    ScratchArray<uint8_t> pages;
    uint32_t root = buildTree(src, end, pages);
    uint32_t oldRoot = headerRoot(file->data());
    // A directory that still fits one leaf is rewritten where it is.
    if (pages.size() == kPageSize && validPageOffset(*file, oldRoot) &&
        readNodeHeader(file->data() + oldRoot).isLeaf()) {
        file->write(oldRoot, pages.data(), kPageSize);
        return;
    }
    file->write(end, pages.data(), pages.size());
    setHeaderRoot(file->mutableData(), root);
}

std::unique_ptr<CdxIndex> CdxIndex::open(const std::string& path, OpenMode mode, LockMode lock) {
    auto index = openUnchecked(path, mode, lock);
    // Every write adds whole pages: another length is a write cut short.
    if (index->impl_->file->size() % kPageSize != 0)
        throw Error("Index " + path + " is damaged: its length is not a whole number of pages",
                    ErrorKind::Damaged);
    return index;
}

std::unique_ptr<CdxIndex> CdxIndex::openUnchecked(const std::string& path, OpenMode mode,
                                                  LockMode lock) {
    std::unique_ptr<CdxIndex> index(new CdxIndex);
    index->impl_ = std::make_unique<Impl>();
    Impl& d = *index->impl_;
    d.file = MappedFile::open(path, mode, lock);
    if (d.file->size() < kHeaderSize + kPageSize)
        throw Error("File " + path + " is too short to be a compound index", ErrorKind::Damaged);
    TagHeader dir = parseTagHeader(d.file->data(), "Index " + path + ", tag directory");
    d.dirKeyLength = dir.keyLength;
    d.loadDirectory();
    return index;
}

std::vector<CdxTagInfo> CdxIndex::readTagDefinitions(const std::string& path) {
    try {
        return openUnchecked(path, OpenMode::ReadOnly, LockMode::None)->tags();
    } catch (const Error&) {
        return {};
    }
}

std::unique_ptr<CdxIndex> CdxIndex::create(const std::string& path, LockMode lock) {
    std::unique_ptr<CdxIndex> index(new CdxIndex);
    index->impl_ = std::make_unique<Impl>();
    Impl& d = *index->impl_;
    d.file = MappedFile::create(path, lock);
    uint8_t buf[kHeaderSize + kPageSize];
    TagHeader dir;
    dir.root = kHeaderSize;
    dir.keyLength = kDirectoryKeyLength;
    dir.options = kOptDirectory | kOptCompound | kOptCompact;
    writeTagHeader(buf, dir);
    writeStamp(buf, {});
    LeafPacker leaf(buf + kHeaderSize, kDirectoryKeyLength, 0x20,
                    chooseLeafLayout(kDirectoryKeyLength, 0));
    leaf.finish(kRootNode | kLeafNode, kNoPage, kNoPage);
    d.file->write(0, buf, sizeof buf);
    return index;
}

CdxIndex::~CdxIndex() = default;

const std::string& CdxIndex::path() const {
    return impl_->file->path();
}
const std::vector<CdxTagInfo>& CdxIndex::tags() const {
    return impl_->tags;
}

int CdxIndex::findTag(std::string_view name) const {
    std::string wanted = upperAscii(name);
    for (size_t i = 0; i < impl_->tags.size(); ++i)
        if (upperAscii(impl_->tags[i].name) == wanted) return static_cast<int>(i);
    return -1;
}

void CdxIndex::setKeyType(int tag, KeyType type) {
    impl_->tag(tag);
    impl_->tags[tag].keyType = type;
}

int CdxIndex::createTag(const CdxTagInfo& given, const uint8_t* keys, const uint32_t* recnos,
                        size_t n, const ProgressFn& progress) {
    Impl& d = *impl_;
    CdxTagInfo info = given;
    info.name = upperAscii(info.name);
    if (info.name.empty() || info.name.size() > d.dirKeyLength ||
        std::any_of(info.name.begin(), info.name.end(),
                    [](char c) { return c <= ' ' || static_cast<unsigned char>(c) > 126; }))
        throw Error("Invalid tag name \"" + info.name + "\": 1 to " +
                    std::to_string(d.dirKeyLength) + " letters, digits or underscores");
    if (info.keyLength == 0 || info.keyLength > kMaxKeyLength)
        throw Error("Tag " + info.name + ": key length " + std::to_string(info.keyLength) +
                    " is not between 1 and " + std::to_string(kMaxKeyLength));
    d.file->mutableData();  // throws for a read-only index
    const uint16_t kl = info.keyLength;

    ScratchArray<uint32_t> order = sortKeyOrder(keys, recnos, n, kl);
    if (info.unique && n > 1) {
        size_t kept = 1;
        for (size_t i = 1; i < n; ++i)
            if (std::memcmp(keys + size_t(order[i]) * kl, keys + size_t(order[kept - 1]) * kl,
                            kl) != 0)
                order[kept++] = order[i];
        order.shrink(kept);
    }

    TagHeader header;
    header.keyLength = kl;
    header.options = kOptCompound | kOptCompact | (info.unique ? kOptUnique : 0) |
                     (info.forExpr.empty() ? 0 : kOptFor);
    header.descending = info.descending;
    header.keyExpr = info.keyExpr;
    header.forExpr = info.forExpr;
    uint8_t headerBytes[kHeaderSize];
    writeTagHeader(headerBytes, header);  // checks the expressions fit before anything is written

    int existing = findTag(info.name);
    uint64_t end = d.alignedEnd();
    uint64_t treeBase = existing >= 0 ? end : end + kHeaderSize;
    ScratchArray<uint8_t> pages;
    BuildSource src{keys, recnos, order.data(), order.size(), kl, keyFillByte(info.keyType)};
    header.root = buildTree(src, treeBase, pages, progress);
    writeTagHeader(headerBytes, header);

    ++d.generation;
    // The tree goes first, so an interrupted replace leaves the old tag intact.
    d.file->write(treeBase, pages.data(), pages.size());
    if (existing >= 0) {
        info.headerOffset = d.tags[existing].headerOffset;
        d.file->write(info.headerOffset, headerBytes, kHeaderSize);
        d.tags[existing] = info;
        return existing;
    }
    info.headerOffset = static_cast<uint32_t>(end);
    d.file->write(end, headerBytes, kHeaderSize);
    d.tags.push_back(info);
    d.writeDirectory();
    return static_cast<int>(d.tags.size() - 1);
}

void CdxIndex::insertKey(int tag, const uint8_t* key, uint32_t recno) {
    Impl& d = *impl_;
    TreeRef r = d.ref(tag);
    ++d.generation;
    TagEditor(*d.file, r.header, r.keyLength, r.fill).insert(key, recno, d.tags[tag].unique);
}

bool CdxIndex::removeKey(int tag, const uint8_t* key, uint32_t recno) {
    Impl& d = *impl_;
    TreeRef r = d.ref(tag);
    ++d.generation;
    return TagEditor(*d.file, r.header, r.keyLength, r.fill).remove(key, recno);
}

std::unique_ptr<CdxTagCursor> CdxIndex::cursor(int tag) const {
    return std::make_unique<TreeCursor>(impl_->ref(tag));
}

uint64_t CdxIndex::keyCount(int tag) const {
    TreeRef r = impl_->ref(tag);
    const MappedFile& f = *r.file;
    uint32_t off = treeRoot(r);
    for (int depth = 0;; ++depth) {
        if (depth > kMaxDepth)
            throw Error("Index " + f.path() + " is damaged: tree too deep", ErrorKind::Damaged);
        const uint8_t* page = pageAt(f, off);
        NodeHeader h = readNodeHeader(page);
        if (h.isLeaf()) break;
        checkInterior(h, r.keyLength, off);
        off = entryChild(interiorEntries(page), r.keyLength);
    }
    uint64_t count = 0, hops = 0, limit = pageLimit(f);
    while (off != kNoPage) {
        if (++hops > limit)
            throw Error("Index " + f.path() + " is damaged: its page links form a loop",
                        ErrorKind::Damaged);
        const uint8_t* page = pageAt(f, off);
        NodeHeader h = readNodeHeader(page);
        if (!h.isLeaf())
            throw Error("Index " + f.path() + " is damaged: page " + std::to_string(off) +
                            " should be a leaf",
                        ErrorKind::Damaged);
        if (h.count * size_t(readLeafLayout(page).bytes) > kLeafArea)
            throw Error("Index leaf has an impossible key count", ErrorKind::Damaged);
        count += h.count;
        off = h.right;
    }
    return count;
}

std::string CdxIndex::verify() const {
    const MappedFile& f = *impl_->file;
    if (f.size() % kPageSize != 0)
        return "the file is " + std::to_string(f.size()) +
               " bytes long, not a whole number of pages";
    std::vector<bool> seen(f.size() / kPageSize, false);
    seen[0] = seen[1] = true;
    for (const CdxTagInfo& t : impl_->tags) {
        size_t page = t.headerOffset / kPageSize;
        if (seen[page] || seen[page + 1]) return "tag " + t.name + ": its header overlaps another";
        seen[page] = seen[page + 1] = true;
    }
    std::string fault = verifyTree(impl_->dirRef(), true, &seen);
    if (!fault.empty()) return "tag directory: " + fault;
    for (size_t t = 0; t < impl_->tags.size(); ++t) {
        fault = verifyTree(impl_->ref(static_cast<int>(t)), impl_->tags[t].unique, &seen);
        if (!fault.empty()) return "tag " + impl_->tags[t].name + ": " + fault;
    }
    return {};
}

std::string CdxIndex::verifyTag(int tag) const {
    TreeRef r = impl_->ref(tag);
    return verifyTree(r, impl_->tags[tag].unique);
}

std::optional<CdxStamp> CdxIndex::stamp() const {
    return readStamp(impl_->file->data());
}

void CdxIndex::setStamp(const CdxStamp& stamp) {
    writeStamp(impl_->file->mutableData(), stamp);
}

void CdxIndex::flush() {
    impl_->file->sync();
}

}  // namespace pc::xbase
