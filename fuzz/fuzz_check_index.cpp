// libFuzzer target for the index check on damaged files: a small table with
// memos and five tags is built once; each input patches or cuts its index,
// memo or table file. Whatever the damage, the check, ordered walks and a
// memo query must end without a crash, and an index the check calls sound
// must give every record exactly once in every tag without a condition.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "five_tag_table.h"
#include "xbase/engine.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 200;
// Tags without a FOR condition or UNIQUE hold one entry per record.
const char* const kFullTags[] = {"NAME", "PLACE", "AMOUNT"};

struct Pristine {
    fs::path dir;
    std::string dbf, fpt, cdx;  // file contents
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void spit(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

Pristine build() {
    Pristine p;
    p.dir = fs::temp_directory_path() / ("fuzz_check_index_" + std::to_string(::getpid()));
    fs::create_directories(p.dir);
    const std::string table = (p.dir / "T.dbf").string();
    sx_ErrorLevel(0);
    pc::test::buildFiveTagTable(table, kRecords);
    p.dbf = slurp(p.dir / "T.dbf");
    p.fpt = slurp(p.dir / "T.fpt");
    p.cdx = slurp(p.dir / "T.cdx");
    return p;
}

// Input: one byte choosing the file (and whether to cut it), then patches of
// a 3-byte offset, a length byte and that many bytes.
void damage(const uint8_t* data, size_t size, std::string& dbf, std::string& fpt,
            std::string& cdx) {
    if (size == 0) return;
    const uint8_t choice = data[0];
    std::string& file = choice % 3 == 0 ? cdx : choice % 3 == 1 ? fpt : dbf;
    size_t i = 1;
    if (choice & 0x80 && size >= 4) {
        size_t cut = (size_t(data[1]) << 16 | size_t(data[2]) << 8 | data[3]) % (file.size() + 1);
        file.resize(cut);
        i = 4;
    }
    while (i + 4 <= size && !file.empty()) {
        size_t at = (size_t(data[i]) << 16 | size_t(data[i + 1]) << 8 | data[i + 2]) % file.size();
        size_t n = data[i + 3];
        i += 4;
        for (size_t k = 0; k < n && i < size; ++k, ++i)
            if (at + k < file.size()) file[at + k] = static_cast<char>(data[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Pristine pristine = build();
    std::string dbf = pristine.dbf, fpt = pristine.fpt, cdx = pristine.cdx;
    damage(data, size, dbf, fpt, cdx);
    spit(pristine.dir / "T.dbf", dbf);
    spit(pristine.dir / "T.fpt", fpt);
    spit(pristine.dir / "T.cdx", cdx);

    const std::string table = (pristine.dir / "T.dbf").string();
    if (sx_Use(table.c_str(), "T", pc::xbase::kReadOnly, pc::xbase::kDriverNone) == 0) return 0;
    sx_SetDeleted(false);
    const bool sound = !sx_IndexStale() && sx_CheckIndex().empty();
    const int records = sx_RecCount();
    for (int t = 1; t <= sx_TagCount(); ++t) {
        sx_SetOrder(t);
        int seen = 0;
        for (sx_GoTop(); !sx_Eof() && seen <= records; sx_Skip(1)) ++seen;
        if (seen > records) __builtin_trap();  // an ordered walk repeated a record
        std::string name = sx_TagName(t);
        bool full = false;
        for (const char* f : kFullTags) full = full || name == f;
        if (sound && full && seen != records) __builtin_trap();  // "sound" but records missing
    }
    sx_SetOrder(0);
    sx_Query("LEN(NOTE)>50");
    sx_QueryRecCount();
    sx_CloseAll();
    return 0;
}
