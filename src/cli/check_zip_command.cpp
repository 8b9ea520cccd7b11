#include "cli/check_zip_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "postal/state_zip_check.h"
#include "text/program_paths.h"

namespace pc::cli {
namespace {

const char* const kCheckZipUsage =
    "usage: postcraft-cli check-zip TABLE [--blanks] [--csz FILE] [--flt FILE]\n"
    "\n"
    "Prints the record numbers of the records of TABLE whose state is not in\n"
    "the state table or whose ZIP lies outside that state's range, in record\n"
    "order, then how many were found. Deleted records (and, with --flt, records\n"
    "the saved filter does not match) are not checked; records with an empty\n"
    "state or ZIP only with --blanks. --csz names a table of the CSZ.DBF\n"
    "structure (NAME, STATE, LOW_ZIP, HIGH_ZIP); the default is the one that\n"
    "comes with the program.\n";

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli check-zip --help' for usage)", kExitUsage);
}

QString shippedStateTable() {
    // The installed sysdata/ is found from the executable's folder, which
    // only an application object knows.
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "postcraft-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QString dir = text::installedSysdataDir();
    if (dir.isEmpty()) return {};
    for (const QString& name : QDir(dir).entryList(QDir::Files))
        if (name.compare(QLatin1String("CSZ.DBF"), Qt::CaseInsensitive) == 0)
            return QDir(dir).filePath(name);
    return {};
}

}  // namespace

int runCheckZipCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kCheckZipUsage;
        return 0;
    }
    QString table, flt, csz;
    bool blanks = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() {
            if (i + 1 >= args.size()) usageError(a + " needs a value");
            return QString::fromStdString(args[++i]);
        };
        if (a == "--flt")
            flt = value();
        else if (a == "--csz")
            csz = value();
        else if (a == "--blanks")
            blanks = true;
        else if (a.size() > 1 && a[0] == '-')
            usageError("unknown option '" + a + "'");
        else if (table.isEmpty())
            table = QString::fromStdString(a);
        else
            usageError("unexpected argument '" + a + "'");
    }
    if (table.isEmpty()) usageError("'check-zip' needs a TABLE");
    if (csz.isEmpty()) csz = shippedStateTable();
    if (csz.isEmpty())
        throw CliError("no CSZ.DBF came with the program; name one with --csz", kExitFailure);
    ScopedStderrMessages messages;
    data::DeletedFilterSetting hideDeleted(true);

    postal::StateRanges ranges;
    {
        data::TTable states;
        const QFileInfo info(csz);
        states.setFolder(info.absolutePath());
        states.setFileName(info.fileName());
        try {
            states.open();
        } catch (const std::exception&) {
            throw CliError("cannot open " + csz.toStdString(), kExitFailure);
        }
        data::TApollo stateEngine(&states);
        QString error;
        if (!ranges.load(states, stateEngine, &error))
            throw CliError(csz.toStdString() + ": " + error.toStdString(), kExitFailure);
    }

    const QString filter = filterOfFile(flt);
    data::TTable addresses;
    openAddressTable(table, addresses);
    data::TApollo engine(&addresses);
    if (!engine.setQuery(data::engineQuery(filter)))
        throw CliError("the filter cannot be used on " + table.toStdString(), kExitFailure);
    postal::StateZipCheck check(addresses, engine);
    if (!check.run(ranges, blanks))
        throw CliError(
            "cannot make " + check.indexPath().toStdString() + ": " + check.error().toStdString(),
            kExitFailure);
    check.removeIndex();
    addresses.close();
    for (int recno : check.records()) out << recno << '\n';
    out << "Found " << check.records().size() << " records with questionable state or zipcodes\n";
    return 0;
}

}  // namespace pc::cli
