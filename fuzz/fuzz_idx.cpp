// libFuzzer target for the single-order index reader: whatever the bytes, an
// open either works (and every entry can be walked both ways) or throws Error.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "xbase/error.h"
#include "xbase/idx_index.h"

using namespace pc::xbase;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/fuzz_idx_" + std::to_string(::getpid()) + ".idx";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    try {
        auto idx = IdxIndex::open(path, true);
        auto c = idx->cursor();
        uint64_t forward = 0, backward = 0;
        for (bool ok = c->first(); ok; ok = c->next()) ++forward;
        for (bool ok = c->last(); ok; ok = c->prev()) ++backward;
        if (forward != backward || forward != idx->keyCount()) __builtin_trap();
        const uint8_t probe[3] = {'M', 'A', 'N'};
        c->seek(probe, std::min<size_t>(3, idx->info().keyLength));
    } catch (const Error&) {
    }
    std::remove(path.c_str());
    return 0;
}
