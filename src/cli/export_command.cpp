#include "cli/export_command.h"

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/progress_line.h"
#include "cli/utility_arguments.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "maintenance/copy_out.h"

namespace pc::cli {
namespace {

const char* const kExportUsage =
    "usage: postcraft-cli export TABLE (--dbf OUT | --text OUT [--rfc4180]\n"
    "                            [--encoding utf-8|cp1252]) [--flt FILE]\n"
    "\n"
    "Copies the records of TABLE that are not deleted (and match the saved\n"
    "filter when given), in natural order, into a new table OUT (.DBF, the same\n"
    "structure, memos included, no index) or a comma-delimited text file: one\n"
    "line per record, CR LF, twenty fields each in double quotes, quotes inside\n"
    "a value left as they are. --rfc4180 doubles such quotes and adds a\n"
    "heading line of field names; text is Windows-1252 unless --encoding\n"
    "utf-8. An existing OUT is replaced. Prints the number of records copied.\n";

}  // namespace

int runExportCommand(const std::vector<std::string>& args, std::ostream& out) {
    const std::string verb = "export";
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kExportUsage;
        return 0;
    }
    const UtilityArguments a = parseUtilityArguments(
        args, verb, {"--dbf", "--text", "--encoding", "--flt"}, {"--rfc4180"});
    const bool toTable = a.has("--dbf");
    if (toTable == a.has("--text"))
        utilityUsageError(verb, "'export' needs one of --dbf or --text");
    if (toTable && (a.has("--rfc4180") || a.has("--encoding")))
        utilityUsageError(verb, "--rfc4180 and --encoding go with --text");
    maintenance::TextExportFormat format;
    format.rfc4180 = a.has("--rfc4180");
    const QString encoding = a.value("--encoding").toLower();
    if (encoding == "utf-8" || encoding == "utf8")
        format.utf8 = true;
    else if (a.has("--encoding") && encoding != "cp1252" && encoding != "windows-1252")
        utilityUsageError(verb, "--encoding must be utf-8 or cp1252");
    const QString target = toTable ? a.value("--dbf") : a.value("--text");
    ScopedStderrMessages messages;

    const QString filter = filterOfFile(a.value("--flt"));
    data::TTable table;
    openUtilityTable(a.table, table);
    const QString problem = maintenance::copyTargetProblem(target, table.path(), toTable);
    if (!problem.isEmpty()) throw CliError(problem.toStdString(), kExitFailure);
    maintenance::CopyResult result;
    {
        data::TApollo engine(&table);
        data::DeletedFilterSetting hideDeleted(true);
        data::OrderSetting natural(engine, 0);
        data::QuerySetting query(engine, data::engineQuery(filter));
        if (!query.ok())
            throw CliError("the filter cannot be used on " + a.table.toStdString(), kExitFailure);
        ProgressLine line("copying");
        result = toTable ? maintenance::copyOutToTable(table, target, line.progress())
                         : maintenance::copyOutToText(table, target, format, line.progress());
    }
    table.close();
    if (!result.error.isEmpty())
        throw CliError(result.error.replace("\r", " ").simplified().toStdString(), kExitFailure);
    out << result.copied << '\n';
    return 0;
}

}  // namespace pc::cli
