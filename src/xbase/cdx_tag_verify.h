#pragma once
// A full structural check of one tree, for tests, repair tools and the fuzzer.
#include <string>

#include "xbase/cdx_tag_cursor.h"

namespace pc::xbase::cdx {

// Empty when sound, else a description of the first fault found.
std::string verifyTree(const TreeRef& ref, bool unique);

}  // namespace pc::xbase::cdx
