#include "xbase/engine.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "xbase/ascii_text.h"
#include "xbase/codepage.h"
#include "xbase/error.h"
#include "xbase/field_codec.h"
#include "xbase/file_names.h"
#include "xbase/message_text.h"
#include "xbase/work_area.h"

using namespace pc::xbase;

namespace {

constexpr int kMaxAreas = 250;

struct PendingCreate {
    bool active = false;
    std::string path, alias;
    int driver = kDriverCdx;
    int expected = 0;
    std::vector<FieldSpec> fields;
};

struct Engine {
    std::array<std::unique_ptr<WorkArea>, kMaxAreas + 1> areas;
    int selected = 0;
    EngineSettings settings;
    int dateFormatCode = 0;
    std::string lastError;
    pc::xbase::ErrorKind lastErrorKind = pc::xbase::ErrorKind::Other;
    std::function<void(int)> gauge;
    PendingCreate pending;
    int memoBlockSize = 64;
    int lockTimeout = 1;
    int errorLevel = 0;
};

Engine& eng() {
    static Engine e;
    return e;
}

WorkArea& area() {
    Engine& e = eng();
    WorkArea* w = e.selected ? e.areas[e.selected].get() : nullptr;
    if (!w) throw Error("No table is open in the selected work area");
    return *w;
}

// Runs an engine operation: clears the last error, and turns a failure into
// the given return value with its message kept for sx_LastError().
template <class R, class F>
R guarded(R failure, F&& body) {
    Engine& e = eng();
    try {
        e.lastError.clear();
        e.lastErrorKind = ErrorKind::Other;
        return body();
    } catch (const Error& ex) {
        e.lastError = ex.what();
        e.lastErrorKind = ex.kind();
        return failure;
    } catch (const std::exception& ex) {
        e.lastError = ex.what();
        e.lastErrorKind = ErrorKind::Other;
        return failure;
    }
}

template <class F>
void guardedVoid(F&& body) {
    guarded(0, [&] {
        body();
        return 0;
    });
}

int fieldOf(WorkArea& w, const char* name) {
    int i = name ? w.table().fieldIndex(name) : -1;
    if (i < 0) throw Error(std::string("Unknown field ") + (name ? name : "(none)"));
    return i;
}

const FieldDef& fieldDef(WorkArea& w, int index) {
    const auto& fields = w.table().fields();
    if (index < 1 || index > static_cast<int>(fields.size()))
        throw Error("There is no field " + std::to_string(index));
    return fields[index - 1];
}

std::string utf8(WorkArea& w, std::string_view raw) {
    return toUtf8(raw, w.codePage());
}

bool aliasInUse(const std::string& alias) {
    for (const auto& a : eng().areas)
        if (a && equalsNoCaseAscii(a->alias(), alias)) return true;
    return false;
}

void forEachArea(const std::function<void(WorkArea&)>& f) {
    for (auto& a : eng().areas)
        if (a) f(*a);
}

void rebuildDateFormat() {
    Engine& e = eng();
    static const char* kFormats[] = {"MM/DD/YY", "YY.MM.DD", "DD/MM/YY", "DD/MM/YY",
                                     "DD.MM.YY", "DD-MM-YY", "DD/MM/YY", "MM-DD-YY",
                                     "YY/MM/DD", "YY/MM/DD", "MM/DD/YY"};
    int code = e.dateFormatCode >= 0 && e.dateFormatCode < 11 ? e.dateFormatCode : 0;
    std::string f = kFormats[code];
    if (e.settings.century) {
        auto at = f.find("YY");
        f.replace(at, 2, "YYYY");
    }
    e.settings.dateFormat = f;
    forEachArea([](WorkArea& w) { w.settingsChanged(); });
}

int openArea(const std::string& path, std::string alias, int mode, int driver) {
    Engine& e = eng();
    if (driver == kDriverNone) driver = sx_DefaultDriver(path.c_str());
    if (driver < kDriverNtx || driver > kDriverNsx)
        throw Error("Unknown driver " + std::to_string(driver));
    if (mode < kShared || mode > kExclusive)
        throw Error("Unknown open mode " + std::to_string(mode));
    if (alias.empty()) alias = sx_DefaultAlias(path.c_str());
    if (aliasInUse(alias)) throw Error("Alias " + alias + " is already in use");
    int slot = 0;
    for (int i = 1; i <= kMaxAreas && !slot; ++i)
        if (!e.areas[i]) slot = i;
    if (!slot) throw Error("All work areas are in use");
    auto w = std::make_unique<WorkArea>(path, alias, driver, mode, &e.settings);
    e.areas[slot] = std::move(w);
    e.selected = slot;
    return slot;
}

ProgressFn gauge() {
    return eng().gauge;
}

}  // namespace

