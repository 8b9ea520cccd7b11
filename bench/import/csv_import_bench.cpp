// Importing a comma-delimited file of generated address records into a new
// address table through the ASCII import, the index rebuild included.
// The file and the empty table are made outside the timed part.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "address_data.h"
#include "data/address_database.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo_env.h"
#include "data/t_table.h"
#include "import/ascii_columns.h"
#include "import/ascii_import.h"
#include "import/import_destination.h"
#include "import/import_text_file.h"
#include "text/message_service.h"
#include "xbase/engine.h"

namespace {

QString scratchBase() {
    const char* base = std::getenv("PC_BENCH_DIR");
    return base ? QString::fromLocal8Bit(base) : QDir::tempPath();
}

// LNAME..USER2 of each generated record, quoted where a value has a comma.
void writeCsv(const QString& path, int lines) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return;
    pc::bench::AddressGenerator generator;
    QByteArray line;
    for (int i = 0; i < lines; ++i) {
        const auto& v = generator.next();
        line.clear();
        for (int f = 0; f < 20; ++f) {
            if (f == 12) continue;  // DATE is not a text destination
            if (!line.isEmpty()) line += ',';
            const bool quote = v[f].find(',') != std::string::npos;
            if (quote) line += '"';
            line += v[f].c_str();
            if (quote) line += '"';
        }
        line += "\r\n";
        out.write(line);
    }
}

void BM_CsvImport(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    QTemporaryDir dir(scratchBase() + "/csvimport-XXXXXX");
    const QString csv = dir.filePath("people.csv");
    writeCsv(csv, lines);
    pc::text::ScopedRecordingMessages quiet;
    pc::data::TApolloEnv().activate();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString table = dir.filePath(QString("ADD%1.DBF").arg(++round, 4, 10, QChar('0')));
        pc::data::TTable creation;
        pc::data::createAddressTable(table, pc::data::NewFileFieldLengths(), creation);
        pc::data::TTable destination;
        pc::import::openDestination(table, destination);
        pc::import::ImportTextFile file;
        file.open(csv);
        pc::import::AsciiColumnTable columns;
        columns.sample(file);
        const auto rows = pc::import::textDestinationFields(destination);
        for (size_t i = 0; i < columns.columns.size() && i < rows.size(); ++i)
            columns.columns[i].matchedField = rows[i]->displayLabel();
        state.ResumeTiming();

        const auto result = pc::import::runAsciiImport(file, columns, destination);
        benchmark::DoNotOptimize(result.outcome.imported);

        state.PauseTiming();
        if (result.outcome.imported != lines || !result.indexRebuilt)
            state.SkipWithError("the import did not take every line");
        destination.close();
        sx_CloseAll();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_CsvImport)->Arg(100000)->Arg(1000000)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
