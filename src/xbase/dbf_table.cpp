#include "xbase/dbf_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "xbase/ascii_text.h"
#include "xbase/codepage.h"
#include "xbase/dbf_format.h"
#include "xbase/error.h"
#include "xbase/field_codec.h"
#include "xbase/file_names.h"

namespace pc::xbase {
namespace fs = std::filesystem;
namespace {

constexpr const char* kTempSuffix = ".pctmp";
// Present while a pack swaps in its finished files (see finishInterruptedPack).
constexpr const char* kPackMarkSuffix = ".pcpack";

// Path of the memo file beside a table; the extension's case follows the
// table's ("X.DBF" -> "X.FPT", "x.dbf" -> "x.fpt").
std::string memoPathFor(const std::string& table, MemoKind kind) {
    fs::path p(table);
    std::string ext = p.extension().string();
    bool upper = false;
    for (char c : ext) {
        if (c >= 'a' && c <= 'z') {
            upper = false;
            break;
        }
        if (c >= 'A' && c <= 'Z') upper = true;
    }
    std::string memoExt = kind == MemoKind::Fpt ? ".fpt" : ".dbt";
    if (upper)
        for (char& c : memoExt) c = upperAscii(c);
    p.replace_extension(memoExt);
    return p.string();
}

std::optional<std::string> findMemo(const std::string& table, MemoKind kind) {
    fs::path exact(memoPathFor(table, kind));
    // Files copied from other systems often change the extension's case.
    std::string found = findFileNoCase(exact.parent_path().string(), exact.filename().string());
    if (found.empty()) return std::nullopt;
    return found;
}

// A pack writes the new table and memo file beside the old ones, marks that
// both are complete, then renames them over the old ones. A crash between the
// two renames would pair the old table with the new memo file; the mark left
// behind lets the next open finish the renames instead.
void finishInterruptedPack(const std::string& path, OpenMode mode) {
    const std::string mark = path + kPackMarkSuffix;
    std::error_code ec;
    if (!fs::exists(mark, ec)) return;
    if (mode == OpenMode::ReadOnly)
        throw Error("A pack of table " + path +
                    " was interrupted; open it for writing once to finish it");
    // Holding the old table exclusively proves no pack is still running.
    auto guard = MappedFile::open(path, OpenMode::ReadWrite, LockMode::Exclusive);
    const std::string tmpTable = path + kTempSuffix;
    fs::path memoExact(memoPathFor(path, MemoKind::Fpt));
    std::string memo =
        findFileNoCase(memoExact.parent_path().string(), memoExact.filename().string());
    if (memo.empty()) memo = memoExact.string();
    const std::string tmpMemo = memo + kTempSuffix;
    if (fs::exists(tmpMemo, ec) && std::rename(tmpMemo.c_str(), memo.c_str()) != 0)
        throw Error("Cannot finish the interrupted pack of " + path + ": " + std::strerror(errno));
    if (fs::exists(tmpTable, ec) && std::rename(tmpTable.c_str(), path.c_str()) != 0)
        throw Error("Cannot finish the interrupted pack of " + path + ": " + std::strerror(errno));
    fs::remove(mark, ec);
}

// Temporary files a killed pack, zap or reindex left beside the table. Only
// called while the table is held exclusively, so none is still being written.
void removeStaleTemporaries(const std::string& path) {
    fs::path p(path);
    const std::string stem = p.stem().string();
    std::string stale[] = {p.filename().string() + kTempSuffix, stem + ".DBF" + kTempSuffix,
                           stem + ".FPT" + kTempSuffix, stem + ".CDX" + kTempSuffix};
    const fs::path dir = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    std::error_code ec;
    std::vector<fs::path> found;  // one listing of the folder, in any letter case
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        for (const std::string& s : stale)
            if (equalsNoCaseAscii(name, s)) found.push_back(entry.path());
    }
    for (const fs::path& f : found) fs::remove(f, ec);
}

void writePackMark(const std::string& path) {
    auto mark = MappedFile::create(path + kPackMarkSuffix, LockMode::None);
    mark->sync();
}

void checkFieldSpecs(const std::vector<FieldSpec>& specs, const std::string& path) {
    auto fail = [&](const std::string& why) {
        throw Error("Cannot create table " + path + ": " + why);
    };
    if (specs.empty()) fail("it needs at least one field");
    if (specs.size() > 255) fail("it has more than 255 fields");
    for (size_t i = 0; i < specs.size(); ++i) {
        const FieldSpec& s = specs[i];
        const std::string& n = s.name;
        bool ok = !n.empty() && n.size() <= 10 &&
                  ((n[0] >= 'A' && n[0] <= 'Z') || (n[0] >= 'a' && n[0] <= 'z'));
        for (char c : n)
            ok = ok && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '_');
        if (!ok)
            fail("field name '" + n +
                 "' must start with a letter and hold at most 10 letters, digits or underscores");
        for (size_t j = 0; j < i; ++j)
            if (equalsNoCaseAscii(specs[j].name, n)) fail("field name '" + n + "' is used twice");
        std::string where = "field " + n + ": ";
        switch (s.type) {
            case 'C':
                if (s.width < 1 || s.width > 254) fail(where + "width must be 1 to 254");
                break;
            case 'N':
            case 'F':
                if (s.width < 1 || s.width > 20) fail(where + "width must be 1 to 20");
                if (s.decimals >= s.width) fail(where + "too many decimals for its width");
                break;
            case 'L':
            case 'D':
            case 'M':
                break;
            default:
                fail(where + "unknown type '" + std::string(1, s.type) + "'");
        }
    }
}

}  // namespace