// ---------------------------------------------------------------- set-up

void sx_SetStringType(int) {}

int sx_ErrorLevel(int level) {
    int prev = eng().errorLevel;
    eng().errorLevel = level;
    return prev;
}

std::string sx_Version() {
    return "Postcraft xBase engine 1.0 (DBF, FPT, CDX)";
}

const std::string& sx_LastError() {
    return eng().lastError;
}

pc::xbase::ErrorKind sx_LastErrorKind() {
    return eng().lastErrorKind;
}

// ---------------------------------------------------------------- open/close

int sx_Use(const char* path, const char* alias, int mode, int driver) {
    return guarded(0, [&] {
        if (!path || !*path) throw Error("No table file named");
        return openArea(path, alias ? alias : "", mode, driver);
    });
}

int sx_Select(int a) {
    Engine& e = eng();
    int prev = e.selected;
    if (a >= 0 && a <= kMaxAreas) e.selected = a;
    return prev;
}

int sx_WorkArea(const char* alias) {
    if (!alias) return 0;
    for (int i = 1; i <= kMaxAreas; ++i)
        if (eng().areas[i] && equalsNoCaseAscii(eng().areas[i]->alias(), alias)) return i;
    return 0;
}

std::string sx_Alias(int a) {
    Engine& e = eng();
    if (a == 0) a = e.selected;
    if (a < 1 || a > kMaxAreas || !e.areas[a]) return {};
    return e.areas[a]->alias();
}

void sx_Close() {
    guardedVoid([] {
        Engine& e = eng();
        if (e.selected && e.areas[e.selected]) e.areas[e.selected].reset();
    });
}

void sx_CloseAll() {
    for (auto& a : eng().areas) a.reset();
    eng().selected = 0;
}

std::string sx_DefaultAlias(const char* path) {
    std::string base = std::filesystem::path(path ? path : "").stem().string();
    if (base.size() > 8) base.resize(8);
    for (char& c : base)
        if (c == '~' || c == '-' || c == ' ') c = '_';
    if (!aliasInUse(base)) return base;
    for (int i = 1;; ++i) {
        std::string candidate = base + "_" + std::to_string(i);
        if (!aliasInUse(candidate)) return candidate;
    }
}

int sx_DefaultDriver(const char* path) {
    namespace fs = std::filesystem;
    unsigned char first = 0;
    if (FILE* f = path ? std::fopen(path, "rb") : nullptr) {
        if (std::fread(&first, 1, 1, f) != 1) first = 0;
        std::fclose(f);
    }
    fs::path p(path ? path : "");
    std::string dir = p.parent_path().string();
    std::string stem = p.stem().string();
    switch (first) {
        case 0x03:
        case 0x06:
            if (!findFileNoCase(dir, stem + ".CDX").empty()) return kDriverCdx;
            if (!findFileNoCase(dir, stem + ".NSX").empty()) return kDriverNsx;
            return kDriverCdx;
        case 0x83:
        case 0x86:
            return kDriverNtx;
        case 0xE5:
        case 0xE6:
            return kDriverNsx;
        default:
            return kDriverCdx;
    }
}

// ---------------------------------------------------------------- create

int sx_CreateNew(const char* path, const char* alias, int driver, int fieldCount) {
    return guarded(0, [&] {
        Engine& e = eng();
        if (!path || !*path) throw Error("No table file named");
        if (driver != kDriverCdx && driver != kDriverNone)
            throw Error("New tables are made with compound (.CDX) indexes only");
        e.pending = PendingCreate{};
        e.pending.active = true;
        e.pending.path = path;
        e.pending.alias = alias ? alias : "";
        e.pending.expected = fieldCount;
        int slot = 0;
        for (int i = 1; i <= kMaxAreas && !slot; ++i)
            if (!e.areas[i]) slot = i;
        if (!slot) throw Error("All work areas are in use");
        return slot;
    });
}

