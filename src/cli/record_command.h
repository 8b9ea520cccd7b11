#pragma once
// `postcraft-cli record print`: one address record as a data sheet in PDF.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runRecordCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
