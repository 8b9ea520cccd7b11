#pragma once
// `postcraft-cli replace TABLE --field F --find V ... --with R`: search and
// replace over one field, as the window does it; prints the number of
// records changed.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runReplaceCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
