// Report layout files come from disk: any bytes must either read as three
// object lists and a settings list or give an error, and what was read must
// write back to a stream that reads the same again.
#include <cstddef>
#include <cstdint>

#include "design/component_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pc::design;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const BandedList first = readBandedList(bytes, 3);
    if (!first.ok()) {
        if (!first.objectLists.empty() || !first.values.empty()) __builtin_trap();
        return 0;
    }
    if (first.objectLists.size() != 3) __builtin_trap();
    QByteArray written;
    for (const auto& list : first.objectLists) written += writeComponents(list);
    writeValue(written, StreamValue::makeList(first.values));
    const BandedList second = readBandedList(written, 3);
    if (!second.ok() || second.values != first.values) __builtin_trap();
    for (size_t i = 0; i < 3; ++i)
        if (second.objectLists[i] != first.objectLists[i]) __builtin_trap();
    return 0;
}
