#pragma once
// `postcraft-cli letters list|add|show|merge|print`: the form letters of a
// Postcraft home, merged with address records and printed to PDF.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runLettersCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