struct DbfTable::Impl {
    std::string path;
    LockMode lock = LockMode::None;
    bool readOnly = true;
    std::unique_ptr<MappedFile> file;
    std::unique_ptr<MemoFile> memo;
    // After pack or zap the files in use are the renamed temporary files;
    // the handles that created them keep holding the OS locks.
    std::unique_ptr<MappedFile> fileLock;
    std::unique_ptr<MemoFile> memoLock;

    uint8_t type = 0;
    uint8_t codePageMark = 0;
    uint16_t headerLength = 0;
    uint16_t recordLength = 0;
    uint32_t count = 0;
    std::vector<FieldDef> fields;
    std::vector<std::string> upperNames;  // field names for case-blind lookup
    bool dirty = false;                   // records changed since open or the last flush
    // Records past this one were appended in this session into pages the
    // mapping already holds writable, so stores into the mapping cost
    // nothing; older records are written through the page cache.
    uint32_t appendedAfter = 0;
    uint32_t countOnDisk = 0;  // the header's count; less than count while an append is provisional

    uint8_t* header() { return file->mutableData(); }

    // Date of the last change; the count too, which a table opened with a
    // cut-off last record has to correct.
    void stampHeader() {
        dbf::stampDate(header());
        commitCount();
    }

    // Records are complete before the header counts them.
    void commitCount() {
        if (countOnDisk == count) return;
        dbf::putLe32(header() + dbf::kCountOffset, count);
        countOnDisk = count;
    }

    void requireWritable(const char* what) const {
        if (readOnly)
            throw Error("Cannot " + std::string(what) + ": table " + path + " is open read-only");
    }

    void checkRecno(uint32_t recno) const {
        if (recno < 1 || recno > count)
            throw Error("Record " + std::to_string(recno) + " is out of range (table " + path +
                        " has " + std::to_string(count) + ")");
    }

    uint64_t recordOffset(uint32_t recno) const {
        return headerLength + uint64_t(recno - 1) * recordLength;
    }

    const FieldDef& memoField(int field) const {
        if (field < 0 || size_t(field) >= fields.size())
            throw Error("Field number " + std::to_string(field) + " is out of range in " + path);
        const FieldDef& f = fields[size_t(field)];
        if (!dbf::isMemoField(f, type))
            throw Error("Field " + f.name + " of " + path + " is not a memo field");
        return f;
    }

