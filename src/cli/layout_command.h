#pragma once
// `postcraft-cli layout dump FILE` and `postcraft-cli layout load JSONFILE
// OUT`: layout files (.L, .E, .R) as JSON lines and back.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

extern const char* const kLayoutUsage;

// Arguments after "layout"; returns the exit status, throws CliError.
int runLayoutCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
