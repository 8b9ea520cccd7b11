#pragma once
// Just enough JSON for `db dump`: string escaping and number text.
#include <string>
#include <string_view>

namespace pc::cli {

// Appends `text` as a quoted JSON string. Control characters are escaped;
// bytes that are not valid UTF-8 become U+FFFD so the output stays valid JSON.
void appendJsonString(std::string& out, std::string_view text);
std::string jsonString(std::string_view text);

// A JSON number for a numeric field. `stored` is the field's text as stored
// (e.g. "   10.50"); when it is a plain decimal number it is used as is, minus
// redundant zeros, so no precision is lost. Otherwise `value` is printed with
// `decimals` places. Returns "null" for text that is all blanks.
std::string jsonNumber(std::string_view stored, double value, int decimals);

// `value` with `decimals` places, trailing zeros after the point dropped;
// "null" for infinities and NaN.
std::string formatDecimal(double value, int decimals);

}  // namespace pc::cli
