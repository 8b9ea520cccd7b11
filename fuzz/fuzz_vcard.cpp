// The vCard reader on arbitrary bytes: no crash, and every card it finds
// turns into field values.
#include <QByteArray>
#include <cstdint>

#include "import/vcard_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const pc::import::VCardContact& card : pc::import::readVCards(bytes))
        (void)pc::import::vcardFieldValues(card);
    return 0;
}
