#include "cli/utility_arguments.h"

#include "cli/address_input.h"
#include "cli/db_command.h"
#include "data/t_table.h"

namespace pc::cli {

QString UtilityArguments::value(const std::string& option) const {
    const auto it = values.find(option);
    return it == values.end() ? QString() : QString::fromStdString(it->second);
}

void utilityUsageError(const std::string& verb, const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli " + verb + " --help' for usage)", kExitUsage);
}

UtilityArguments parseUtilityArguments(const std::vector<std::string>& args,
                                       const std::string& verb,
                                       const std::set<std::string>& valueOptions,
                                       const std::set<std::string>& switchOptions) {
    UtilityArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        const size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        if (valueOptions.count(name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) utilityUsageError(verb, name + " needs a value");
                value = args[++i];
            }
            if (parsed.has(name)) utilityUsageError(verb, name + " given twice");
            parsed.values[name] = value;
        } else if (switchOptions.count(name) && !inlineValue) {
            if (parsed.has(name)) utilityUsageError(verb, name + " given twice");
            parsed.switches.insert(name);
        } else if (name.size() > 1 && name[0] == '-') {
            utilityUsageError(verb, "unknown option '" + args[i] + "'");
        } else if (parsed.table.isEmpty()) {
            parsed.table = QString::fromStdString(name);
        } else {
            utilityUsageError(verb, "unexpected argument '" + name + "'");
        }
    }
    if (parsed.table.isEmpty()) utilityUsageError(verb, "'" + verb + "' needs a TABLE");
    return parsed;
}

void openUtilityTable(const QString& path, data::TTable& table) {
    table.setExclusive(true);
    openAddressTable(path, table);
}

}  // namespace pc::cli