    // Swaps in a freshly written file that was renamed over the memo file.
    void installMemo(std::unique_ptr<MemoFile> fresh) {
        std::string memoPath = memo->path();
        fresh->flush();
        if (std::rename(fresh->path().c_str(), memoPath.c_str()) != 0)
            throw Error("Cannot replace memo file " + memoPath + ": " + std::strerror(errno));
        memo = MemoFile::open(memoPath, MemoKind::Fpt, OpenMode::ReadWrite, LockMode::None);
        memoLock = std::move(fresh);
    }
};

std::unique_ptr<DbfTable> DbfTable::open(const std::string& path, OpenMode mode, LockMode lock) {
    finishInterruptedPack(path, mode);
    auto file = MappedFile::open(path, mode, lock);
    dbf::Layout l = dbf::parseHeader(file->data(), file->size(), path);

    uint64_t room = file->size() - l.headerLength;
    uint64_t whole = room / l.recordLength;
    if (whole < l.count) {
        if (mode == OpenMode::ReadOnly)
            throw Error("Table " + path + " is damaged: the header counts " +
                            std::to_string(l.count) + " records but the file holds only " +
                            std::to_string(whole),
                        ErrorKind::Damaged);
        // A write cut short: keep the whole records.
        l.count = uint32_t(whole);
        dbf::putLe32(file->mutableData() + dbf::kCountOffset, l.count);
    }
    if (mode == OpenMode::ReadWrite) {
        if (lock == LockMode::Exclusive) removeStaleTemporaries(path);
        // Records a killed append wrote but never counted, and the space
        // reserved for more, go; the end-of-file byte comes back.
        uint64_t end = l.headerLength + uint64_t(l.count) * l.recordLength;
        if (file->size() != end + 1 || file->data()[end] != dbf::kEndOfFile) {
            file->resize(end + 1);
            file->mutableData()[end] = dbf::kEndOfFile;
            file->trim();
        }
    }

    std::unique_ptr<DbfTable> t(new DbfTable);
    t->impl_ = std::make_unique<Impl>();
    Impl& d = *t->impl_;
    d.path = path;
    d.lock = lock;
    d.readOnly = mode == OpenMode::ReadOnly;
    d.type = l.type;
    d.codePageMark = l.codePageMark;
    d.headerLength = l.headerLength;
    d.recordLength = l.recordLength;
    d.count = l.count;
    d.countOnDisk = l.count;
    d.appendedAfter = l.count;
    d.fields = std::move(l.fields);
    d.file = std::move(file);

    bool needsMemo = false;
    for (const FieldDef& f : d.fields) needsMemo = needsMemo || dbf::isMemoField(f, d.type);
    if (needsMemo) {
        auto kinds = dbf::memoKindsFor(d.type);
        for (MemoKind kind : kinds) {
            auto found = findMemo(path, kind);
            if (!found) continue;
            // dBASE memo files are read only here, whatever the table's mode.
            OpenMode memoMode = kind == MemoKind::Fpt ? mode : OpenMode::ReadOnly;
            d.memo = MemoFile::open(*found, kind, memoMode, lock);
            if (memoMode == OpenMode::ReadWrite) d.memo->dropUnusedTail();
            break;
        }
        if (!d.memo)
            throw Error("Memo file " + memoPathFor(path, kinds.front()) + " not found (table " +
                        path + " has memo fields)");
    }
    return t;
}

