#include "xbase/work_area.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "xbase/ascii_text.h"
#include "xbase/codepage.h"
#include "xbase/engine.h"
#include "xbase/error.h"
#include "xbase/field_codec.h"
#include "xbase/file_names.h"
#include "xbase/number_text.h"
#include "xbase/xbase_date.h"

namespace pc::xbase {
namespace {

constexpr uint16_t kMaxKeyLength = 240;

bool validTagName(const std::string& name) {
    if (name.empty() || name.size() > 10) return false;
    if (!std::isalpha(static_cast<unsigned char>(name[0])) && name[0] != '_') return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

// Progress from `from` to `to` percent of a larger operation.
ProgressFn scaled(const ProgressFn& progress, int from, int to) {
    if (!progress) return {};
    return
        [progress, from, to](int p) { progress(from + (to - from) * std::clamp(p, 0, 100) / 100); };
}

}  // namespace

WorkArea::WorkArea(const std::string& path, std::string alias, int driver, int mode,
                   const EngineSettings* settings)
    : settings_(settings), alias_(std::move(alias)), driver_(driver) {
    OpenMode om = mode == kReadOnly ? OpenMode::ReadOnly : OpenMode::ReadWrite;
    LockMode lm = mode == kExclusive ? LockMode::Exclusive : LockMode::Shared;
    table_ = DbfTable::open(path, om, lm);
    exprSettings_.codePage = codePage();
    settingsChanged();
    buffer_ = table_->blankRecord();
    if (driver_ == kDriverCdx) openStructuralIndex();
    goTop();
}

WorkArea::~WorkArea() {
    // The mapped files are in the kernel's page cache already; forcing them
    // to the disk is left to an explicit commit, which the program does after
    // every save.
    try {
        flush();
        stampIndexClean();
        flushIdx();
    } catch (...) {
        // Closing must not throw; what could be written has been written.
    }
}

int WorkArea::codePage() const {
    int cp = table_->codePage();
    return cp ? cp : 1252;
}

void WorkArea::settingsChanged() {
    if (exprSettings_.exact == settings_->exact && exprSettings_.century == settings_->century &&
        exprSettings_.dateFormat == settings_->dateFormat)
        return;
    exprSettings_.exact = settings_->exact;
    exprSettings_.century = settings_->century;
    exprSettings_.dateFormat = settings_->dateFormat;
    cache_.invalidate();
}

std::unique_ptr<Expression> WorkArea::compile(const std::string& text, std::string* error) const {
    return Expression::compile(text, table_->fields(), &exprSettings_, error);
}

// A damaged memo stops the expression: reading it as empty would make a
// query count or a key quietly wrong.
std::string WorkArea::memoText(const char* record, uint32_t recno, int field) const {
    try {
        return table_->memoText(record, field);
    } catch (const Error& e) {
        throw Error("Record " + std::to_string(recno) + ", field " +
                    table_->fields().at(field).name + ": " + e.what());
    }
}

// ---------------------------------------------------------------- index files

std::string WorkArea::structuralIndexPath(bool mustExist) const {
    namespace fs = std::filesystem;
    fs::path p(table_->path());
    std::string ext = p.extension().string();
    bool lower = !ext.empty() && std::islower(static_cast<unsigned char>(ext.back()));
    std::string want = p.stem().string() + (lower ? ".cdx" : ".CDX");
    std::string found = findFileNoCase(p.parent_path().string(), want);
    if (!found.empty()) return found;
    return mustExist ? std::string() : (p.parent_path() / want).string();
}

std::string WorkArea::indexPath() const {
    return index_ ? index_->path() : std::string();
}

void WorkArea::openStructuralIndex() {
    std::string path = structuralIndexPath(true);
    if (path.empty()) return;
    OpenMode om = readOnly() ? OpenMode::ReadOnly : OpenMode::ReadWrite;
    try {
        index_ = CdxIndex::open(path, om, LockMode::None);
        loadTags();
        checkIndexMatchesTable();
    } catch (const Error& e) {
        // An index the user may not write cannot be kept up to date: say so
        // now rather than calling it stale after the table has changed.
        if (e.kind() == ErrorKind::ReadOnly || e.kind() == ErrorKind::PermissionDenied ||
            e.kind() == ErrorKind::Locked)
            throw;
        // Keep the tag definitions when they could be read, so a rebuild
        // can bring the index back as it was.
        staleTags_ = index_ ? index_->tags() : CdxIndex::readTagDefinitions(path);
        index_.reset();
        tags_.clear();
        indexStale_ = true;
        staleReason_ = e.what();
    }
}

void WorkArea::loadTags() {
    tags_.clear();
    const auto& infos = index_->tags();
    for (size_t i = 0; i < infos.size(); ++i) {
        std::string err;
        Tag t;
        t.key = compile(infos[i].keyExpr, &err);
        if (!t.key)
            throw Error("Index tag " + infos[i].name +
                        " has a key this engine cannot evaluate: " + err);
        if (!infos[i].forExpr.empty()) {
            t.forCond = compile(infos[i].forExpr, &err);
            if (!t.forCond || t.forCond->type() != ValueType::Logical)
                throw Error("Index tag " + infos[i].name +
                            " has a FOR condition this engine cannot evaluate: " + err);
        }
        bool charKey = t.key->keyType() == KeyType::Character;
        if (!charKey && t.key->keyLength() != infos[i].keyLength)
            throw Error("Index tag " + infos[i].name + " has a key length that does not suit " +
                        infos[i].keyExpr);
        index_->setKeyType(static_cast<int>(i), t.key->keyType());
        tags_.push_back(std::move(t));
    }
    ++indexVersion_;
}

void WorkArea::checkIndexMatchesTable() {
    uint32_t n = table_->recordCount();
    if (auto st = index_->stamp()) {
        if (!st->clean)
            throw Error("The index " + index_->path() +
                        " was not closed properly and may not match the table");
        if (st->recordCount != n)
            throw Error("The index " + index_->path() + " does not match the table");
        return;
    }
    // An index from another program: a tag that holds every record must hold
    // exactly as many keys as the table has records.
    const auto& infos = index_->tags();
    for (size_t i = 0; i < infos.size(); ++i) {
        if (infos[i].unique || !infos[i].forExpr.empty()) continue;
        if (index_->keyCount(static_cast<int>(i)) != n)
            throw Error("The index " + index_->path() + " does not match the table");
        return;
    }
}

void WorkArea::markIndexDirty() {
    if (!index_ || readOnly() || indexDirty_) return;
    index_->setStamp({table_->recordCount(), false});
    indexDirty_ = true;
}

void WorkArea::stampIndexClean() {
    if (!index_ || readOnly() || !indexDirty_) return;
    index_->setStamp({table_->recordCount(), true});
    indexDirty_ = false;
}

void WorkArea::makeKey(size_t t, const char* rec, uint32_t recno, uint8_t* out) const {
    makeKey(*tags_[t].key, index_->tags()[t].keyLength, rec, recno, out);
}

void WorkArea::makeKey(const Expression& e, uint16_t want, const char* rec, uint32_t recno,
                       uint8_t* out) const {
    if (e.keyLength() == want) {
        e.evalKey(ref(rec, recno), out);
        return;
    }
    // A character key whose stored length differs from ours (another
    // program sized it): cut or pad to the stored length.
    keyScratch_.resize(e.keyLength());
    e.evalKey(ref(rec, recno), keyScratch_.data());
    size_t n = std::min<size_t>(want, keyScratch_.size());
    std::memcpy(out, keyScratch_.data(), n);
    std::memset(out + n, ' ', want - n);
}

void WorkArea::updateIndexFor(const char* oldRec, const char* newRec, uint32_t recno, bool isNew) {
    if (!isNew && !idx_.empty()) updateIdxFor(oldRec, newRec, recno);
    if (!index_) return;
    markIndexDirty();
    uint8_t oldKey[kMaxKeyLength + 8], newKey[kMaxKeyLength + 8];
    for (size_t t = 0; t < tags_.size(); ++t) {
        const Tag& tag = tags_[t];
        if (!isNew && !tag.affectedBy(oldRec, newRec, table_->fields())) continue;
        uint16_t len = index_->tags()[t].keyLength;
        bool oldIn = !isNew && (!tag.forCond || tag.forCond->evalLogical(ref(oldRec, recno)));
        bool newIn = !tag.forCond || tag.forCond->evalLogical(ref(newRec, recno));
        if (newIn) makeKey(t, newRec, recno, newKey);
        if (oldIn) {
            makeKey(t, oldRec, recno, oldKey);
            if (newIn && std::memcmp(oldKey, newKey, len) == 0) continue;
            index_->removeKey(static_cast<int>(t), oldKey, recno);
        }
        if (newIn) index_->insertKey(static_cast<int>(t), newKey, recno);
        ++indexVersion_;
    }
}

bool WorkArea::Tag::affectedBy(const char* oldRec, const char* newRec,
                               const std::vector<FieldDef>& fields) const {
    for (const Expression* e : {key.get(), forCond.get()}) {
        if (!e) continue;
        const ExprReads& r = e->reads();
        if (r.varies || (r.deletionMark && oldRec[0] != newRec[0])) return true;
        for (int f : r.fields) {
            const FieldDef& d = fields[f];
            if (std::memcmp(oldRec + d.offset, newRec + d.offset, d.width) != 0) return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- records

void WorkArea::load(uint32_t recno) {
    if (recno < 1 || recno > table_->recordCount()) {
        setEof();
        return;
    }
    // The record is read in place through the mapping; it is copied only
    // when an edit begins (editBuffer).
    recno_ = recno;
    eof_ = false;
}

char* WorkArea::editBuffer() {
    if (!dirty_) buffer_.assign(table_->record(recno_), table_->recordLength());
    dirty_ = true;
    return buffer_.data();
}

void WorkArea::setEof() {
    recno_ = table_->recordCount() + 1;
    if (blank_.empty()) blank_ = table_->blankRecord();
    buffer_ = blank_;
    eof_ = true;
}

std::string WorkArea::memo(int field) const {
    if (eof_) return {};
    return memoText(current(), recno_, field);
}

bool WorkArea::replaceText(int field, const std::string& raw) {
    if (eof_) throw Error("There is no current record to change");
    if (readOnly()) throw Error("The table is open read-only");
    const FieldDef& f = table_->fields().at(field);
    if (f.type == 'M') {
        table_->setMemoText(editBuffer(), field, raw);
    } else if (!setFieldText(editBuffer(), f, raw)) {
        return false;
    }
    dirty_ = true;
    return true;
}

bool WorkArea::replaceLogical(int field, bool value) {
    if (eof_) throw Error("There is no current record to change");
    if (readOnly()) throw Error("The table is open read-only");
    const FieldDef& f = table_->fields().at(field);
    if (f.type != 'L') return false;
    setFieldLogical(editBuffer(), f, value);
    dirty_ = true;
    return true;
}

void WorkArea::appendBlank() {
    flush();
    if (readOnly()) throw Error("The table is open read-only");
    markIndexDirty();
    if (blank_.empty()) blank_ = table_->blankRecord();
    // Counted in the header only once flush() writes its values.
    uint32_t r = table_->appendRecord(blank_.data(), true);
    buffer_ = blank_;
    recno_ = r;
    bof_ = eof_ = false;
    dirty_ = isNew_ = true;
    if (cache_.valid()) cache_.grow(r);
}

void WorkArea::setDeleted(bool deleted) {
    if (eof_) return;
    if (readOnly()) throw Error("The table is open read-only");
    char mark = deleted ? '*' : ' ';
    if (current()[0] != mark) {
        editBuffer()[0] = mark;
        dirty_ = true;
    }
}

bool WorkArea::passes(const char* rec, uint32_t recno) const {
    if (settings_->deletedFilter && rec[0] == '*') return false;
    return !query_ || query_->evalLogical(ref(rec, recno));
}

void WorkArea::flush() {
    if (!dirty_ || eof_) return;
    if (isNew_) {
        // Keys first, while the record is still provisional: when the index
        // cannot take them (a full disk) the record is taken back whole.
        try {
            updateIndexFor(nullptr, buffer_.data(), recno_, true);
        } catch (const Error&) {
            removeKeysOf(buffer_.data(), recno_);
            discardAppend();
            throw;
        }
        table_->writeRecord(recno_, buffer_.data());
    } else {
        oldRecord_.assign(table_->record(recno_), table_->recordLength());
        table_->writeRecord(recno_, buffer_.data());
        updateIndexFor(oldRecord_.data(), buffer_.data(), recno_, false);
    }
    if (cache_.valid()) {
        cache_.grow(recno_);
        cache_.set(recno_, passes(buffer_.data(), recno_));
    }
    dirty_ = isNew_ = false;
}

void WorkArea::removeKeysOf(const char* rec, uint32_t recno) {
    if (!index_) return;
    try {
        uint8_t key[kMaxKeyLength + 8];
        for (size_t t = 0; t < tags_.size(); ++t) {
            if (tags_[t].forCond && !tags_[t].forCond->evalLogical(ref(rec, recno))) continue;
            makeKey(t, rec, recno, key);
            index_->removeKey(static_cast<int>(t), key, recno);
        }
        ++indexVersion_;
    } catch (const Error&) {
        // The index stays stamped as being written and is rebuilt on demand.
    }
}

void WorkArea::discardAppend() {
    if (!isNew_) return;
    table_->dropProvisionalAppends();
    dirty_ = isNew_ = false;
    cache_.invalidate();
    setEof();
}

void WorkArea::commit() {
    flush();
    stampIndexClean();
    if (!readOnly()) {
        table_->flush();
        if (index_) index_->flush();
    }
    flushIdx();
}

// ---------------------------------------------------------------- visibility

void WorkArea::ensureQueryCache() {
    uint32_t n = table_->recordCount();
    if (cache_.valid() && cache_.size() == n) return;
    cache_.reset(n);
    table_->prefaultForScan();
    const bool deletedFilter = settings_->deletedFilter;
    try {
        for (uint32_t r = 1; r <= n; ++r) {
            const char* rec = table_->record(r);
            if (deletedFilter && rec[0] == '*') continue;
            if (!query_ || query_->evalLogical(ref(rec, r))) cache_.set(r, true);
        }
    } catch (const Error&) {
        cache_.invalidate();  // a half-built result must not answer the next count
        throw;
    }
}

bool WorkArea::visible(uint32_t recno) {
    if (!query_) return !settings_->deletedFilter || !table_->isDeleted(recno);
    ensureQueryCache();
    return cache_.test(recno);
}

void WorkArea::visibilityChanged() {
    cache_.invalidate();
}

uint32_t WorkArea::queryCount() {
    flush();
    if (!query_ && !settings_->deletedFilter) return table_->recordCount();
    ensureQueryCache();
    return cache_.count();
}

void WorkArea::setQuery(const std::string& text) {
    flush();
    if (text.find_first_not_of(" \t") == std::string::npos) {
        query_.reset();
        queryText_.clear();
        cache_.invalidate();
        return;
    }
    std::string err;
    auto q = compile(text, &err);
    if (!q) throw Error(err);
    if (q->type() != ValueType::Logical) throw Error("The query is not a logical expression");
    query_ = std::move(q);
    queryText_ = text;
    cache_.invalidate();
}

// ---------------------------------------------------------------- moves

bool WorkArea::physicalNext(uint32_t from, int dir, uint32_t* out) {
    uint32_t n = table_->recordCount();
    if (query_) {
        ensureQueryCache();
        uint32_t r = dir > 0 ? cache_.nextAfter(from) : cache_.prevBefore(from);
        *out = r;
        return r != 0;
    }
    int64_t r = int64_t(from) + dir;
    if (dir < 0 && r > n) r = n;
    for (; r >= 1 && r <= n; r += dir) {
        if (!settings_->deletedFilter || !table_->isDeleted(static_cast<uint32_t>(r))) {
            *out = static_cast<uint32_t>(r);
            return true;
        }
    }
    return false;
}

bool WorkArea::descending() const {
    return order_ > 0 && tagInfo(order_).descending;
}

bool WorkArea::cursorStep(int dir) {
    bool forward = descending() ? dir < 0 : dir > 0;
    return forward ? cursor_->next() : cursor_->prev();
}

int WorkArea::positionCursorOnCurrent() {
    if (cursorVersion_ == indexVersion_ && cursor_->valid() && cursor_->recno() == recno_)
        return kOnCurrent;
    uint8_t key[kMaxKeyLength + 8];
    makeOrderKey(order_, current(), recno_, key);
    cursorVersion_ = indexVersion_;
    if (!cursor_->seekEntry(key, recno_)) return kPastEnd;
    return cursor_->recno() == recno_ &&
                   std::memcmp(cursor_->key(), key, tagInfo(order_).keyLength) == 0
               ? kOnCurrent
               : kAfterCurrent;
}

bool WorkArea::orderedNext(int dir) {
    int pos = positionCursorOnCurrent();
    bool storedForward = descending() ? dir < 0 : dir > 0;
    bool ok;
    if (pos == kOnCurrent)
        ok = cursorStep(dir);
    else if (pos == kAfterCurrent)
        ok = storedForward ? true : cursor_->prev();
    else
        ok = storedForward ? false : cursor_->last();
    ok = settle(ok, dir);
    cursorVersion_ = indexVersion_;
    return ok;
}

int WorkArea::scopeSide() const {
    if (!scoped_) return 0;
    const uint8_t* k = cursor_->key();
    if (!scopeTop_.empty() && std::memcmp(k, scopeTop_.data(), scopeTop_.size()) < 0) return -1;
    if (!scopeBottom_.empty() && std::memcmp(k, scopeBottom_.data(), scopeBottom_.size()) > 0)
        return 1;
    return 0;
}

bool WorkArea::settle(bool ok, int dir) {
    bool storedForward = descending() ? dir < 0 : dir > 0;
    while (ok) {
        int side = scopeSide();
        if (side == 0) {
            if (visible(cursor_->recno())) return true;
        } else if ((side > 0) == storedForward) {
            return false;  // moving away from the scope: nothing more inside it
        }
        ok = cursorStep(dir);
    }
    return false;
}

bool WorkArea::cursorToScopeEnd(int dir) {
    bool storedFirst = descending() ? dir < 0 : dir > 0;
    if (storedFirst) {
        if (!scoped_ || scopeTop_.empty()) return cursor_->first();
        return cursor_->seek(reinterpret_cast<const uint8_t*>(scopeTop_.data()), scopeTop_.size());
    }
    if (!scoped_ || scopeBottom_.empty()) return cursor_->last();
    // Just past every key that begins with the bottom bound, then one back.
    uint16_t len = tagInfo(order_).keyLength;
    uint8_t past[kMaxKeyLength + 8];
    size_t n = std::min<size_t>(scopeBottom_.size(), len);
    std::memcpy(past, scopeBottom_.data(), n);
    std::memset(past + n, 0xFF, len - n);
    return cursor_->seekEntry(past, 0xFFFFFFFFu) ? cursor_->prev() : cursor_->last();
}

void WorkArea::setScope(const std::string& top, const std::string& bottom) {
    flush();
    if (order_ == 0) throw Error("A scope needs an order; none is set");
    const CdxTagInfo& info = tagInfo(order_);
    scopeTop_ = top.empty() ? std::string() : seekKey(top, info);
    scopeBottom_ = bottom.empty() ? std::string() : seekKey(bottom, info);
    scoped_ = true;
}

void WorkArea::clearScope() {
    scoped_ = false;
    scopeTop_.clear();
    scopeBottom_.clear();
}

void WorkArea::goEnd(int dir) {
    flush();
    bof_ = eof_ = false;
    bool ok;
    uint32_t r = 0;
    try {
        if (order_ == 0) {
            ok = physicalNext(dir > 0 ? 0 : table_->recordCount() + 1, dir, &r);
        } else {
            ok = settle(cursorToScopeEnd(dir), dir);
            cursorVersion_ = indexVersion_;
            if (ok) r = cursor_->recno();
        }
    } catch (const Error&) {
        stopAtEnd();
        throw;
    }
    if (ok) {
        load(r);
    } else {
        setEof();
        bof_ = true;
    }
}

// A move that meets a damaged index or memo ends at end of file, so a
// caller's loop up to the end cannot repeat the record it stood on.
void WorkArea::stopAtEnd() {
    setEof();
    bof_ = true;
    cursorVersion_ = ~0ull;
}

void WorkArea::goTop() {
    goEnd(+1);
}
void WorkArea::goBottom() {
    goEnd(-1);
}

void WorkArea::skip(int64_t count) {
    flush();
    if (count == 0) {
        if (!eof_) load(recno_);
        return;
    }
    int dir = count > 0 ? 1 : -1;
    for (int64_t i = 0; i < (count > 0 ? count : -count); ++i) {
        if (dir > 0 && eof_) return;
        if (dir < 0 && eof_) {
            goBottom();
            if (eof_) return;
            continue;
        }
        uint32_t r = 0;
        bool ok;
        try {
            if (order_ == 0) {
                ok = physicalNext(recno_, dir, &r);
            } else {
                ok = orderedNext(dir);
                if (ok) r = cursor_->recno();
            }
        } catch (const Error&) {
            stopAtEnd();
            throw;
        }
        if (ok) {
            load(r);
            bof_ = false;
        } else if (dir > 0) {
            setEof();
            return;
        } else {
            bof_ = true;
            return;
        }
    }
}

void WorkArea::go(uint32_t recno) {
    flush();
    bof_ = eof_ = false;
    load(recno);
}

// ---------------------------------------------------------------- orders

int WorkArea::tagCount() const {
    return index_ ? static_cast<int>(index_->tags().size()) : 0;
}

const CdxTagInfo& WorkArea::tagInfo(int order) const {
    if (order < 1 || order > orderCount())
        throw Error("There is no order " + std::to_string(order));
    if (order > tagCount()) return idx_[static_cast<size_t>(order - tagCount() - 1)].file->info();
    return index_->tags()[order - 1];
}

int WorkArea::tagArea(const std::string& name) const {
    return index_ ? index_->findTag(name) + 1 : 0;
}

void WorkArea::setOrder(int order) {
    flush();
    if (order < 0 || order > orderCount())
        throw Error("There is no order " + std::to_string(order));
    order_ = order;
    clearScope();
    resetCursor();
}

void WorkArea::resetCursor() {
    if (order_ == 0)
        cursor_.reset();
    else if (order_ > tagCount())
        cursor_ = idx_[static_cast<size_t>(order_ - tagCount() - 1)].file->cursor();
    else
        cursor_ = index_->cursor(order_ - 1);
    cursorVersion_ = ~0ull;
}

WorkArea::CompiledTag WorkArea::compileTag(const CdxTagInfo& wanted) const {
    std::string err;
    auto key = compile(wanted.keyExpr, &err);
    if (!key) throw Error("Invalid key expression " + wanted.keyExpr + ": " + err);
    if (key->keyLength() == 0 || key->keyLength() > kMaxKeyLength)
        throw Error("The key of " + wanted.keyExpr + " is " + std::to_string(key->keyLength()) +
                    " bytes long; an index key must be 1 to 240 bytes");
    std::unique_ptr<Expression> cond;
    if (!wanted.forExpr.empty()) {
        cond = compile(wanted.forExpr, &err);
        if (!cond) throw Error("Invalid FOR condition " + wanted.forExpr + ": " + err);
        if (cond->type() != ValueType::Logical)
            throw Error("The FOR condition " + wanted.forExpr + " is not a logical expression");
    }
    return {std::move(key), std::move(cond)};
}

std::vector<uint32_t> WorkArea::bytesReadOfRecord(const Expression& key,
                                                  const Expression* cond) const {
    std::vector<int> fields = key.reads().fields;
    if (cond) fields.insert(fields.end(), cond->reads().fields.begin(), cond->reads().fields.end());
    std::vector<uint32_t> offsets;
    for (int i : fields) {
        const FieldDef& f = table_->fields().at(size_t(i));
        // One offset per cache line the field may span.
        for (uint32_t at = f.offset; at < f.offset + f.width; at += 64) offsets.push_back(at);
        if (f.width > 0) offsets.push_back(f.offset + f.width - 1);
    }
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    return offsets;
}

int WorkArea::buildTag(const CdxTagInfo& wanted, const ProgressFn& progress) {
    auto [key, cond] = compileTag(wanted);
    CdxTagInfo info = wanted;
    info.keyLength = key->keyLength();
    info.keyType = key->keyType();

    uint32_t n = table_->recordCount();
    table_->prefaultForScan();
    std::vector<uint8_t> keys;
    std::vector<uint32_t> recnos;
    keys.reserve(size_t(n) * info.keyLength);
    recnos.reserve(n);
    uint8_t* out;
    int lastPercent = -1;
    const std::vector<uint32_t> read = bytesReadOfRecord(*key, cond.get());
    constexpr uint32_t kAhead = 16;
    for (uint32_t r = 1; r <= n; ++r) {
        const char* rec = table_->record(r);
        // Records lie a record length apart, so without this each key
        // waits for memory.
        if (r + kAhead <= n) {
            const char* ahead = rec + size_t(kAhead) * table_->recordLength();
            for (uint32_t at : read) __builtin_prefetch(ahead + at);
        }
        if (cond && !cond->evalLogical(ref(rec, r))) continue;
        size_t at = keys.size();
        keys.resize(at + info.keyLength);
        out = keys.data() + at;
        key->evalKey(ref(rec, r), out);
        recnos.push_back(r);
        if (progress && (r & 0x3FF) == 0) {
            int p = static_cast<int>(uint64_t(r) * 50 / n);
            if (p != lastPercent) progress(lastPercent = p);
        }
    }
    int t = index_->createTag(info, keys.data(), recnos.data(), recnos.size(),
                              scaled(progress, 50, 100));
    if (progress) progress(100);
    return t;
}

int WorkArea::indexTag(const std::string& name, const std::string& keyExpr,
                       const std::string& forExpr, bool unique, bool descending,
                       const ProgressFn& progress) {
    flush();
    if (readOnly()) throw Error("The table is open read-only");
    if (driver_ != kDriverCdx)
        throw Error("Only compound (.CDX) indexes can be made for " + table_->path());
    CdxTagInfo info;
    info.name = upperAscii(name);
    info.keyExpr = keyExpr;
    info.forExpr = forExpr;
    info.unique = unique;
    info.descending = descending;
    if (!validTagName(info.name))
        throw Error("Invalid tag name \"" + name +
                    "\": up to 10 letters, digits or underscores, starting with a letter");
    compileTag(info);  // nothing is touched on disk for a bad definition
    const int idxSlot = isIdxOrder(order_) ? order_ - tagCount() : 0;
    if (!index_ && indexStale_ && !staleTags_.empty()) reindex(scaled(progress, 0, 50));
    if (!index_) {
        index_ = CdxIndex::create(structuralIndexPath(false), LockMode::None);
        indexDirty_ = false;
        indexStale_ = false;
        table_->setStructuralIndexFlag(true);
    }
    markIndexDirty();
    int t = buildTag(info, indexStale_ ? scaled(progress, 50, 100) : progress);
    loadTags();
    stampIndexClean();
    if (idxSlot) order_ = tagCount() + idxSlot;
    resetCursor();
    return t + 1;
}

void WorkArea::reindex(const ProgressFn& progress) {
    flush();
    if (!index_ && staleTags_.empty()) return;
    if (readOnly()) throw Error("The table is open read-only", ErrorKind::ReadOnly);
    requireWritableFolder("reindex");
    std::vector<CdxTagInfo> infos = index_ ? index_->tags() : staleTags_;
    std::string path = index_ ? index_->path() : structuralIndexPath(false);
    const int idxSlot = isIdxOrder(order_) ? order_ - tagCount() : 0;
    cursor_.reset();
    tags_.clear();
    // The new index is built beside the old one, which keeps the tag
    // definitions until the finished file is renamed over it: a kill
    // part-way leaves the old index (stale, still holding them) and a
    // temporary file the next open removes.
    const std::string tmpPath = path + ".pctmp";
    try {
        auto fresh = CdxIndex::create(tmpPath, LockMode::None);
        std::swap(index_, fresh);
        fresh.reset();
        indexDirty_ = false;
        int total = static_cast<int>(infos.size());
        for (int i = 0; i < total; ++i)
            buildTag(infos[i], scaled(progress, i * 100 / total, (i + 1) * 100 / total));
        index_->setStamp({table_->recordCount(), true});
        index_->flush();
        index_.reset();
        if (std::rename(tmpPath.c_str(), path.c_str()) != 0)
            throw Error::fromErrno(errno, "Cannot replace index", path);
    } catch (...) {
        index_.reset();
        std::filesystem::remove(tmpPath);
        indexStale_ = true;
        staleTags_ = infos;
        // The tags are gone for now; only a single-order index can stay current.
        order_ = idxSlot;
        resetCursor();
        throw;
    }
    index_ = CdxIndex::open(path, OpenMode::ReadWrite, LockMode::None);
    loadTags();
    indexStale_ = false;
    staleTags_.clear();
    staleReason_.clear();
    table_->setStructuralIndexFlag(true);
    if (idxSlot) order_ = static_cast<int>(infos.size()) + idxSlot;
    resetCursor();
}

void WorkArea::closeIndexes() {
    flush();
    stampIndexClean();
    flushIdx();
    cursor_.reset();
    index_.reset();
    tags_.clear();
    idx_.clear();
    order_ = 0;
}

void WorkArea::requireWritableFolder(const char* what) const {
    // Pack, zap and reindex make new files beside the old ones; find out
    // before anything changes that the folder will not take them.
    std::string dir = std::filesystem::path(table_->path()).parent_path().string();
    if (dir.empty()) dir = ".";
    if (::access(dir.c_str(), W_OK | X_OK) != 0) {
        int err = errno;
        ErrorKind kind = errorKindFromErrno(err);
        throw Error(std::string("Cannot ") + what + " " + table_->path() + ": the folder " + dir +
                        (kind == ErrorKind::ReadOnly ? " is read-only" : ": permission denied"),
                    kind == ErrorKind::ReadOnly ? kind : ErrorKind::PermissionDenied);
    }
}

void WorkArea::pack(const ProgressFn& progress) {
    flush();
    if (readOnly()) throw Error("The table is open read-only", ErrorKind::ReadOnly);
    requireWritableFolder("pack");
    bool indexed = index_ != nullptr;
    markIndexDirty();
    std::vector<uint32_t> renumbered;
    if (!idx_.empty()) renumbered = recordNumbersAfterPack();
    table_->pack(scaled(progress, 0, indexed ? 50 : 100));
    for (IdxOrder& o : idx_) o.file->renumber(renumbered);
    ++indexVersion_;
    cache_.invalidate();
    reindex(scaled(progress, 50, 100));
    goTop();
}

void WorkArea::zap(const ProgressFn& progress) {
    flush();
    if (readOnly()) throw Error("The table is open read-only", ErrorKind::ReadOnly);
    requireWritableFolder("zap");
    markIndexDirty();
    table_->zap();
    for (IdxOrder& o : idx_) o.file->clear();
    ++indexVersion_;
    cache_.invalidate();
    reindex(progress);
    goTop();
}

// ---------------------------------------------------------------- seek

std::string WorkArea::seekKey(const std::string& utf8Key, const CdxTagInfo& info) const {
    switch (info.keyType) {
        case KeyType::Character: {
            // ASCII reads the same in every code page a table may have.
            std::string raw = isAscii(utf8Key) ? utf8Key : fromUtf8(utf8Key, codePage());
            if (raw.size() > info.keyLength) raw.resize(info.keyLength);
            if (settings_->exact) raw.resize(info.keyLength, ' ');
            return raw;
        }
        case KeyType::Logical: {
            std::string k = upperAscii(utf8Key);
            return (k == "T" || k == ".T." || k == "Y" || k == "TRUE") ? "T" : "F";
        }
        case KeyType::Numeric: {
            auto v = parseNumberText(utf8Key.data(), utf8Key.size());
            if (!v) throw Error("\"" + utf8Key + "\" is not a number");
            std::string out(8, '\0');
            encodeNumericKey(*v, reinterpret_cast<uint8_t*>(out.data()));
            return out;
        }
        case KeyType::Date: {
            std::string digits;
            for (char c : utf8Key)
                if (c != ' ') digits += c;
            std::string out(8, '\0');
            encodeNumericKey(static_cast<double>(julianFromDtos(digits)),
                             reinterpret_cast<uint8_t*>(out.data()));
            return out;
        }
    }
    return {};
}

bool WorkArea::seek(const std::string& utf8Key) {
    flush();
    found_ = false;
    bof_ = false;
    if (order_ == 0) throw Error("Seek needs an order; none is set");
    const CdxTagInfo& info = tagInfo(order_);
    std::string key = seekKey(utf8Key, info);
    size_t len = key.size();
    uint8_t target[kMaxKeyLength + 8];
    std::memset(target, keyFillByte(info.keyType), info.keyLength);
    std::memcpy(target, key.data(), len);
    bool ok;
    if (!info.descending) {
        ok = cursor_->seek(target, len);
    } else {
        // Walking backwards, the first match is the last stored entry that
        // begins with the key: seek just past all of them and step back.
        uint8_t past[kMaxKeyLength + 8];
        std::memcpy(past, target, len);
        std::memset(past + len, 0xFF, info.keyLength - len);
        ok = cursor_->seekEntry(past, 0xFFFFFFFFu) ? cursor_->prev() : cursor_->last();
    }
    ok = settle(ok, +1);
    cursorVersion_ = indexVersion_;
    if (!ok) {
        setEof();
        return false;
    }
    found_ = std::memcmp(cursor_->key(), target, len) == 0;
    if (found_ || settings_->softSeek) {
        load(cursor_->recno());
    } else {
        setEof();
    }
    return found_;
}

}  // namespace pc::xbase
