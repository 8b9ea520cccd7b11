#include "import/ascii_import.h"

#include "data/t_table.h"
#include "import/ascii_columns.h"
#include "import/ascii_line_splitter.h"
#include "import/csv_values.h"
#include "import/import_destination.h"
#include "import/import_text_file.h"

namespace pc::import {

ImportResult runAsciiImport(ImportTextFile& file, const AsciiColumnTable& columns,
                            pc::data::TTable& destination, const ImportCalls& calls) {
    const int columnCount = static_cast<int>(columns.columns.size());
    auto loop = [&](UnstorableTally& tally) {
        std::vector<pc::data::TField*> targets(columnCount, nullptr);
        for (int i = 0; i < columnCount; ++i)
            if (!columns.columns[i].matchedField.isEmpty())
                targets[i] = FieldByDisplayLabel(destination, columns.columns[i].matchedField);
        if (calls.status) calls.status(QStringLiteral("Counting total lines"));
        int total = file.lineCount();
        if (calls.status) calls.status(QStringLiteral("Importing records"));
        QString line;
        bool ok = file.rewind();
        if (ok && columns.headerRow) {
            ok = file.readLine(line) || !file.failed();
            --total;
        }
        const RowProducer next = [&](std::vector<Assignment>& row) {
            if (!ok) return RowRead::Error;
            if (!file.readLine(line)) return file.failed() ? RowRead::Error : RowRead::End;
            // Missing values leave their fields at the defaults; values past
            // the column count are ignored. A file with a header row is a
            // CSV export, quoted as such.
            if (columns.headerRow) {
                const QStringList values = splitCsvValues(line);
                for (int i = 0; i < columnCount && i < values.size(); ++i)
                    if (targets[i]) row.push_back({targets[i], values[i]});
                return RowRead::Row;
            }
            const QStringList values = splitRawValues(line);
            for (int i = 0; i < columnCount && i < values.size(); ++i)
                if (targets[i]) row.push_back({targets[i], cleanValue(values[i])});
            return RowRead::Row;
        };
        return appendRows(destination, next, total, tally, calls.progress);
    };
    return runImport(destination, calls, loop, asciiEndMessage);
}

}  // namespace pc::import
