#include "cli/check_dup_command.h"

#include <QTemporaryDir>

#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/option_numbers.h"
#include "cli/progress_line.h"
#include "cli/utility_arguments.h"
#include "data/data_error.h"
#include "data/t_table.h"
#include "data/temporary_index.h"
#include "maintenance/duplicate_check.h"

namespace pc::cli {
namespace {

const char* const kCheckDupUsage =
    "usage: postcraft-cli check-dup TABLE --kind 0|1|2|3 [--chars N] [--threshold T]\n"
    "\n"
    "Finds possible duplicates among the records of TABLE that are not deleted:\n"
    "  0  the same last and first name (letter case ignored)\n"
    "  1  the same last name and first initial\n"
    "  2  the same first N characters of the street (--chars, 1-30, default 30)\n"
    "  3  similar names: records with the same 5-digit ZIP or the same sound of\n"
    "     the last name whose last+first name and street are both at least T\n"
    "     similar (Jaro-Winkler, --threshold between 0 and 1, default 0.92)\n"
    "Kinds 0-2 count equal neighbours in name or street order. Prints the\n"
    "record numbers collected, in the order of upper(LNAME-FNAME) (kind 2:\n"
    "upper(STREET)), one per line, then \"Found N possible duplicates\" with the\n"
    "number of pairs.\n";

}  // namespace

int runCheckDupCommand(const std::vector<std::string>& args, std::ostream& out) {
    const std::string verb = "check-dup";
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kCheckDupUsage;
        return 0;
    }
    const UtilityArguments a =
        parseUtilityArguments(args, verb, {"--kind", "--chars", "--threshold"}, {});
    if (!a.has("--kind")) utilityUsageError(verb, "'check-dup' needs --kind 0, 1, 2 or 3");
    maintenance::DuplicateCheckOptions options;
    options.kind =
        static_cast<maintenance::DuplicateKind>(wholeNumber(a.values.at("--kind"), "--kind", 0, 3));
    if (a.has("--chars")) {
        if (options.kind != maintenance::DuplicateKind::Street)
            utilityUsageError(verb, "--chars goes with --kind 2");
        options.streetChars =
            wholeNumber(a.values.at("--chars"), "--chars", 1, maintenance::kMaxStreetChars);
    }
    if (a.has("--threshold")) {
        if (options.kind != maintenance::DuplicateKind::SimilarNames)
            utilityUsageError(verb, "--threshold goes with --kind 3");
        options.threshold = positiveNumber(a.values.at("--threshold"), "--threshold");
        if (options.threshold > 1) utilityUsageError(verb, "--threshold must be at most 1");
    }
    ScopedStderrMessages messages;

    data::TTable table;
    openUtilityTable(a.table, table);
    maintenance::DuplicateCheckResult result;
    // The records are collected in a temporary index, as the window does; a
    // folder of its own keeps it apart from a running program's.
    QTemporaryDir scratch;
    try {
        data::TemporaryIndex index(table, scratch.path() + "/" + maintenance::kDuplicateIndexName,
                                   maintenance::duplicateKeyExpression(options.kind));
        if (!scratch.isValid() || !index.ok())
            throw CliError("cannot create the temporary index: " + index.error().toStdString(),
                           kExitFailure);
        ProgressLine line("checking");
        result = maintenance::checkDuplicates(table, options, line.progress(), &index);
    } catch (const data::DataError& e) {
        throw CliError(e.message().toStdString(), kExitFailure);
    }
    table.close();
    std::string text;
    for (int record : result.records) text += std::to_string(record) + '\n';
    out << text << maintenance::duplicatesFoundText(result.pairs).toStdString() << '\n';
    return 0;
}

}  // namespace pc::cli
