#pragma once
// `postcraft-cli dial --port DEVICE --number N [--pulse] [--prefix P]`:
// the modem sequence on a serial device.
#include <iosfwd>
#include <string>
#include <vector>

namespace pc::cli {

int runDialCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace pc::cli
