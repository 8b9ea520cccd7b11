#include "cli/filter_command.h"

#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <map>
#include <ostream>

#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "data/address_database.h"
#include "data/address_schema.h"
#include "data/filter_criteria.h"
#include "data/filter_file.h"
#include "data/filter_query.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/profile_file.h"
#include "text/program_paths.h"

namespace pc::cli {

const char* const kFilterUsage =
    "usage: postcraft-cli filter --flt FILE [--db TABLE] [--home DIR]\n"
    "\n"
    "Prints the filter string a saved filter (.FLT) gives, the engine query the\n"
    "program would set for it and, with --db, the number of matching records.\n"
    "The global tag identifier comes from DIR/POSTCR.ini (section Misc, key\n"
    "GlobalTagId). A filter with no criteria, or longer than 243 characters,\n"
    "is an error.\n";

namespace {

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli filter --help' for usage)", kExitUsage);
}

std::map<std::string, QString> parse(const std::vector<std::string>& args) {
    std::map<std::string, QString> values;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        const size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        } else if (name == "--flt" || name == "--db" || name == "--home") {
            if (i + 1 >= args.size()) usageError(name + " needs a value");
            value = args[++i];
        }
        if (name != "--flt" && name != "--db" && name != "--home")
            usageError("unknown argument '" + args[i] + "'");
        if (values.count(name)) usageError(name + " given twice");
        if (value.empty()) usageError(name + " is empty");
        values[name] = QString::fromStdString(value);
    }
    if (!values.count("--flt")) usageError("'filter' needs --flt FILE");
    return values;
}

}  // namespace

int runFilterCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kFilterUsage;
        return 0;
    }
    auto values = parse(args);
    ScopedStderrMessages messages;

    if (values.count("--home")) pc::text::setHome(values["--home"]);
    const QString tagId =
        pc::text::ProfileFile(pc::text::settingsPath()).readString("Misc", "GlobalTagId");

    pc::data::FilterCriteria criteria;
    QString error;
    if (!pc::data::readFilterFile(values["--flt"], criteria, &error))
        throw CliError(error.toStdString(), kExitFailure);
    const QString filter = pc::data::buildQueryString(criteria, tagId);
    out << "filter: " << filter.toStdString() << '\n';
    // The program would quietly fall back to every record; a command says so.
    const std::string flt = values["--flt"].toStdString();
    if (filter.trimmed().isEmpty())
        throw CliError(flt + ": the filter sets no criteria, so it selects nothing", kExitFailure);
    if (pc::data::filterTooComplex(filter)) {
        throw CliError(flt + ": the filter is " + std::to_string(filter.size()) +
                           " characters long; at most " +
                           std::to_string(pc::data::kMaxFilterLength) + " can be used",
                       kExitFailure);
    }

    if (!values.count("--db")) {
        out << "query: " << pc::data::engineQuery(filter).toStdString() << '\n';
        return 0;
    }

    QString path = values["--db"];
    if (QFileInfo(path).suffix().isEmpty()) path += ".dbf";
    pc::data::TTable table;
    pc::data::defineAddressFields(table, [tagId] { return tagId; });
    if (!pc::data::OpenPKWFile(path, table))
        throw CliError("cannot open " + path.toStdString(), kExitFailure);
    pc::data::TApollo apollo(&table);
    const pc::data::FilterQueryResult result = pc::data::runFilterQuery(apollo, filter);
    table.close();
    out << "query: " << result.query.toStdString() << '\n';
    out << "count: " << result.count << '\n';
    return 0;
}

}  // namespace pc::cli
