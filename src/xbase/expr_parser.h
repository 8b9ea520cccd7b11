#pragma once
// Recursive-descent parser from tokens to a typed, folded node tree. Types are
// checked here, so evaluation never meets a mismatch.
#include <string>
#include <string_view>
#include <vector>

#include "xbase/expr_nodes.h"

namespace pc::xbase::expr {

// Deepest tree (and parser recursion) accepted; hostile input cannot
// exhaust the stack.
constexpr int kMaxDepth = 200;

// Null and *error set for anything malformed. Never throws.
// `reads` (may be null) collects what the expression reads of a record.
NodePtr parseExpression(std::string_view text, const std::vector<FieldDef>& fields,
                        const ExprSettings* settings, std::string* error,
                        ExprReads* reads = nullptr);

}  // namespace pc::xbase::expr
