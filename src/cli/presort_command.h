#pragma once
// `postcraft-cli presort TABLE [--flt FILE] [--out FILE]`: the bulk-mail
// presort list of a table's records, as PRESORT.PSL is written.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

int runPresortCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