std::unique_ptr<DbfTable> DbfTable::create(const std::string& path,
                                           const std::vector<FieldSpec>& specs, LockMode lock,
                                           uint16_t memoBlockSize) {
    checkFieldSpecs(specs, path);
    std::vector<FieldDef> fields;
    uint32_t offset = 1;
    bool hasMemo = false;
    for (const FieldSpec& s : specs) {
        FieldDef f;
        for (char c : s.name) f.name += upperAscii(c);
        f.type = s.type;
        switch (s.type) {
            case 'L':
                f.width = 1;
                break;
            case 'D':
                f.width = 8;
                break;
            case 'M':
                f.width = 10;
                hasMemo = true;
                break;
            default:
                f.width = s.width;
        }
        f.decimals = (s.type == 'N' || s.type == 'F') ? s.decimals : 0;
        f.offset = offset;
        offset += f.width;
        fields.push_back(std::move(f));
    }
    if (offset > 65535) throw Error("Cannot create table " + path + ": records are too long");

    uint8_t type = hasMemo ? dbf::kTypeFoxProMemo : dbf::kTypeFoxPro;
    std::string header = dbf::buildHeader(fields, type, dbf::kCodePage1252);

    std::unique_ptr<MemoFile> memo;
    if (hasMemo) memo = MemoFile::create(memoPathFor(path, MemoKind::Fpt), memoBlockSize, lock);
    std::unique_ptr<MappedFile> file;
    try {
        file = MappedFile::create(path, lock);
        file->resize(header.size() + 1);
        uint8_t* p = file->mutableData();
        std::memcpy(p, header.data(), header.size());
        p[header.size()] = dbf::kEndOfFile;
    } catch (...) {
        if (memo) {
            std::string memoPath = memo->path();
            memo.reset();
            std::remove(memoPath.c_str());
        }
        throw;
    }

    std::unique_ptr<DbfTable> t(new DbfTable);
    t->impl_ = std::make_unique<Impl>();
    Impl& d = *t->impl_;
    d.path = path;
    d.lock = lock;
    d.readOnly = false;
    d.type = type;
    d.codePageMark = dbf::kCodePage1252;
    d.headerLength = uint16_t(header.size());
    d.recordLength = uint16_t(offset);
    d.fields = std::move(fields);
    d.file = std::move(file);
    d.memo = std::move(memo);
    return t;
}

DbfTable::~DbfTable() {
    if (impl_ && impl_->dirty && !impl_->readOnly) impl_->stampHeader();
}

const std::string& DbfTable::path() const {
    return impl_->path;
}
bool DbfTable::readOnly() const {
    return impl_->readOnly;
}
uint8_t DbfTable::typeByte() const {
    return impl_->type;
}
uint8_t DbfTable::codePageMark() const {
    return impl_->codePageMark;
}
int DbfTable::codePage() const {
    return codePageFromMark(impl_->codePageMark);
}
uint16_t DbfTable::headerLength() const {
    return impl_->headerLength;
}
uint16_t DbfTable::recordLength() const {
    return impl_->recordLength;
}
uint32_t DbfTable::recordCount() const {
    return impl_->count;
}
const std::vector<FieldDef>& DbfTable::fields() const {
    return impl_->fields;
}

int DbfTable::fieldIndex(std::string_view name) const {
    auto& names = impl_->upperNames;
    if (names.size() != impl_->fields.size()) {
        names.clear();
        for (const auto& f : impl_->fields) {
            std::string u = f.name;
            for (char& c : u) c = upperAscii(c);
            names.push_back(std::move(u));
        }
    }
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& n = names[i];
        if (n.size() != name.size() || n[0] != upperAscii(name[0])) continue;
        if (equalsNoCaseAscii(n, name)) return int(i);
    }
    return -1;
}

bool DbfTable::structuralIndexFlag() const {
    return impl_->file->data()[dbf::kFlagsOffset] & dbf::kFlagStructuralIndex;
}

void DbfTable::setStructuralIndexFlag(bool on) {
    impl_->requireWritable("change the index flag");
    uint8_t& flags = impl_->header()[dbf::kFlagsOffset];
    flags = on ? (flags | dbf::kFlagStructuralIndex) : (flags & ~dbf::kFlagStructuralIndex);
}

const char* DbfTable::record(uint32_t recno) const {
    impl_->checkRecno(recno);
    return reinterpret_cast<const char*>(impl_->file->data() + impl_->recordOffset(recno));
}

bool DbfTable::isDeleted(uint32_t recno) const {
    return *record(recno) == '*';
}

