#pragma once
// A full structural check of one tree, for tests, repair tools and the fuzzer.
#include <string>
#include <vector>

#include "xbase/cdx_tag_cursor.h"

namespace pc::xbase::cdx {

// Empty when sound, else a description of the first fault found. With
// `seen` (one flag per page of the file), a page already marked there, or
// met twice in this tree, is a fault; the tree's pages are marked.
std::string verifyTree(const TreeRef& ref, bool unique, std::vector<bool>* seen = nullptr);

}  // namespace pc::xbase::cdx
