#include "cli/db_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <sstream>

#ifdef PC_CLI_ADDRESS_VERBS
#include "cli/address_command.h"
#endif
#include "cli/csv_reader.h"
#include "cli/input_file.h"
#include "cli/json_writer.h"
#include "cli/progress_line.h"
#include "xbase/ascii_text.h"
#include "xbase/codepage.h"
#include "xbase/dbf_table.h"
#include "xbase/engine.h"
#include "xbase/error.h"
#include "xbase/message_text.h"
#include "xbase/number_text.h"

namespace pc::cli {

const char* const kDbUsage =
    "usage: postcraft-cli db VERB TABLE [OPTIONS]\n"
    "\n"
    "TABLE is a .DBF file; its .FPT memo file and structural .CDX index are used\n"
    "with it. A TABLE without an extension gets \".dbf\".\n"
    "\n"
    "verbs:\n"
    "  info TABLE                      header, fields, memo block size and tags\n"
    "  dump TABLE [--order TAG] [--deleted]\n"
    "                                  records as JSON, one object per line;\n"
    "                                  deletion-marked ones only with --deleted\n"
    "  create TABLE --fields LIST      new table; LIST like\n"
    "                                  \"NAME C 30, AMOUNT N 12 2, BORN D, FLAG L, NOTE M\"\n"
    "  append-csv TABLE FILE [--lossy] append the rows of a CSV file whose header row\n"
    "                                  names the fields; prints the number appended.\n"
    "                                  Text the table cannot hold is refused; --lossy\n"
    "                                  stores it as \"?\" and says how many were replaced\n"
    "  index TABLE --tag NAME --expr EXPR [--for COND] [--unique] [--descending]\n"
    "                                  add a tag to the structural index\n"
    "  reindex TABLE                   rebuild every tag\n"
    "  seek TABLE --tag TAG [--soft] [--exact] KEY\n"
    "                                  record number of KEY in TAG, or \"not found\"\n"
    "  count TABLE --query EXPR        number of records matching EXPR\n"
    "  delete TABLE --query EXPR       deletion-mark matching records; prints the count\n"
    "  pack TABLE                      remove deletion-marked records for good\n"
    "  zap TABLE                       remove every record\n"
    "  create-address TABLE [--home DIR]\n"
    "                                  new address database with its 26 tags; field\n"
    "                                  widths from DIR/POSTCR.ini (defaults without it)\n"
    "  check-index TABLE               \"valid\", or \"invalid:\" and the missing tags\n"
    "  rebuild TABLE                   remove deleted records and rebuild the 26 address\n"
    "                                  tags; prints the number of records left\n"
    "\n"
    "Exit status: 0 success, 1 failure (or \"not found\"), 2 usage error.\n";

namespace {

using pc::xbase::trimWhiteSpace;
using pc::xbase::upperAscii;

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli db --help' for usage)", kExitUsage);
}
[[noreturn]] void failure(const std::string& message) {
    throw CliError(message, kExitFailure);
}

std::string clip(std::string_view text) {
    return pc::xbase::clipForMessage(text);
}

std::string lastError(const char* fallback) {
    const std::string& e = sx_LastError();
    return e.empty() ? std::string(fallback) : e;
}

// ---------------------------------------------------------------------------
// Arguments: positionals plus "--name VALUE", "--name=VALUE" and "--flag".
// "--" ends the options so a KEY may start with a dash.

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    bool flag(const std::string& name) const { return flags.count(name) != 0; }
    const std::string* value(const std::string& name) const {
        auto it = values.find(name);
        return it == values.end() ? nullptr : &it->second;
    }
    const std::string& required(const std::string& name) const {
        if (const std::string* v = value(name)) return *v;
        usageError("missing --" + name);
    }
};

