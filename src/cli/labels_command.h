#pragma once
// `postcraft-cli labels list|add`: the label layouts of a Postcraft home.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runLabelsCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
