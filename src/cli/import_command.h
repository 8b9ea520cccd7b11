#pragma once
// `postcraft-cli import ascii|csv|vcard|dbf|older TABLE FILE ...`: appends
// the records of a text file, a vCard file or another table to an address
// table as the program's import windows do, then makes its index again.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

// Prints the number of records added and, on a second line, the characters
// that could not be stored; returns the exit status.
int runImportCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
