#pragma once
// `postcraft-cli export TABLE (--dbf OUT | --text OUT [--rfc4180]
// [--encoding utf-8|cp1252]) [--flt FILE]`: copies records out; prints the
// number copied.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runExportCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
