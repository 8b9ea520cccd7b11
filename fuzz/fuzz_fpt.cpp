// Opens arbitrary bytes as an .FPT and as dBASE III/IV .DBT memo files and
// reads blocks; also writes into a copy opened as .FPT.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "xbase/error.h"
#include "xbase/memo_file.h"

namespace {

const std::string& scratchFile() {
    static const std::string path = [] {
        std::string d = "/tmp/fuzz_fpt_" + std::to_string(::getpid());
        ::mkdir(d.c_str(), 0700);
        return d + "/m.fpt";
    }();
    return path;
}

uint32_t be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pc::xbase;
    const std::string& path = scratchFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    // Block numbers to try: the first few, and any 32-bit value in the input.
    std::vector<uint32_t> blocks;
    for (uint32_t b = 0; b < 24; ++b) blocks.push_back(b);
    for (size_t i = 0; i + 4 <= size && blocks.size() < 64; i += 4)
        blocks.push_back(be32(data + i));
    size_t sink = 0;
    for (MemoKind kind : {MemoKind::Fpt, MemoKind::Dbt3, MemoKind::Dbt4}) {
        try {
            auto m = MemoFile::open(path, kind, OpenMode::ReadOnly, LockMode::None);
            for (uint32_t b : blocks) {
                try {
                    sink += m->read(b).size();
                } catch (const Error&) {
                }
            }
        } catch (const Error&) {
        }
    }
    try {
        auto m = MemoFile::open(path, MemoKind::Fpt, OpenMode::ReadWrite, LockMode::None);
        for (uint32_t b : blocks) {
            uint32_t at = m->write(b, std::string(size % 200 + 1, 'x'));
            if (m->read(at) != std::string(size % 200 + 1, 'x')) __builtin_trap();
            if (at > 100000) break;
        }
    } catch (const Error&) {
    }
    (void)sink;
    return 0;
}
