#include "cli/replace_command.h"

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/progress_line.h"
#include "cli/utility_arguments.h"
#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/t_table.h"
#include "maintenance/search_and_replace.h"

namespace pc::cli {
namespace {

const char* const kReplaceUsage =
    "usage: postcraft-cli replace TABLE --field F --find V [--contains] [--case-sensitive]\n"
    "                             [--partial] --with R [--flt FILE]\n"
    "\n"
    "In every record of TABLE that is not deleted (and matches the saved filter\n"
    "when given) whose field F begins with V (with --contains: holds V), sets F\n"
    "to R, or with --partial replaces only the matching text (at most 50 times\n"
    "per field). An empty V selects the records whose F is empty. Letter case\n"
    "is ignored unless --case-sensitive is given. F is a field name (LNAME,\n"
    "STREET, ...). Prints the number of records changed.\n";

}  // namespace

int runReplaceCommand(const std::vector<std::string>& args, std::ostream& out) {
    const std::string verb = "replace";
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kReplaceUsage;
        return 0;
    }
    const UtilityArguments a =
        parseUtilityArguments(args, verb, {"--field", "--find", "--with", "--flt"},
                              {"--contains", "--case-sensitive", "--partial"});
    for (const char* needed : {"--field", "--find", "--with"})
        if (!a.has(needed)) utilityUsageError(verb, std::string("'replace' needs ") + needed);
    maintenance::ReplaceRequest request;
    for (const maintenance::ReplaceableField& f : maintenance::replaceableFields())
        if (a.value("--field").compare(QLatin1String(f.field), Qt::CaseInsensitive) == 0) {
            request.field = f.field;
            request.displayName = f.displayName;
        }
    if (request.field.isEmpty())
        utilityUsageError(verb,
                          "--field must name one of LNAME, FNAME, MIDDLE, TITLE, ORG, STREET, "
                          "STREET2, CITY, STATE, ZIP, COUNTRY, PHONE, PHONE2, EMAIL, FAX, "
                          "CODES, USER1, USER2");
    request.find = a.value("--find");
    request.with = a.value("--with");
    request.contains = a.has("--contains");
    request.caseSensitive = a.has("--case-sensitive");
    request.partial = a.has("--partial");
    ScopedStderrMessages messages;

    const QString filter = filterOfFile(a.value("--flt"));
    data::TTable table;
    openUtilityTable(a.table, table);
    const int width = table.fieldByName(request.field).width();
    for (const auto& [option, text] : {std::pair{"--find", request.find}, {"--with", request.with}})
        if (text.size() > width)
            throw CliError(std::string(option) + " is longer than the field " +
                               request.field.toStdString() + " (" + std::to_string(width) +
                               " characters)",
                           kExitFailure);
    int changed = 0;
    try {
        data::DeletedFilterSetting hideDeleted(true);
        ProgressLine line("replacing");
        changed = maintenance::replaceFieldValues(table, request, data::engineQuery(filter),
                                                  line.progress());
    } catch (const data::DataError& e) {
        throw CliError(e.message().toStdString(), kExitFailure);
    }
    table.close();
    out << changed << '\n';
    return 0;
}

}  // namespace pc::cli
