// Times the ZIP count and the state/ZIP check (the work of their windows)
// on a generated address database. Prints the seconds of each.
//
//   zip_utilities_bench [records] [CSZ.DBF]   (1000000 and sysdata/CSZ.DBF)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "address_data.h"
#include "address_table_fill.h"
#include "data/address_database.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/new_file_field_lengths.h"
#include "data/t_apollo.h"
#include "data/t_apollo_env.h"
#include "data/t_table.h"
#include "postal/state_zip_check.h"
#include "postal/zip_code_count.h"
#include "xbase/engine.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const QString csz = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                 : QStringLiteral(PC_SOURCE_DIR "/sysdata/CSZ.DBF");
    pc::data::TApolloEnv().activate();
    QTemporaryDir dir;
    const QString table = dir.path() + "/ADD0001.DBF";
    QFile::copy(csz, dir.path() + "/CSZ.DBF");
    QFile::setPermissions(dir.path() + "/CSZ.DBF", QFile::ReadOwner | QFile::WriteOwner);
    pc::bench::fillAddressTable(table, records);

    pc::data::TTable states;
    states.setFolder(dir.path());
    states.setFileName(QStringLiteral("CSZ.DBF"));
    states.open();
    pc::data::TApollo stateEngine(&states);
    pc::postal::StateRanges ranges;
    QString error;
    if (!ranges.load(states, stateEngine, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    states.close();

    pc::data::TTable addresses;
    pc::data::defineAddressFields(addresses, [] { return QString(); });
    if (!pc::data::openTableFile(table, addresses)) return 1;
    pc::data::TApollo engine(&addresses);
    pc::data::QuerySetting notDeleted(engine, pc::data::engineQuery({}));

    QElapsedTimer timer;
    timer.start();
    pc::postal::ZipCodeCount counts;
    pc::postal::countZipCodes(addresses, engine, counts, [](int) { return true; });
    const QStringList lines = counts.reportLines(QStringLiteral(","));
    const double countSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    pc::postal::StateZipCheck check(addresses, engine);
    check.run(ranges, false, [](int, int, int, int) { return true; });
    const double checkSeconds = timer.nsecsElapsed() / 1e9;
    check.removeIndex();

    std::printf(
        "records %d\nzip count: %.2f s (%lld lines)\nstate/zip check: %.2f s (%lld found)\n",
        records, countSeconds, static_cast<long long>(lines.size()), checkSeconds,
        static_cast<long long>(check.records().size()));
    return 0;
}
