// Opens arbitrary bytes as a table (read-only) and reads every value.
// Input: table bytes, optionally followed by "FPTMEMO!" and memo file bytes,
// which are stored as both .fpt and .dbt beside the table.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "xbase/dbf_table.h"
#include "xbase/error.h"
#include "xbase/field_codec.h"

namespace {

const std::string& scratchDir() {
    static const std::string dir = [] {
        std::string d = "/tmp/fuzz_dbf_" + std::to_string(::getpid());
        ::mkdir(d.c_str(), 0700);
        return d;
    }();
    return dir;
}

void put(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pc::xbase;
    std::string_view in(reinterpret_cast<const char*>(data), size);
    std::string_view table = in, memo;
    bool hasMemo = false;
    if (auto at = in.find("FPTMEMO!"); at != std::string_view::npos) {
        table = in.substr(0, at);
        memo = in.substr(at + 8);
        hasMemo = true;
    }
    const std::string& dir = scratchDir();
    put(dir + "/t.dbf", table);
    ::unlink((dir + "/t.fpt").c_str());
    ::unlink((dir + "/t.dbt").c_str());
    if (hasMemo) {
        put(dir + "/t.fpt", memo);
        put(dir + "/t.dbt", memo);
    }
    try {
        auto t = DbfTable::open(dir + "/t.dbf", OpenMode::ReadOnly, LockMode::None);
        size_t sink = t->codePage() + t->structuralIndexFlag();
        const auto& fields = t->fields();
        for (uint32_t r = 1; r <= t->recordCount(); ++r) {
            const char* rec = t->record(r);
            sink += t->isDeleted(r);
            for (size_t i = 0; i < fields.size(); ++i) {
                const FieldDef& f = fields[i];
                sink += fieldBytes(rec, f).size() + fieldText(rec, f).size();
                sink += fieldNumber(rec, f).has_value() + fieldLogical(rec, f).has_value();
                sink += fieldDate(rec, f).size() + fieldMemoBlock(rec, f);
                try {
                    sink += t->memoText(rec, int(i)).size();
                } catch (const Error&) {
                }
            }
        }
        std::string blank = t->blankRecord();
        if (blank.size() != t->recordLength()) __builtin_trap();
        (void)sink;
    } catch (const Error&) {
    }
    return 0;
}
