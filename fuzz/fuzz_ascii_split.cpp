// The ASCII import's line cutting (plain and CSV) on arbitrary bytes, read
// both as UTF-8 and as Windows-1252: no crash, and every value within its buffers.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "import/ascii_line_splitter.h"
#include "import/csv_values.h"
#include "import/import_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& text : {QString::fromUtf8(bytes), pc::import::fromWindows1252(bytes)}) {
        const QStringList values = pc::import::splitAndClean(text);
        if (values.isEmpty() || values.size() > pc::import::kMaxColumns) std::abort();
        for (const QString& v : values)
            if (v.size() > pc::import::kValueBufferSize) std::abort();
        const QStringList csv = pc::import::splitCsvValues(text);
        if (csv.isEmpty() || csv.size() > pc::import::kMaxColumns) std::abort();
        for (const QString& v : csv)
            if (v.size() > pc::import::kValueBufferSize) std::abort();
    }
    return 0;
}