Args parseArgs(const std::string& verb, const std::vector<std::string>& raw,
               std::initializer_list<const char*> valueOptions,
               std::initializer_list<const char*> flagOptions, size_t positionals) {
    Args args;
    auto isIn = [](const std::string& name, std::initializer_list<const char*> list) {
        return std::any_of(list.begin(), list.end(), [&](const char* o) { return name == o; });
    };
    bool optionsEnded = false;
    for (size_t i = 1; i < raw.size(); ++i) {
        const std::string& a = raw[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-' || a[1] != '-') {
            if (!optionsEnded && a.size() > 1 && a[0] == '-' && !std::isdigit((unsigned char)a[1]))
                usageError("unknown option '" + clip(a) + "' for 'db " + verb + "'");
            args.positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = a.substr(2);
        std::optional<std::string> inlineValue;
        if (size_t eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (isIn(name, valueOptions)) {
            if (args.values.count(name)) usageError("--" + name + " given twice");
            if (inlineValue) {
                args.values[name] = *inlineValue;
            } else {
                if (i + 1 >= raw.size()) usageError("--" + name + " needs a value");
                args.values[name] = raw[++i];
            }
        } else if (isIn(name, flagOptions) && !inlineValue) {
            args.flags.insert(name);
        } else {
            usageError("unknown option '" + clip(a) + "' for 'db " + verb + "'");
        }
    }
    if (args.positional.size() < positionals) {
        usageError("'db " + verb + "' needs " +
                   (positionals == 1 ? std::string("a TABLE")
                                     : std::to_string(positionals) + " arguments"));
    }
    if (args.positional.size() > positionals) {
        usageError("unexpected argument '" + clip(args.positional[positionals]) + "' for 'db " +
                   verb + "'");
    }
    return args;
}

std::string tablePath(const std::string& arg) {
    std::filesystem::path p(arg);
    if (!p.has_extension()) p += ".dbf";
    return p.string();
}

// ---------------------------------------------------------------------------
// Work areas. Every verb leaves with all areas closed, whatever happens.

class Session {
  public:
    Session() {
        sx_ErrorLevel(0);
        sx_SetGaugeHook({});
    }
    ~Session() {
        sx_SetGaugeHook({});
        sx_CloseAll();
    }
    // Shows the engine's progress of a long operation on `line`, which must
    // outlive the session.
    void showProgress(ProgressLine& line) { sx_SetGaugeHook(line.engineHook()); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
};

// Readers take a shared lock, which a writer's exclusive lock keeps out:
// a table that is being changed is not safe to read.
std::string whileInUse(const std::string& message) {
    if (message.find("in use") == std::string::npos) return message;
    return message +
           " (reading verbs wait for no writer: close the table in Postcraft or let the "
           "writing command finish, then try again)";
}

int openTable(const std::string& arg, const std::string& path, int mode) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) failure(arg + ": no such table");
    int area =
        sx_Use(path.c_str(), sx_DefaultAlias(path.c_str()).c_str(), mode, pc::xbase::kDriverNone);
    if (area == 0) failure("cannot open " + arg + ": " + whileInUse(lastError("unknown error")));
    return area;
}

void requireFreshIndex(const std::string& arg) {
    if (sx_IndexStale()) {
        failure("index of " + arg + " does not match the table; run 'postcraft-cli db reindex " +
                arg + "'");
    }
}

void selectTag(const std::string& arg, const std::string& tag) {
    int order = sx_TagArea(tag.c_str());
    if (order == 0) failure(arg + " has no tag '" + clip(tag) + "'");
    sx_SetOrder(order);
}

struct FieldInfo {
    std::string name;
    char type;
    int width;
    int decimals;
};

std::vector<FieldInfo> fieldList() {
    std::vector<FieldInfo> fields;
    int n = sx_FieldCount();
    fields.reserve(n);
    for (int i = 1; i <= n; ++i) {
        std::string type = sx_FieldType(i);
        fields.push_back(
            {sx_FieldName(i), type.empty() ? '?' : type[0], sx_FieldWidth(i), sx_FieldDecimals(i)});
    }
    return fields;
}

// ---------------------------------------------------------------------------
// info

const char* typeByteName(uint8_t type) {
    switch (type) {
        case 0x02:
            return "FoxBASE";
        case 0x03:
            return "FoxBASE+/dBASE III, no memo";
        case 0x30:
            return "Visual FoxPro";
        case 0x31:
            return "Visual FoxPro, autoincrement";
        case 0x83:
            return "dBASE III with memo";
        case 0x8B:
            return "dBASE IV with memo";
        case 0xF5:
            return "FoxPro 2.x with memo";
        case 0xFB:
            return "FoxBASE with memo";
        default:
            return "unknown";
    }
}

int cmdInfo(const std::vector<std::string>& raw, std::ostream& out) {
    Args args = parseArgs("info", raw, {}, {}, 1);
    const std::string& arg = args.positional[0];
    const std::string path = tablePath(arg);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) failure(arg + ": no such table");

    // Header details the call interface does not expose come from the file.
    uint8_t typeByte = 0, mark = 0;
    int codePage = 0;
    int memoBlockSize = 0;
    try {
        auto table = pc::xbase::DbfTable::open(path, pc::xbase::OpenMode::ReadOnly,
                                               pc::xbase::LockMode::Shared);
        typeByte = table->typeByte();
        mark = table->codePageMark();
        codePage = table->codePage();
        if (table->memo()) memoBlockSize = table->memo()->blockSize();
    } catch (const pc::xbase::Error& e) {
        failure("cannot open " + arg + ": " + whileInUse(e.what()));
    }

    Session session;
    openTable(arg, path, pc::xbase::kReadOnly);
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", typeByte);
    out << "table: " << path << '\n';
    out << "type: " << hex << " (" << typeByteName(typeByte) << ")\n";
    std::snprintf(hex, sizeof hex, "0x%02X", mark);
    if (codePage != 0) {
        out << "code page: " << codePage << " (mark " << hex << ")\n";
    } else {
        out << "code page: none (mark " << hex << ", read as 1252)\n";
    }
    out << "records: " << sx_RecCount() << '\n';
    std::vector<FieldInfo> fields = fieldList();
    out << "fields: " << fields.size() << '\n';
    for (const FieldInfo& f : fields) {
        out << "field: " << f.name << ' ' << f.type << ' ' << f.width << ' ' << f.decimals << '\n';
    }
    if (memoBlockSize > 0) {
        out << "memo block size: " << memoBlockSize << '\n';
    } else {
        out << "memo block size: none (no memo file)\n";
    }
    int tags = sx_TagCount();
    if (sx_IndexStale()) {
        out << "index: stale (does not match the table; run 'postcraft-cli db reindex " << arg
            << "')\n";
    } else if (tags > 0) {
        out << "index: " << sx_IndexName(1) << '\n';
    } else {
        out << "index: none\n";
    }
    out << "tags: " << tags << '\n';
    for (int i = 1; i <= tags; ++i) {
        out << "tag: " << sx_TagName(i) << " key " << sx_IndexKey(i);
        std::string cond = sx_IndexFor(i);
        if (!cond.empty()) out << " for " << cond;
        if (sx_IndexUnique(i)) out << " unique";
        if (sx_IndexDescending(i)) out << " descending";
        out << '\n';
    }
    return 0;
}

