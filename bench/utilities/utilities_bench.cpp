// Times the table utilities on a generated address database, as the
// windows and the command line run them: the duplicate check of each kind,
// the export to text and to a table, and a search and replace over all
// records. Prints one line per operation: records, result, seconds.
//
//   utilities_bench [records [only]]   (1000000 by default; "only" a word of
//                                      the operation names, e.g. "similar")
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "address_data.h"
#include "address_table_fill.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo.h"
#include "data/t_apollo_env.h"
#include "data/t_table.h"
#include "data/temporary_index.h"
#include "maintenance/copy_out.h"
#include "maintenance/duplicate_check.h"
#include "maintenance/search_and_replace.h"
#include "xbase/engine.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The machine may be shared: the process's own CPU time is printed beside
// the wall-clock time.
class Timer {
  public:
    Timer() { start(); }
    void start() {
        wall_.start();
        cpu_ = cpuSeconds();
    }
    double wall() const { return wall_.nsecsElapsed() / 1e9; }
    double cpu() const { return cpuSeconds() - cpu_; }

  private:
    QElapsedTimer wall_;
    double cpu_ = 0;
};

void line(const char* what, int records, long long result, const Timer& timer) {
    std::printf("%-28s %9d records  result %9lld  %7.2f s wall  %7.2f s cpu\n", what, records,
                result, timer.wall(), timer.cpu());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir scratch(qEnvironmentVariable("PC_BENCH_DIR", QDir::tempPath()) +
                          "/utilities-XXXXXX");
    const QString path = scratch.path() + "/ADD0001.DBF";
    pc::bench::fillAddressTable(path, records, {.withoutIndex = true});
    pc::data::TApolloEnv().activate();

    pc::data::TTable table;
    pc::data::defineAddressFields(table, [] { return QString(); });
    table.setExclusive(true);
    if (!pc::data::openTableFile(path, table) || !pc::data::createAddressTags(table)) return 1;

    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto wanted = [&](const char* name) {
        return only.isEmpty() || QString(name).contains(only);
    };
    for (int kind = 0; kind <= 3; ++kind) {
        pc::maintenance::DuplicateCheckOptions options;
        options.kind = static_cast<pc::maintenance::DuplicateKind>(kind);
        Timer timer;
        const char* names[] = {"check-dup kind 0", "check-dup kind 1", "check-dup kind 2",
                               "check-dup kind 3 (similar)"};
        if (!wanted(names[kind])) continue;
        // As the window does it: the records go into "_chkdup.idx", which is
        // written and removed at the end.
        pc::maintenance::DuplicateCheckResult result;
        {
            pc::data::TemporaryIndex index(table, scratch.path() + "/_chkdup.idx",
                                           pc::maintenance::duplicateKeyExpression(options.kind));
            result = pc::maintenance::checkDuplicates(table, options, {}, &index);
        }
        line(names[kind], records, result.pairs, timer);
    }
    if (wanted("export")) {
        pc::data::TApollo engine(&table);
        pc::data::QuerySetting live(engine, pc::data::kNotDeletedQuery);
        Timer timer;
        const auto text = pc::maintenance::copyOutToText(table, scratch.path() + "/out.txt", {});
        line("export to text", records, text.copied, timer);
        timer.start();
        const auto csv =
            pc::maintenance::copyOutToText(table, scratch.path() + "/out.csv", {true, true});
        line("export to RFC 4180 UTF-8", records, csv.copied, timer);
    }
    if (wanted("replace")) {
        // Most records have no USER2; then every record that got one changes again.
        pc::maintenance::ReplaceRequest request;
        request.field = "USER2";
        request.displayName = "Comment 2";
        request.with = "CHECKED";
        Timer timer;
        const int changed =
            pc::maintenance::replaceFieldValues(table, request, pc::data::kNotDeletedQuery);
        line("replace (empty USER2)", records, changed, timer);
        request.find = "CHECK";
        request.caseSensitive = false;
        request.partial = true;
        request.with = "done";
        timer.start();
        const int again = pc::maintenance::replaceFieldValues(table, request, {});
        line("replace partial (all)", records, again, timer);
    }
    table.close();
    return 0;
}
