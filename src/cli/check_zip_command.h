#pragma once
// `postcraft-cli check-zip TABLE [--blanks] [--csz FILE] [--flt FILE]`: the
// records of an address table whose state and ZIP do not fit the state table.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runCheckZipCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
