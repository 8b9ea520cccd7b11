#pragma once
// `postcraft-cli check-dup TABLE --kind 0|1|2|3 [--chars N] [--threshold T]`:
// the duplicate check; prints the records collected, in index order, then
// "Found N possible duplicates".
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runCheckDupCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