std::string DbfTable::blankRecord() const {
    std::string r(impl_->recordLength, ' ');
    // Binary fields of Visual FoxPro tables are blank when zero.
    for (const FieldDef& f : impl_->fields) {
        bool zero;
        switch (f.type) {
            case 'I':
                zero = f.width == 4;
                break;
            case 'B':
            case 'Y':
            case 'T':
                zero = f.width == 8;
                break;
            case '0':
                zero = true;
                break;
            default:
                zero = f.width == 4 && dbf::isMemoField(f, impl_->type);
        }
        if (zero) std::memset(r.data() + f.offset, 0, f.width);
    }
    return r;
}

void DbfTable::writeRecord(uint32_t recno, const char* data) {
    Impl& d = *impl_;
    d.requireWritable("write a record");
    d.checkRecno(recno);
    if (recno > d.appendedAfter)
        std::memmove(d.file->mutableData() + d.recordOffset(recno), data, d.recordLength);
    else
        d.file->write(d.recordOffset(recno), data, d.recordLength);
    if (recno > d.countOnDisk) d.commitCount();
    d.dirty = true;
}

void DbfTable::setDeleted(uint32_t recno, bool deleted) {
    Impl& d = *impl_;
    d.requireWritable("delete or recall a record");
    d.checkRecno(recno);
    const char mark = deleted ? '*' : ' ';
    d.file->write(d.recordOffset(recno), &mark, 1);
    d.dirty = true;
}

uint32_t DbfTable::appendRecord(const char* data, bool provisional) {
    Impl& d = *impl_;
    d.requireWritable("append a record");
    d.commitCount();
    if (d.count == 0xFFFFFFFFu) throw Error("Table " + d.path + " is full");
    // Growing may move the mapping; a source inside it must be copied first.
    std::string copy;
    const uint8_t* base = d.file->data();
    if (reinterpret_cast<const uint8_t*>(data) >= base &&
        reinterpret_cast<const uint8_t*>(data) < base + d.file->size()) {
        copy.assign(data, d.recordLength);
        data = copy.data();
    }
    uint64_t at = d.recordOffset(d.count + 1);
    d.file->resize(at + d.recordLength + 1);
    uint8_t* p = d.file->mutableData();
    std::memcpy(p + at, data, d.recordLength);
    p[at + d.recordLength] = dbf::kEndOfFile;
    ++d.count;
    // The count goes last: a crash before it leaves the old table intact.
    if (!provisional) d.commitCount();
    d.dirty = true;
    return d.count;
}

void DbfTable::commitAppends() {
    if (!impl_->readOnly) impl_->commitCount();
}

void DbfTable::dropProvisionalAppends() {
    Impl& d = *impl_;
    if (d.readOnly || d.count == d.countOnDisk) return;
    d.count = d.countOnDisk;
    d.appendedAfter = std::min(d.appendedAfter, d.count);
    uint64_t end = d.recordOffset(d.count + 1);
    d.file->resize(end + 1);
    d.file->mutableData()[end] = dbf::kEndOfFile;
}

void DbfTable::prefaultForScan() const {
    impl_->file->prefaultForScan();
}

std::string DbfTable::memoText(const char* record, int field) const {
    const FieldDef& f = impl_->memoField(field);
    uint32_t block = fieldMemoBlock(record, f);
    if (block == 0 || !impl_->memo) return {};
    return impl_->memo->read(block);
}

void DbfTable::setMemoText(char* record, int field, std::string_view text) {
    Impl& d = *impl_;
    d.requireWritable("change a memo");
    const FieldDef& f = d.memoField(field);
    if (!d.memo) throw Error("Table " + d.path + " has no memo file");
    uint32_t block = d.memo->write(fieldMemoBlock(record, f), text);
    setFieldMemoBlock(record, f, block);
}

MemoFile* DbfTable::memo() const {
    return impl_->memo.get();
}

void DbfTable::pack(const ProgressFn& progress) {
    rewrite(true, progress);
}

