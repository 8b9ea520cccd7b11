#pragma once
// `postcraft-cli zipcount TABLE [--flt FILE]`: the ZIP count report lines of
// an address table, as the count window lists them.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runZipCountCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
