// Letters come from other word processors and from users' files: any bytes
// must read without a crash or hang, and what was read must survive our
// writer and reader with the same text.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    pc::richtext::readRtf(bytes, doc);
    QTextDocument again;
    if (!pc::richtext::readRtf(pc::richtext::writeRtf(doc), again)) __builtin_trap();
    if (again.toPlainText() != doc.toPlainText()) __builtin_trap();
    return 0;
}
