// Recursive-descent parser that builds the typed node tree of an expression,
// checking types and folding constant parts as it goes.
#pragma once

#include <string_view>

#include "expr_node.h"

namespace xbase::expr {

// Longest expression text accepted; keeps compile time and memory bounded.
inline constexpr size_t kMaxExpressionLength = 65535;
// Nesting (parentheses, calls, unary operators) allowed in the source text.
inline constexpr int kMaxNesting = 200;

// Parses `text` against `schema`. On success *root holds the tree and *plan
// the working memory its evaluation needs.
Status Parse(std::string_view text, const Schema& schema, ScratchPlan* plan, NodePtr* root);

}  // namespace xbase::expr
