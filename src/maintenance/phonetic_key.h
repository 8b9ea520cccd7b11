#pragma once
// The Soundex code of a name (a letter and three digits, "B260" for BAKER
// and BAKR): names that sound alike share it, so a misspelt last name still
// meets its original. Letters outside A-Z are skipped; "" when there is none.
#include <string>
#include <string_view>

namespace pc::maintenance {

std::string soundex(std::string_view name);

}  // namespace pc::maintenance