// ---------------------------------------------------------------------------
// dump

int cmdDump(const std::vector<std::string>& raw, std::ostream& out) {
    Args args = parseArgs("dump", raw, {"order"}, {"deleted"}, 1);
    const std::string& arg = args.positional[0];
    Session session;
    openTable(arg, tablePath(arg), pc::xbase::kReadOnly);
    if (const std::string* tag = args.value("order")) {
        requireFreshIndex(arg);
        selectTag(arg, *tag);
    }
    sx_SetDeleted(!args.flag("deleted"));

    const std::vector<FieldInfo> fields = fieldList();
    std::vector<std::string> keys;  // '"NAME": ' pre-escaped
    for (const FieldInfo& f : fields) keys.push_back(", " + jsonString(f.name) + ": ");

    std::string line;
    auto check = [&](const FieldInfo& f) {
        if (const std::string why = sx_LastError(); !why.empty()) {
            // Engine messages about a memo already name the record and field.
            if (why.rfind("Record ", 0) == 0) failure(why);
            failure("record " + std::to_string(sx_RecNo()) + ", field " + f.name + ": " + why);
        }
    };
    // A move that fails (a damaged index) must end the dump, not repeat it.
    auto moved = [] {
        if (const std::string why = sx_LastError(); !why.empty()) failure(why);
    };
    sx_GoTop();
    moved();
    while (!sx_Eof()) {
        line.clear();
        line += "{\"_recno\": ";
        line += std::to_string(sx_RecNo());
        line += ", \"_deleted\": ";
        line += sx_Deleted() ? "true" : "false";
        for (size_t i = 0; i < fields.size(); ++i) {
            const FieldInfo& f = fields[i];
            const char* name = f.name.c_str();
            line += keys[i];
            switch (f.type) {
                case 'C':
                    appendJsonString(line, sx_GetTrimString(name));
                    break;
                case 'N':
                case 'F':
                    if (sx_IsBlank(name)) {
                        line += "null";
                    } else {
                        line += jsonNumber(sx_GetString(name), sx_GetDouble(name), f.decimals);
                    }
                    break;
                case 'L':
                    line += sx_IsBlank(name) ? "null" : sx_GetLogical(name) ? "true" : "false";
                    break;
                case 'D':
                    appendJsonString(line, sx_GetDateString(name));
                    break;
                case 'M':
                    appendJsonString(line, sx_GetMemo(name));
                    break;
                default:  // types written by other programs: their text form
                    appendJsonString(line, sx_GetTrimString(name));
                    break;
            }
            check(f);
        }
        line += "}\n";
        out << line;
        sx_Skip(1);
        moved();
    }
    return 0;
}

