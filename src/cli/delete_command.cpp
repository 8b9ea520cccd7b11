#include "cli/delete_command.h"

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/progress_line.h"
#include "cli/utility_arguments.h"
#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/t_table.h"
#include "maintenance/record_deletion.h"

namespace pc::cli {
namespace {

const char* const kDeleteUsage =
    "usage: postcraft-cli delete TABLE (--all | --matching | --not-matching)\n"
    "                            [--flt FILE]\n"
    "\n"
    "--all removes every record of TABLE at once and prints how many it held.\n"
    "--matching and --not-matching need the saved filter --flt: they mark the\n"
    "records that match it (or do not) and are not deleted yet as deleted\n"
    "(ISDEL and the deletion mark), and print how many they marked. Pack the\n"
    "table afterwards (db pack) to reclaim the space.\n";

}  // namespace

int runDeleteCommand(const std::vector<std::string>& args, std::ostream& out) {
    const std::string verb = "delete";
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kDeleteUsage;
        return 0;
    }
    const UtilityArguments a =
        parseUtilityArguments(args, verb, {"--flt"}, {"--all", "--matching", "--not-matching"});
    const int chosen = a.has("--all") + a.has("--matching") + a.has("--not-matching");
    if (chosen != 1)
        utilityUsageError(verb, "'delete' needs one of --all, --matching or --not-matching");
    const auto scope = a.has("--all")        ? maintenance::DeleteScope::All
                       : a.has("--matching") ? maintenance::DeleteScope::Matching
                                             : maintenance::DeleteScope::NotMatching;
    // Without a filter the window offers only "all"; a command does not guess.
    if (scope != maintenance::DeleteScope::All && !a.has("--flt"))
        utilityUsageError(verb, "--matching and --not-matching need --flt FILE");
    ScopedStderrMessages messages;

    const QString filter = filterOfFile(a.value("--flt"));
    if (scope != maintenance::DeleteScope::All && filter.trimmed().isEmpty())
        throw CliError(a.value("--flt").toStdString() + ": the filter sets no criteria",
                       kExitFailure);
    data::TTable table;
    openUtilityTable(a.table, table);
    int deleted = 0;
    try {
        data::DeletedFilterSetting hideDeleted(true);
        ProgressLine line("deleting");
        deleted = maintenance::deleteRecords(table, scope, filter, line.progress());
    } catch (const data::DataError& e) {
        throw CliError(e.message().toStdString(), kExitFailure);
    }
    table.close();
    out << deleted << '\n';
    return 0;
}

}  // namespace pc::cli
