// Report layout files come from disk: any bytes must either read as three
// object lists and a settings list or give an error, and what was read must
// write back to a stream that reads and writes the same again (compared as
// bytes: a stored float may be a NaN, which equals nothing).
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
    const auto write = [](const BandedList& read) {
        QByteArray out;
        for (const auto& list : read.objectLists) out += writeComponents(list);
        writeValue(out, StreamValue::makeList(read.values));
        return out;
    };
    const QByteArray written = write(first);
    const BandedList second = readBandedList(written, 3);
    if (!second.ok() || second.objectLists.size() != 3 || write(second) != written)
        __builtin_trap();
    return 0;
}
