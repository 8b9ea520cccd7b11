#include "cli/convert_case_command.h"

#include <QStringList>

#include "cli/address_input.h"
#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "cli/progress_line.h"
#include "cli/utility_arguments.h"
#include "data/data_error.h"
#include "data/engine_setting_guards.h"
#include "data/filter_query.h"
#include "data/t_table.h"
#include "maintenance/case_converter.h"

namespace pc::cli {
namespace {

const char* const kConvertCaseUsage =
    "usage: postcraft-cli convert-case TABLE --to upper|lower|first [--fields LIST]\n"
    "                                  [--flt FILE]\n"
    "\n"
    "Converts the letter case (ASCII letters A-Z only) of the chosen fields in\n"
    "every record of TABLE that is not deleted (and matches the saved filter\n"
    "when given). first: lower case, each letter at the start or after a blank\n"
    "upper case. LIST is comma-separated field names out of LNAME, FNAME,\n"
    "MIDDLE, TITLE, ORG, STREET, STREET2, CITY, STATE, ZIP, COUNTRY, PREFIX,\n"
    "USER1, USER2, CODES (all of them when not given). Prints the number of\n"
    "records whose text changed.\n";

}  // namespace

int runConvertCaseCommand(const std::vector<std::string>& args, std::ostream& out) {
    const std::string verb = "convert-case";
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kConvertCaseUsage;
        return 0;
    }
    const UtilityArguments a = parseUtilityArguments(args, verb, {"--to", "--fields", "--flt"}, {});
    const std::string to = a.value("--to").toLower().toStdString();
    maintenance::CaseConversion conversion;
    if (to == "upper")
        conversion = maintenance::CaseConversion::Upper;
    else if (to == "lower")
        conversion = maintenance::CaseConversion::Lower;
    else if (to == "first")
        conversion = maintenance::CaseConversion::FirstCapital;
    else
        utilityUsageError(verb, "'convert-case' needs --to upper, lower or first");
    QStringList fields;
    if (a.has("--fields")) {
        for (const QString& name : a.value("--fields").split(',', Qt::SkipEmptyParts)) {
            if (maintenance::inConversionOrder({name.trimmed()}).isEmpty())
                utilityUsageError(verb, "--fields: '" + name.toStdString() +
                                            "' is not a field that can be converted");
            fields << name.trimmed();
        }
        if (fields.isEmpty()) utilityUsageError(verb, "--fields names no field");
    } else {
        for (const maintenance::ConvertibleField& f : maintenance::convertibleFields())
            fields << f.field;
    }
    ScopedStderrMessages messages;

    const QString filter = filterOfFile(a.value("--flt"));
    data::TTable table;
    openUtilityTable(a.table, table);
    maintenance::ConversionResult result;
    try {
        data::DeletedFilterSetting hideDeleted(true);
        ProgressLine line("converting");
        result = maintenance::convertRecords(table, fields, conversion,
                                             maintenance::ConversionScope::MatchingFilter,
                                             data::engineQuery(filter), line.progress());
    } catch (const data::DataError& e) {
        throw CliError(e.message().toStdString(), kExitFailure);
    }
    table.close();
    out << result.changed << '\n';
    return 0;
}

}  // namespace pc::cli
