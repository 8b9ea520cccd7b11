#pragma once
// The options of a command's verb: "--name value" pairs and bare flags.
// Anything else, or a needed option left out, is a usage error that points
// at the command's help.
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "data/record_choice.h"

namespace pc::cli {

using VerbOptions = std::map<std::string, QString>;

[[noreturn]] void verbUsageError(const std::string& command, const std::string& message);

// "--records all|filter|current" (all when left out).
data::RecordChoice recordsOption(const std::string& command, const VerbOptions& options);

// `args` starts with the verb. A flag present maps to "1".
VerbOptions parseVerbOptions(const std::string& command, const std::vector<std::string>& args,
                             const std::vector<std::string>& known,
                             const std::vector<std::string>& flags = {},
                             const std::vector<std::string>& needed = {"--home"});

}  // namespace pc::cli
