#pragma once
// `postcraft-cli db create-address` and `db check-index`: address databases
// made and checked by the program's own routines.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

bool isAddressVerb(const std::string& verb);
// Runs the verb in args[0]; returns the exit status, throws CliError for
// usage errors.
int runAddressCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
