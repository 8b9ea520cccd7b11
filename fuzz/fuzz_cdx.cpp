// libFuzzer target for the compound index reader: whatever the bytes, every
// operation either works or throws Error.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "xbase/cdx_index.h"
#include "xbase/error.h"

using namespace pc::xbase;

namespace {

std::string tempPath() {
    static std::string path = "/tmp/fuzz_cdx_" + std::to_string(::getpid()) + ".cdx";
    return path;
}

void walk(const CdxIndex& idx, int tag) {
    auto c = idx.cursor(tag);
    size_t len = idx.tags()[tag].keyLength;
    std::string first;
    uint64_t forward = 0, backward = 0;
    for (bool ok = c->first(); ok; ok = c->next()) {
        if (first.empty()) first.assign(reinterpret_cast<const char*>(c->key()), len);
        ++forward;
    }
    for (bool ok = c->last(); ok; ok = c->prev()) ++backward;
    const uint8_t probes[][3] = {{0, 0, 0}, {'M', 'A', 'N'}, {0xFF, 0xFF, 0xFF}};
    for (const auto& p : probes) c->seek(p, std::min<size_t>(3, len));
    if (!first.empty()) {
        c->seek(reinterpret_cast<const uint8_t*>(first.data()), len);
        c->seekEntry(reinterpret_cast<const uint8_t*>(first.data()), 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = tempPath();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    try {
        auto idx = CdxIndex::open(path, OpenMode::ReadOnly, LockMode::None);
        idx->stamp();
        idx->verify();
        for (int t = 0; t < int(idx->tags().size()); ++t) {
            // The key type is not in the file; eight-byte keys are mostly numbers.
            idx->setKeyType(t,
                            idx->tags()[t].keyLength == 8 ? KeyType::Numeric : KeyType::Character);
            idx->verifyTag(t);
            idx->keyCount(t);
            try {
                walk(*idx, t);
            } catch (const Error&) {
            }
        }
    } catch (const Error&) {
    }
    return 0;
}
