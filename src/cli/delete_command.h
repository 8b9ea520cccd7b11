#pragma once
// `postcraft-cli delete TABLE (--all | --matching | --not-matching)
// [--flt FILE]`: bulk deletion; prints the number of records deleted.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runDeleteCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