bool sx_CreateField(const char* name, const char* type, int width, int decimals) {
    return guarded(false, [&] {
        PendingCreate& p = eng().pending;
        if (!p.active) throw Error("sx_CreateField without sx_CreateNew");
        if (!name || !type || !*type) throw Error("A field needs a name and a type");
        if (width < 0 || width > 65535 || decimals < 0 || decimals > 255)
            throw Error(std::string("Invalid width for field ") + name);
        FieldSpec f;
        f.name = name;
        f.type = upperAscii(type[0]);
        f.width = static_cast<uint16_t>(width);
        f.decimals = static_cast<uint8_t>(decimals);
        p.fields.push_back(f);
        return true;
    });
}

int sx_CreateExec() {
    return guarded(0, [&] {
        Engine& e = eng();
        PendingCreate p = std::move(e.pending);
        e.pending = PendingCreate{};
        if (!p.active) throw Error("sx_CreateExec without sx_CreateNew");
        if (p.expected > 0 && static_cast<int>(p.fields.size()) != p.expected)
            throw Error("Expected " + std::to_string(p.expected) + " fields, got " +
                        std::to_string(p.fields.size()));
        DbfTable::create(p.path, p.fields, LockMode::Exclusive,
                         static_cast<uint16_t>(e.memoBlockSize));
        return openArea(p.path, p.alias, kExclusive, kDriverCdx);
    });
}

// ---------------------------------------------------------------- moves

void sx_GoTop() {
    guardedVoid([] { area().goTop(); });
}
void sx_GoBottom() {
    guardedVoid([] { area().goBottom(); });
}
void sx_Skip(int count) {
    guardedVoid([&] { area().skip(count); });
}
void sx_Go(int recno) {
    guardedVoid([&] { area().go(recno < 0 ? 0u : static_cast<uint32_t>(recno)); });
}
int sx_RecNo() {
    return guarded(0, [] { return static_cast<int>(area().recno()); });
}
int sx_RecCount() {
    return guarded(0, [] { return static_cast<int>(area().recordCount()); });
}
bool sx_Bof() {
    return guarded(true, [] { return area().bof(); });
}
bool sx_Eof() {
    return guarded(true, [] { return area().eof(); });
}

// ---------------------------------------------------------------- fields

int sx_FieldCount() {
    return guarded(0, [] { return static_cast<int>(area().table().fields().size()); });
}
std::string sx_FieldName(int index) {
    return guarded(std::string(), [&] { return fieldDef(area(), index).name; });
}
std::string sx_FieldType(int index) {
    return guarded(std::string(), [&] { return std::string(1, fieldDef(area(), index).type); });
}
int sx_FieldWidth(int index) {
    return guarded(0, [&] { return static_cast<int>(fieldDef(area(), index).width); });
}
int sx_FieldDecimals(int index) {
    return guarded(0, [&] { return static_cast<int>(fieldDef(area(), index).decimals); });
}
int sx_FieldNum(const char* name) {
    return guarded(0, [&] { return name ? area().table().fieldIndex(name) + 1 : 0; });
}

std::string sx_GetTrimString(const char* field) {
    return guarded(std::string(), [&] {
        WorkArea& w = area();
        int i = fieldOf(w, field);
        const FieldDef& f = w.table().fields()[i];
        if (f.type == 'M') return std::string(trimPaddingRight(utf8(w, w.memo(i))));
        return utf8(w, fieldText(w.current(), f));
    });
}

std::string sx_GetString(const char* field) {
    return guarded(std::string(), [&] {
        WorkArea& w = area();
        int i = fieldOf(w, field);
        const FieldDef& f = w.table().fields()[i];
        if (f.type == 'M') return utf8(w, w.memo(i));
        return utf8(w, fieldBytes(w.current(), f));
    });
}

bool sx_GetLogical(const char* field) {
    return guarded(false, [&] {
        WorkArea& w = area();
        return fieldLogical(w.current(), w.table().fields()[fieldOf(w, field)]).value_or(false);
    });
}

double sx_GetDouble(const char* field) {
    return guarded(0.0, [&] {
        WorkArea& w = area();
        return fieldNumber(w.current(), w.table().fields()[fieldOf(w, field)]).value_or(0.0);
    });
}

bool sx_IsBlank(const char* field) {
    return guarded(true, [&] {
        WorkArea& w = area();
        const FieldDef& f = w.table().fields()[fieldOf(w, field)];
        if (f.type == 'M') return fieldMemoBlock(w.current(), f) == 0;
        if (f.type == 'L') return !fieldLogical(w.current(), f).has_value();
        return fieldBytes(w.current(), f).find_first_not_of(' ') == std::string_view::npos;
    });
}