// ---------------------------------------------------------------------------
// create

bool validName(const std::string& name) {
    if (name.empty() || name.size() > 10 || !std::isalpha(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

struct NewField {
    std::string name;
    char type;
    int width;
    int decimals;
};

std::vector<NewField> parseFieldList(const std::string& text) {
    std::vector<NewField> fields;
    std::set<std::string> seen;
    std::stringstream list(text);
    std::string item;
    int position = 0;
    while (std::getline(list, item, ',')) {
        ++position;
        std::istringstream words(item);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        auto bad = [&](const std::string& why) -> CliError {
            std::string shown(trimWhiteSpace(item));
            return CliError(
                "bad field " + std::to_string(position) + " \"" + shown + "\" in --fields: " + why,
                kExitUsage);
        };
        if (w.empty()) throw bad("empty (expected NAME TYPE [WIDTH [DECIMALS]])");
        if (w.size() < 2) throw bad("missing type (expected NAME TYPE [WIDTH [DECIMALS]])");
        if (w.size() > 4) throw bad("too many words (expected NAME TYPE [WIDTH [DECIMALS]])");
        NewField f;
        f.name = upperAscii(w[0]);
        if (!validName(f.name)) {
            throw bad("a name has 1-10 letters, digits or '_' and starts with a letter");
        }
        if (!seen.insert(f.name).second) throw bad("the name is used twice");
        std::string type = upperAscii(w[1]);
        if (type.size() != 1 || std::string("CNFLDM").find(type[0]) == std::string::npos) {
            throw bad("unknown type '" + w[1] + "' (C, N, F, L, D or M)");
        }
        f.type = type[0];
        auto number = [&](const std::string& s, const char* what) {
            if (s.empty() || s.size() > 4 ||
                !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
                throw bad(std::string(what) + " '" + s + "' is not a number");
            return std::stoi(s);
        };
        f.width = w.size() > 2 ? number(w[2], "width") : -1;
        f.decimals = w.size() > 3 ? number(w[3], "decimals") : 0;
        switch (f.type) {
            case 'C':
                if (f.width < 0) throw bad("type C needs a width");
                if (f.width < 1 || f.width > 254) throw bad("width of C is 1 to 254");
                if (w.size() > 3) throw bad("type C has no decimals");
                break;
            case 'N':
            case 'F':
                if (f.width < 0) throw bad("type " + type + " needs a width");
                if (f.width < 1 || f.width > 20) throw bad("width of " + type + " is 1 to 20");
                if (f.decimals > 0 && f.decimals > f.width - 2) {
                    throw bad("at most " + std::to_string(std::max(0, f.width - 2)) +
                              " decimals fit in width " + std::to_string(f.width));
                }
                break;
            default: {
                int fixed = f.type == 'L' ? 1 : f.type == 'D' ? 8 : 10;
                if (w.size() > 3 || (f.width >= 0 && f.width != fixed)) {
                    throw bad("type " + type + " has a fixed width of " + std::to_string(fixed));
                }
                f.width = fixed;
            }
        }
        fields.push_back(f);
    }
    if (!text.empty() && text.back() == ',') {
        throw CliError("bad --fields: trailing comma", kExitUsage);
    }
    if (fields.empty()) throw CliError("--fields names no field", kExitUsage);
    if (fields.size() > 255) throw CliError("--fields: at most 255 fields", kExitUsage);
    return fields;
}

std::filesystem::path withExtension(const std::string& path, const char* lower) {
    std::filesystem::path p(path);
    std::string ext = p.extension().string();
    bool upperCase = !ext.empty() && std::isupper(static_cast<unsigned char>(ext.back()));
    p.replace_extension(upperCase ? upperAscii(lower) : std::string(lower));
    return p;
}

int cmdCreate(const std::vector<std::string>& raw, std::ostream&) {
    Args args = parseArgs("create", raw, {"fields"}, {}, 1);
    const std::string& arg = args.positional[0];
    const std::string path = tablePath(arg);
    std::vector<NewField> fields = parseFieldList(args.required("fields"));
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) failure(arg + " already exists; not overwriting it");
    bool hasMemo =
        std::any_of(fields.begin(), fields.end(), [](const NewField& f) { return f.type == 'M'; });
    const std::filesystem::path memoPath = withExtension(path, ".fpt");
    const bool memoExisted = std::filesystem::exists(memoPath, ec);
    if (hasMemo && memoExisted) {
        failure(memoPath.string() + " already exists; not overwriting it");
    }

    Session session;
    auto cleanUp = [&] {
        sx_CloseAll();
        std::filesystem::remove(path, ec);
        if (hasMemo && !memoExisted) std::filesystem::remove(memoPath, ec);
    };
    if (sx_CreateNew(path.c_str(), sx_DefaultAlias(path.c_str()).c_str(), pc::xbase::kDriverCdx,
                     static_cast<int>(fields.size())) == 0) {
        failure("cannot create " + arg + ": " + lastError("unknown error"));
    }
    for (const NewField& f : fields) {
        std::string type(1, f.type);
        if (!sx_CreateField(f.name.c_str(), type.c_str(), f.width, f.decimals)) {
            failure("field " + f.name + ": " + lastError("refused"));
        }
    }
    if (sx_CreateExec() == 0) {
        std::string why = lastError("unknown error");
        cleanUp();
        failure("cannot create " + arg + ": " + why);
    }
    sx_Commit();
    return 0;
}

// ---------------------------------------------------------------------------
// append-csv

// Characters as the table stores them: one byte each, a letter and its
// combining accent as one.
size_t storedLength(std::string_view s) {
    return pc::xbase::fromUtf8(s, 1252).size();
}

struct Column {
    size_t csvIndex;
    FieldInfo field;
};

// Checks that a value fits its field the way sx_Replace would store it, for
// what sx_Replace itself does not refuse (long text is cut, not refused).
void checkWidth(const CsvRow& row, const Column& col, const std::string& value) {
    const FieldInfo& f = col.field;
    auto bad = [&](const std::string& why) {
        failure("CSV line " + std::to_string(row.line) + ", field " + f.name + ": " + why);
    };
    if (f.type == 'C') {
        size_t len = storedLength(value);
        if (len > static_cast<size_t>(f.width)) {
            bad(std::to_string(len) + " characters do not fit in width " + std::to_string(f.width));
        }
    } else if (f.type == 'N' || f.type == 'F') {
        std::optional<double> v = pc::xbase::parseNumberText(value.data(), value.size());
        if (!v) {
            if (trimWhiteSpace(value).empty()) return;
            bad("'" + clip(value) + "' is not a number");
        }
        char buf[400];
        int n = std::snprintf(buf, sizeof buf, "%.*f", f.decimals, *v);
        if (n < 0 || n > f.width) {
            bad(std::string(trimWhiteSpace(value)) + " does not fit in " + std::string(1, f.type) +
                " " + std::to_string(f.width) + " " + std::to_string(f.decimals));
        }
    }
}

// Tries every value on a scratch table of the same fields, so a value the
// engine refuses is found before the real table is touched.
void dryRun(const std::vector<CsvRow>& rows, const std::vector<Column>& columns) {
    std::vector<const Column*> tried;
    for (const Column& c : columns) {
        if (c.field.type != 'M') tried.push_back(&c);
    }
    if (tried.empty()) return;

    std::random_device rd;
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("postcraft-cli-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    struct RemoveDir {
        std::filesystem::path dir;
        int area = 0;
        ~RemoveDir() {
            if (area) {
                int previous = sx_Select(area);
                sx_Close();
                sx_Select(previous);
            }
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    } guard{dir};

    const std::string scratch = (dir / "scratch.dbf").string();
    if (sx_CreateNew(scratch.c_str(), sx_DefaultAlias(scratch.c_str()).c_str(),
                     pc::xbase::kDriverCdx, static_cast<int>(tried.size())) == 0) {
        failure("cannot check the values: " + lastError("unknown error"));
    }
    for (const Column* c : tried) {
        std::string type(1, c->field.type);
        if (!sx_CreateField(c->field.name.c_str(), type.c_str(), c->field.width,
                            c->field.decimals)) {
            failure("field " + c->field.name + " of type " + type +
                    " cannot be filled from CSV: " + lastError("unsupported"));
        }
    }
    guard.area = sx_CreateExec();
    if (guard.area == 0) failure("cannot check the values: " + lastError("unknown error"));
    if (!sx_AppendBlank()) failure("cannot check the values: " + lastError("unknown error"));
    for (size_t r = 1; r < rows.size(); ++r) {
        for (const Column* c : tried) {
            const std::string& value = rows[r].fields[c->csvIndex];
            if (!sx_Replace(c->field.name.c_str(), value.c_str())) {
                failure("CSV line " + std::to_string(rows[r].line) + ", field " + c->field.name +
                        ": '" + clip(value) + "' does not suit a field of type " +
                        std::string(1, c->field.type) +
                        (sx_LastError().empty() ? std::string() : " (" + sx_LastError() + ")"));
            }
        }
    }
}

std::string quotedList(const std::vector<std::string>& items) {
    std::string list;
    for (const std::string& c : items) {
        if (!list.empty()) list += ", ";
        list += c == "invalid UTF-8" ? c : "\"" + c + "\"";
    }
    return list;
}

// Finds text the table's code page cannot hold. Without `lossy` the first
// such value stops the command; with it, returns how many characters will
// be stored as "?".
size_t checkStorable(const std::vector<CsvRow>& rows, const std::vector<Column>& columns,
                     bool lossy) {
    size_t replaced = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        for (const Column& c : columns) {
            const pc::xbase::UnstorableText u = sx_Unstorable(rows[r].fields[c.csvIndex].c_str());
            if (u.empty()) continue;
            if (!lossy) {
                failure("CSV line " + std::to_string(rows[r].line) + ", field " + c.field.name +
                        ": the table's code page cannot hold " + quotedList(u.characters) +
                        "; nothing was appended (--lossy stores such characters as \"?\")");
            }
            replaced += u.count;
        }
    }
    return replaced;
}

int cmdAppendCsv(const std::vector<std::string>& raw, std::ostream& out) {
    Args args = parseArgs("append-csv", raw, {}, {"lossy"}, 2);
    const std::string& arg = args.positional[0];
    const std::string& csvPath = args.positional[1];
    Session session;
    const int area = openTable(arg, tablePath(arg), pc::xbase::kExclusive);
    requireFreshIndex(arg);

    std::vector<CsvRow> rows;
    try {
        rows = parseCsvTable(readInputFile(csvPath, kMaxCsvBytes));
    } catch (const pc::xbase::Error& e) {
        failure(csvPath + ": " + e.what());
    }

    const std::vector<FieldInfo> fields = fieldList();
    std::vector<Column> columns;
    std::set<int> seen;
    const CsvRow& header = rows.front();
    for (size_t i = 0; i < header.fields.size(); ++i) {
        std::string name = upperAscii(trimWhiteSpace(header.fields[i]));
        int index = name.empty() ? 0 : sx_FieldNum(name.c_str());
        if (index == 0) {
            failure(csvPath + ": the header names '" + clip(trimWhiteSpace(header.fields[i])) +
                    "', which is not a field of " + arg);
        }
        if (!seen.insert(index).second) {
            failure(csvPath + ": the header names field " + name + " twice");
        }
        columns.push_back({i, fields[index - 1]});
    }

    const size_t replaced = checkStorable(rows, columns, args.flag("lossy"));
    for (size_t r = 1; r < rows.size(); ++r) {
        for (const Column& c : columns) checkWidth(rows[r], c, rows[r].fields[c.csvIndex]);
    }
    dryRun(rows, columns);

    sx_Select(area);
    const int before = sx_RecCount();
    const size_t total = rows.size() - 1;
    // On any failure only the complete rows stay (the one being filled is
    // taken back) and the message says how many those are.
    auto stop = [&](size_t line, const std::string& why) {
        const pc::xbase::ErrorKind kind = sx_LastErrorKind();
        sx_DiscardAppend();
        sx_Commit();
        const std::string kept =
            std::to_string(sx_RecCount() - before) + " of " + std::to_string(total);
        if (kind == pc::xbase::ErrorKind::DiskFull) {
            failure("The disk is full: " + kept + " rows were appended; nothing else changed");
        }
        failure((line ? "CSV line " + std::to_string(line) + ": " : std::string()) + why + " (" +
                kept + " rows were appended; nothing else changed)");
    };
    for (size_t r = 1; r < rows.size(); ++r) {
        if (!sx_AppendBlank()) stop(rows[r].line, "cannot append: " + lastError("unknown error"));
        for (const Column& c : columns) {
            const std::string& value = rows[r].fields[c.csvIndex];
            if (value.empty()) continue;
            if (!sx_Replace(c.field.name.c_str(), value.c_str())) {
                stop(rows[r].line, "field " + c.field.name + ": " + lastError("value refused"));
            }
        }
    }
    sx_Commit();
    if (!sx_LastError().empty()) stop(0, "cannot save: " + sx_LastError());
    out << total << '\n';
    if (replaced > 0) {
        std::cerr << "postcraft-cli: " << replaced << (replaced == 1 ? " character" : " characters")
                  << " the table's code page cannot hold were stored as \"?\"\n";
    }
    return 0;
}

// ---------------------------------------------------------------------------
// index, reindex

// Moves every "position N" in an engine message by delta, for messages
// about an expression that was wrapped before it was checked.
std::string shiftPositions(const std::string& message, int delta) {
    static const std::string kWord = "position ";
    std::string out;
    size_t i = 0;
    for (size_t at; (at = message.find(kWord, i)) != std::string::npos;) {
        size_t digits = at + kWord.size();
        size_t end = digits;
        while (end < message.size() && std::isdigit(static_cast<unsigned char>(message[end])))
            ++end;
        out.append(message, i, digits - i);
        if (end > digits && end - digits < 9) {
            out += std::to_string(
                std::max(1, std::stoi(message.substr(digits, end - digits)) + delta));
        } else {
            out.append(message, digits, end - digits);
        }
        i = end;
    }
    out.append(message, i);
    return out;
}

int cmdIndex(const std::vector<std::string>& raw, std::ostream&) {
    Args args = parseArgs("index", raw, {"tag", "expr", "for"}, {"unique", "descending"}, 1);
    const std::string& arg = args.positional[0];
    const std::string tag = upperAscii(args.required("tag"));
    const std::string& expr = args.required("expr");
    if (!validName(tag)) {
        usageError("bad tag name '" + clip(args.required("tag")) +
                   "': 1-10 letters, digits or '_', starting with a letter");
    }
    if (trimWhiteSpace(expr).empty()) usageError("--expr is empty");
    const std::string* cond = args.value("for");
    if (cond && trimWhiteSpace(*cond).empty()) cond = nullptr;

    ProgressLine line("index " + arg);
    Session session;
    session.showProgress(line);
    openTable(arg, tablePath(arg), pc::xbase::kExclusive);
    requireFreshIndex(arg);
    // Check both expressions first: a failed tag creation could still leave
    // a new, empty index file behind. EMPTY() takes a value of any type, so
    // it turns the key into a logical expression the query test accepts.
    if (sx_QueryTest(("EMPTY(" + expr + ")").c_str()) != 1) {
        failure("bad --expr '" + clip(expr) +
                "': " + shiftPositions(lastError("not a valid expression"), -6));
    }
    if (cond && sx_QueryTest(cond->c_str()) != 1) {
        failure("bad --for condition '" + clip(*cond) +
                "': " + lastError("not a logical expression"));
    }
    if (sx_IndexTag(nullptr, tag.c_str(), expr.c_str(), args.flag("unique") ? 1 : 0,
                    args.flag("descending"), cond ? cond->c_str() : nullptr) == 0) {
        failure("cannot create tag " + tag + ": " + lastError("unknown error"));
    }
    sx_Commit();
    return 0;
}

int cmdReindex(const std::vector<std::string>& raw, std::ostream&) {
    Args args = parseArgs("reindex", raw, {}, {}, 1);
    const std::string& arg = args.positional[0];
    ProgressLine line("reindex " + arg);
    Session session;
    session.showProgress(line);
    const std::string path = tablePath(arg);
    openTable(arg, path, pc::xbase::kExclusive);
    if (!sx_Reindex() || sx_IndexStale()) {
        failure("cannot reindex " + arg + ": " + lastError("the index is still stale"));
    }
    const bool none = sx_TagCount() == 0;
    sx_Commit();
    sx_CloseAll();
    // The header says an index belongs to the table, but no file holds its
    // tag definitions: saying nothing would pass for a rebuilt index.
    if (none &&
        pc::xbase::DbfTable::open(path, pc::xbase::OpenMode::ReadOnly, pc::xbase::LockMode::Shared)
            ->structuralIndexFlag()) {
        failure("cannot reindex " + arg +
                ": its index file is missing, so its tags are unknown; make them again with "
                "'postcraft-cli db index' (or 'db rebuild' for an address database)");
    }
    return 0;
}

// ---------------------------------------------------------------------------
// seek, count

int cmdSeek(const std::vector<std::string>& raw, std::ostream& out) {
    Args args = parseArgs("seek", raw, {"tag"}, {"soft", "exact"}, 2);
    const std::string& arg = args.positional[0];
    const std::string& key = args.positional[1];
    const std::string& tag = args.required("tag");
    Session session;
    openTable(arg, tablePath(arg), pc::xbase::kReadOnly);
    requireFreshIndex(arg);
    selectTag(arg, tag);
    sx_SetDeleted(true);
    sx_SetExact(args.flag("exact"));
    sx_SetSoftSeek(args.flag("soft"));
    bool found = sx_Seek(key.c_str());
    if (!found && !sx_LastError().empty()) failure("cannot seek: " + sx_LastError());
    if (found || (args.flag("soft") && !sx_Eof())) {
        out << sx_RecNo() << '\n';
        return 0;
    }
    out << "not found\n";
    return kExitFailure;
}

void setQuery(const std::string& expr) {
    if (trimWhiteSpace(expr).empty()) usageError("--query is empty");
    if (!sx_Query(expr.c_str())) {
        failure("bad query '" + clip(expr) + "': " + lastError("not a logical expression"));
    }
}

int cmdCount(const std::vector<std::string>& raw, std::ostream& out) {
    Args args = parseArgs("count", raw, {"query"}, {}, 1);
    const std::string& arg = args.positional[0];
    Session session;
    openTable(arg, tablePath(arg), pc::xbase::kReadOnly);
    sx_SetDeleted(true);
    setQuery(args.required("query"));
    int n = sx_QueryRecCount();
    if (!sx_LastError().empty()) failure("cannot count: " + sx_LastError());
    out << n << '\n';
    return 0;
}

// ---------------------------------------------------------------------------
// delete, pack, zap

int cmdDelete(const std::vector<std::string>& raw, std::ostream& out) {
    Args args = parseArgs("delete", raw, {"query"}, {}, 1);
    const std::string& arg = args.positional[0];
    Session session;
    openTable(arg, tablePath(arg), pc::xbase::kExclusive);
    requireFreshIndex(arg);
    sx_SetDeleted(true);
    setQuery(args.required("query"));
    // Collect first: marking records while walking the filtered set would
    // move the ground under the walk.
    std::vector<int> recnos;
    auto moved = [] {
        if (const std::string why = sx_LastError(); !why.empty())
            failure("cannot evaluate the query: " + why);
    };
    for (sx_GoTop(), moved(); !sx_Eof(); sx_Skip(1), moved()) recnos.push_back(sx_RecNo());
    sx_Query("");
    for (int recno : recnos) {
        sx_Go(recno);
        sx_Delete();
        if (!sx_LastError().empty()) {
            sx_Commit();
            failure("cannot delete record " + std::to_string(recno) + ": " + sx_LastError());
        }
    }
    sx_Commit();
    out << recnos.size() << '\n';
    return 0;
}

int cmdPackOrZap(const std::vector<std::string>& raw, bool pack) {
    const char* verb = pack ? "pack" : "zap";
    Args args = parseArgs(verb, raw, {}, {}, 1);
    const std::string& arg = args.positional[0];
    ProgressLine line(std::string(verb) + " " + arg);
    Session session;
    session.showProgress(line);
    openTable(arg, tablePath(arg), pc::xbase::kExclusive);
    requireFreshIndex(arg);
    if (!(pack ? sx_Pack() : sx_Zap())) {
        failure(std::string("cannot ") + verb + " " + arg + ": " + lastError("unknown error"));
    }
    sx_Commit();
    return 0;
}

}  // namespace

int runDbCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'db' needs a verb");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h" || verb == "help" ||
        std::find(args.begin(), args.end(), "--help") != args.end()) {
        out << kDbUsage;
        return 0;
    }
    if (verb == "info") return cmdInfo(args, out);
    if (verb == "dump") return cmdDump(args, out);
    if (verb == "create") return cmdCreate(args, out);
    if (verb == "append-csv") return cmdAppendCsv(args, out);
    if (verb == "index") return cmdIndex(args, out);
    if (verb == "reindex") return cmdReindex(args, out);
    if (verb == "seek") return cmdSeek(args, out);
    if (verb == "count") return cmdCount(args, out);
    if (verb == "delete") return cmdDelete(args, out);
    if (verb == "pack") return cmdPackOrZap(args, true);
    if (verb == "zap") return cmdPackOrZap(args, false);
#ifdef PC_CLI_ADDRESS_VERBS
    if (isAddressVerb(verb)) return runAddressCommand(args, out);
#endif
    usageError("unknown verb '" + clip(verb) + "'");
}

}  // namespace pc::cli
