#pragma once
// `postcraft-cli rtf text FILE.rtf`: the document's text as our reader
// understands it, in UTF-8, one paragraph per line.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

extern const char* const kRtfUsage;

// Arguments after "rtf"; returns the exit status, throws CliError.
int runRtfCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
