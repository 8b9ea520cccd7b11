// Layout files come from disk and the clipboard file: any bytes must either
// read as components or give an error, and what was read must write back
// to a stream that reads the same again.
#include <cstddef>
#include <cstdint>

#include "design/component_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pc::design;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ComponentList first = readComponents(bytes);
    if (!first.ok()) {
        if (!first.components.empty() || !first.error.contains(QLatin1String("at byte")))
            __builtin_trap();
        return 0;
    }
    const QByteArray written = writeComponents(first.components);
    const ComponentList second = readComponents(written);
    if (!second.ok() || second.components.size() != first.components.size()) __builtin_trap();
    if (writeComponents(second.components) != written) __builtin_trap();
    return 0;
}
