#include "cli/zipcount_command.h"

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "postal/zip_code_count.h"

namespace pc::cli {
namespace {

const char* const kZipCountUsage =
    "usage: postcraft-cli zipcount TABLE [--flt FILE]\n"
    "\n"
    "Counts the records of TABLE that are not deleted (and match the saved\n"
    "filter when given) by the first five characters of their ZIP and prints\n"
    "the count report: one line per ZIP with its count, two empty lines, the\n"
    "keys that are not ZIP codes, and BLANK for records without a ZIP.\n";

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli zipcount --help' for usage)", kExitUsage);
}

}  // namespace

int runZipCountCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kZipCountUsage;
        return 0;
    }
    QString table, flt;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--flt") {
            if (i + 1 >= args.size()) usageError(a + " needs a value");
            flt = QString::fromStdString(args[++i]);
        } else if (a.size() > 1 && a[0] == '-') {
            usageError("unknown option '" + a + "'");
        } else if (table.isEmpty()) {
            table = QString::fromStdString(a);
        } else {
            usageError("unexpected argument '" + a + "'");
        }
    }
    if (table.isEmpty()) usageError("'zipcount' needs a TABLE");
    ScopedStderrMessages messages;

    const QString filter = filterOfFile(flt);
    data::TTable addresses;
    openAddressTable(table, addresses);
    data::TApollo engine(&addresses);
    postal::ZipCodeCount counts;
    {
        data::DeletedFilterSetting hideDeleted(true);
        if (!engine.setQuery(data::engineQuery(filter)))
            throw CliError("the filter cannot be used on " + table.toStdString(), kExitFailure);
        postal::countZipCodes(addresses, engine, counts);
    }
    addresses.close();
    for (const QString& line : counts.reportLines(QStringLiteral(",")))
        out << line.toStdString() << '\n';
    return 0;
}

}  // namespace pc::cli
