#pragma once
// `postcraft-cli filter --flt FILE [--db TABLE] [--home DIR]`: the filter
// string and engine query a saved filter gives, and with a table the number
// of records it matches.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

extern const char* const kFilterUsage;

// Arguments after "filter"; returns the exit status, throws CliError.
int runFilterCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
