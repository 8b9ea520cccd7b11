#pragma once
// Jaro-Winkler similarity of two strings: 1 for equal strings, 0 for
// nothing in common; common prefixes (up to 4 characters) weigh extra, as
// typing mistakes rarely fall at the start of a name.
#include <string_view>

namespace pc::maintenance {

double jaroWinkler(std::string_view a, std::string_view b);

}  // namespace pc::maintenance
