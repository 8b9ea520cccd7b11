// Layout JSON is edited by hand: any text must read as values or give an
// error with its place, without running away on nesting or lengths.
#include <cstddef>
#include <cstdint>

#include "design/json_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pc::design;
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    JsonReader reader(text);
    while (reader.more()) {
        const qsizetype before = reader.offset();
        (void)reader.value();
        if (reader.failed()) {
            if (!reader.error().startsWith(QLatin1String("line "))) __builtin_trap();
            break;
        }
        if (reader.offset() <= before) __builtin_trap();  // every value moves on
    }
    return 0;
}
