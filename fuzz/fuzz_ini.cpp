// Settings files are edited by hand: any bytes must parse, answer look-ups
// and survive a rewrite that keeps what it did not touch.
#include <cstddef>
#include <cstdint>

#include "text/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using pc::text::IniDocument;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniDocument doc = IniDocument::parse(bytes);
    (void)doc.value("MRU", "Item1");
    (void)doc.value("Misc", "GlobalTagId");
    doc.setValue("MRU", "Item1", "/tmp/x.dbf");
    doc.setValue("New Section", "Key", "value");
    doc.remove("Misc", "GettingStarted");
    IniDocument again = IniDocument::parse(doc.serialize());
    if (again.value("MRU", "Item1") != QString("/tmp/x.dbf")) __builtin_trap();
    if (again.value("New Section", "Key") != QString("value")) __builtin_trap();
    return 0;
}
