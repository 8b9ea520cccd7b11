#pragma once
// `postcraft-cli convert-case TABLE --to upper|lower|first [--fields LIST]
// [--flt FILE]`: letter case of address fields in bulk; prints the number of
// records whose text changed.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runConvertCaseCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
