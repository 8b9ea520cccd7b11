#pragma once
// `postcraft-cli reports list|add|print`: the report layouts of a Postcraft
// home, and user-defined or built-in reports printed to PDF.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runReportsCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