void DbfTable::rewrite(bool keepLive, const ProgressFn& progress) {
    Impl& d = *impl_;
    d.requireWritable(keepLive ? "pack" : "zap");
    commitAppends();
    std::string tmpPath = d.path + kTempSuffix;
    bool newMemo = d.memo && d.memo->kind() == MemoKind::Fpt;
    std::string tmpMemoPath = newMemo ? d.memo->path() + kTempSuffix : std::string();
    std::unique_ptr<MappedFile> tmp;
    std::unique_ptr<MemoFile> tmpMemo;
    bool madeTmp = false, madeMemo = false;
    auto cleanUp = [&] {
        tmp.reset();
        tmpMemo.reset();
        if (madeTmp) std::remove(tmpPath.c_str());
        if (madeMemo) std::remove(tmpMemoPath.c_str());
    };
    uint32_t live = 0;
    try {
        // Marked made first: a create that fails part-way leaves a file too.
        madeTmp = true;
        tmp = MappedFile::create(tmpPath, d.lock);
        if (newMemo) {
            madeMemo = true;
            tmpMemo = MemoFile::create(tmpMemoPath, d.memo->blockSize(), d.lock);
        }
        tmp->resize(d.headerLength + (keepLive ? uint64_t(d.count) * d.recordLength : 0) + 1);
        std::memcpy(tmp->mutableData(), d.file->data(), d.headerLength);
        std::vector<const FieldDef*> memoFields;
        for (const FieldDef& f : d.fields)
            if (dbf::isMemoField(f, d.type)) memoFields.push_back(&f);
        std::string buf(d.recordLength, ' ');
        int lastPercent = -1;
        for (uint32_t r = keepLive ? 1 : d.count + 1; r <= d.count; ++r) {
            const char* src = record(r);
            if (*src != '*') {
                std::memcpy(buf.data(), src, d.recordLength);
                if (tmpMemo) {
                    for (const FieldDef* f : memoFields) {
                        uint32_t block = fieldMemoBlock(buf.data(), *f);
                        if (block == 0) continue;
                        setFieldMemoBlock(buf.data(), *f, tmpMemo->write(0, d.memo->read(block)));
                    }
                }
                std::memcpy(tmp->mutableData() + d.headerLength + uint64_t(live) * d.recordLength,
                            buf.data(), d.recordLength);
                ++live;
            }
            int percent = int(uint64_t(r) * 100 / d.count);
            if (progress && percent != lastPercent) progress(lastPercent = percent);
        }
        uint64_t end = d.headerLength + uint64_t(live) * d.recordLength;
        tmp->resize(end + 1);
        uint8_t* p = tmp->mutableData();
        p[end] = dbf::kEndOfFile;
        dbf::putLe32(p + dbf::kCountOffset, live);
        dbf::stampDate(p);
        tmp->trim();
        tmp->sync();
        if (tmpMemo) tmpMemo->flush();
        if (tmpMemo) writePackMark(d.path);
    } catch (...) {
        cleanUp();
        throw;
    }
    // From here on both new files are complete: a failure leaves the mark,
    // and the next open finishes the swap.
    if (tmpMemo) d.installMemo(std::move(tmpMemo));
    if (std::rename(tmpPath.c_str(), d.path.c_str()) != 0)
        throw Error("Cannot replace table " + d.path + ": " + std::strerror(errno));
    std::remove((d.path + kPackMarkSuffix).c_str());
    d.file = MappedFile::open(d.path, OpenMode::ReadWrite, LockMode::None);
    d.fileLock = std::move(tmp);
    d.count = live;
    d.countOnDisk = live;
    d.appendedAfter = live;
    d.dirty = false;
    if (progress && d.count == 0) progress(100);
}

void DbfTable::zap() {
    rewrite(false, {});
}

void DbfTable::flush() {
    Impl& d = *impl_;
    if (d.readOnly) return;
    if (d.dirty) d.stampHeader();
    d.dirty = false;
    d.file->sync();
    if (d.memo && d.memo->kind() == MemoKind::Fpt) d.memo->flush();
}

}  // namespace pc::xbase