std::string sx_GetMemo(const char* field) {
    return guarded(std::string(), [&] {
        WorkArea& w = area();
        return utf8(w, w.memo(fieldOf(w, field)));
    });
}

std::string sx_GetDateString(const char* field) {
    return guarded(std::string(), [&] {
        WorkArea& w = area();
        return fieldDate(w.current(), w.table().fields()[fieldOf(w, field)]);
    });
}

bool sx_Replace(const char* field, const char* value) {
    return guarded(false, [&] {
        WorkArea& w = area();
        int i = fieldOf(w, field);
        std::string raw = fromUtf8(value ? value : "", w.codePage());
        if (!w.replaceText(i, raw))
            throw Error("\"" + clipForMessage(value ? value : "") + "\" does not suit field " +
                        w.table().fields()[i].name);
        return true;
    });
}

pc::xbase::UnstorableText sx_Unstorable(const char* value) {
    return guarded(pc::xbase::UnstorableText(),
                   [&] { return unstorableCharacters(value ? value : "", area().codePage()); });
}

bool sx_ReplaceLogical(const char* field, bool value) {
    return guarded(false, [&] {
        WorkArea& w = area();
        int i = fieldOf(w, field);
        if (!w.replaceLogical(i, value))
            throw Error("Field " + w.table().fields()[i].name + " is not a logical field");
        return true;
    });
}

bool sx_AppendBlank() {
    return guarded(false, [] {
        area().appendBlank();
        return true;
    });
}

void sx_DiscardAppend() {
    guardedVoid([] { area().discardAppend(); });
}

// Tables are opened with a whole-file lock, so a record lock always holds.
bool sx_Rlock(int) {
    return guarded(false, [] {
        area();
        return true;
    });
}
void sx_Unlock(int) {}

void sx_Commit() {
    guardedVoid([] { area().commit(); });
}

// ---------------------------------------------------------------- delete

void sx_Delete() {
    guardedVoid([] { area().setDeleted(true); });
}
void sx_Recall() {
    guardedVoid([] { area().setDeleted(false); });
}
bool sx_Deleted() {
    return guarded(false, [] { return area().deleted(); });
}

bool sx_SetDeleted(bool on) {
    Engine& e = eng();
    bool prev = e.settings.deletedFilter;
    if (prev != on) {
        forEachArea([](WorkArea& w) { w.flush(); });
        e.settings.deletedFilter = on;
        forEachArea([](WorkArea& w) { w.visibilityChanged(); });
    }
    return prev;
}

bool sx_Pack() {
    return guarded(false, [] {
        area().pack(gauge());
        return true;
    });
}

bool sx_Zap() {
    return guarded(false, [] {
        area().zap(gauge());
        return true;
    });
}

// ---------------------------------------------------------------- orders

int sx_IndexTag(const char* file, const char* tag, const char* expression, int option,
                bool descending, const char* condition) {
    return guarded(0, [&] {
        WorkArea& w = area();
        if (file && *file) {
            namespace fs = std::filesystem;
            std::string own = fs::path(w.table().path()).stem().string();
            std::string asked = fs::path(file).stem().string();
            if (!equalsNoCaseAscii(own, asked))
                throw Error(std::string("Only the table's own compound index can hold tags, not ") +
                            file);
        }
        if (!tag || !expression) throw Error("A tag needs a name and a key expression");
        return w.indexTag(tag, expression, condition ? condition : "", option == 1, descending,
                          gauge());
    });
}

int sx_TagArea(const char* tag) {
    return guarded(0, [&] { return tag ? area().tagArea(tag) : 0; });
}

int sx_SetOrder(int order) {
    return guarded(0, [&] {
        WorkArea& w = area();
        int prev = w.order();
        w.setOrder(order);
        return prev;
    });
}

