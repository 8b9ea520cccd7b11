#pragma once
// Numbers given to command-line options; a value that is not one is a
// usage error naming the option.
#include <climits>
#include <string>

namespace pc::cli {

int wholeNumber(const std::string& text, const char* option, int low = INT_MIN, int high = INT_MAX);
double positiveNumber(const std::string& text, const char* option);

}  // namespace pc::cli
