#include "cli/verb_options.h"

#include <algorithm>

#include "cli/db_command.h"

namespace pc::cli {

void verbUsageError(const std::string& command, const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli " + command + " --help' for usage)",
                   kExitUsage);
}

VerbOptions parseVerbOptions(const std::string& command, const std::vector<std::string>& args,
                             const std::vector<std::string>& known,
                             const std::vector<std::string>& flags,
                             const std::vector<std::string>& needed) {
    VerbOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (std::find(flags.begin(), flags.end(), a) != flags.end()) {
            options[a] = QStringLiteral("1");
            continue;
        }
        if (std::find(known.begin(), known.end(), a) == known.end())
            verbUsageError(command, "unexpected argument '" + a + "'");
        if (i + 1 >= args.size()) verbUsageError(command, a + " needs a value");
        options[a] = QString::fromStdString(args[++i]);
    }
    for (const std::string& n : needed)
        if (!options.count(n))
            verbUsageError(command, n == "--home" ? "--home DIR is needed" : n + " is needed");
    return options;
}

data::RecordChoice recordsOption(const std::string& command, const VerbOptions& options) {
    const auto it = options.find("--records");
    const QString records = it == options.end() ? QStringLiteral("all") : it->second;
    if (records == QLatin1String("all")) return data::RecordChoice::All;
    if (records == QLatin1String("filter")) return data::RecordChoice::MatchingFilter;
    if (records == QLatin1String("current")) return data::RecordChoice::CurrentOnly;
    verbUsageError(command, "--records is all, filter or current");
}

}  // namespace pc::cli
