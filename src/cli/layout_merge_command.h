#pragma once
// `postcraft-cli layout merge` and `layout render`: a layout file merged
// with one record of an address table as printing merges it, as JSON lines
// per object or as a picture of the label.
#include <ostream>
#include <string>
#include <vector>

namespace pc::cli {

// args: FILE --db TABLE --record N [--counter-step K]
int runLayoutMerge(const std::vector<std::string>& args, std::ostream& out);
// args: FILE --db TABLE --record N --size WxH --dpi D --png OUT
int runLayoutRender(const std::vector<std::string>& args);

}  // namespace pc::cli
