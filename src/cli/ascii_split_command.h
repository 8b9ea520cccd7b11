#pragma once
// `postcraft-cli ascii-split FILE`: each line of a comma-delimited file as a
// JSON array of the values exactly as the ASCII import cuts and cleans them.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

int runAsciiSplitCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