int sx_IndexOrd() {
    return guarded(0, [] { return area().order(); });
}
int sx_TagCount() {
    return guarded(0, [] { return area().tagCount(); });
}
std::string sx_TagName(int order) {
    return guarded(std::string(), [&] { return area().tagInfo(order).name; });
}
std::string sx_IndexKey(int order) {
    return guarded(std::string(), [&] { return area().tagInfo(order).keyExpr; });
}
std::string sx_IndexFor(int order) {
    return guarded(std::string(), [&] { return area().tagInfo(order).forExpr; });
}
bool sx_IndexDescending(int order) {
    return guarded(false, [&] { return area().tagInfo(order).descending; });
}
bool sx_IndexUnique(int order) {
    return guarded(false, [&] { return area().tagInfo(order).unique; });
}
std::string sx_IndexName(int order) {
    return guarded(std::string(), [&] {
        WorkArea& w = area();
        return w.isIdxOrder(order) ? w.idxPath(order) : w.indexPath();
    });
}

int sx_IndexEmpty(const char* file, const char* expression, int option) {
    return guarded(0, [&] {
        if (!file || !*file || !expression || !*expression)
            throw Error("An index file needs a name and a key expression", ErrorKind::Invalid);
        return area().createIdx(file, expression, option == 1);
    });
}
int sx_IndexOpen(const char* file) {
    return guarded(0, [&] {
        if (!file || !*file) throw Error("No index file named", ErrorKind::Invalid);
        return area().openIdx(file);
    });
}
bool sx_KeyAdd(int order) {
    return guarded(false, [&] {
        area().addKey(order);
        return true;
    });
}
bool sx_IndexClose(int order) {
    return guarded(false, [&] {
        area().closeIdx(order);
        return true;
    });
}
void sx_CloseIndexes() {
    guardedVoid([] { area().closeIndexes(); });
}
bool sx_Reindex() {
    return guarded(false, [] {
        area().reindex(gauge());
        return true;
    });
}
bool sx_IndexStale() {
    return guarded(false, [] { return area().indexStale(); });
}

std::string sx_CheckIndex() {
    return guarded(std::string("No table is open"), [] { return area().checkIndex(); });
}
std::string sx_CheckIndexSampled() {
    return guarded(std::string("No table is open"),
                   [] { return area().checkIndex(WorkArea::IndexCheck::Sampled); });
}

// ---------------------------------------------------------------- seek

bool sx_Seek(const char* key) {
    return guarded(false, [&] { return area().seek(key ? key : ""); });
}
bool sx_Found() {
    return guarded(false, [] { return area().found(); });
}

bool sx_SetExact(bool on) {
    Engine& e = eng();
    bool prev = e.settings.exact;
    e.settings.exact = on;
    // Callers set it before every search; only a real change may cost the
    // areas their cached query results.
    if (prev != on) forEachArea([](WorkArea& w) { w.settingsChanged(); });
    return prev;
}

bool sx_SetSoftSeek(bool on) {
    bool prev = eng().settings.softSeek;
    eng().settings.softSeek = on;
    return prev;
}

bool sx_SetScope(const char* top, const char* bottom) {
    return guarded(false, [&] {
        area().setScope(top ? top : "", bottom ? bottom : "");
        return true;
    });
}

void sx_ClearScope() {
    guardedVoid([] { area().clearScope(); });
}

// ---------------------------------------------------------------- query

bool sx_Query(const char* expression) {
    return guarded(false, [&] {
        area().setQuery(expression ? expression : "");
        return true;
    });
}

int sx_QueryRecCount() {
    return guarded(0, [] { return static_cast<int>(area().queryCount()); });
}

int sx_QueryTest(const char* expression) {
    return guarded(0, [&] {
        std::string err;
        auto e = area().compile(expression ? expression : "", &err);
        if (!e) throw Error(err);
        if (e->type() != ValueType::Logical) throw Error("Not a logical expression");
        return 1;
    });
}

std::string sx_DBFilter() {
    return guarded(std::string(), [] { return area().queryText(); });
}

// ---------------------------------------------------------------- progress, settings

void sx_SetGaugeHook(pc::xbase::ProgressFn hook) {
    eng().gauge = std::move(hook);
}

bool sx_SetCentury(bool on) {
    bool prev = eng().settings.century;
    eng().settings.century = on;
    rebuildDateFormat();
    return prev;
}

void sx_SetDateFormat(int format) {
    eng().dateFormatCode = format;
    rebuildDateFormat();
}

int sx_SetLockTimeout(int seconds) {
    int prev = eng().lockTimeout;
    eng().lockTimeout = seconds;
    return prev;
}

int sx_SetMemoBlockSize(int bytes) {
    int prev = eng().memoBlockSize;
    if (bytes >= 32 && bytes <= 65535) eng().memoBlockSize = bytes;
    return prev;
}
