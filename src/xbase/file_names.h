#pragma once
// Finding files the way users name them: a table copied in as "label.dbf"
// is the same as "LABEL.DBF".
#include <string>

namespace pc::xbase {

// The path of `name` inside `dir`, matched exactly first and then without
// regard to letter case; "" when there is none.
std::string findFileNoCase(const std::string& dir, const std::string& name);

}  // namespace pc::xbase
