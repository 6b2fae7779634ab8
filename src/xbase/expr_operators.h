// Builds operator nodes, checking operand types. Error messages name the
// operator but not the position; the parser adds the column.
#pragma once

#include "expr_node.h"

namespace xbase::expr {

enum class BinaryOp {
  kAdd, kSubtract, kMultiply, kDivide, kModulo, kPower,
  kEqual, kExactEqual, kNotEqual, kLess, kLessEqual, kGreater, kGreaterEqual,
  kContains, kAnd, kOr,
};

// The operator as written, for messages ("+", "$", ".AND.").
const char* BinaryOpName(BinaryOp op);

Status MakeBinary(BinaryOp op, NodePtr left, NodePtr right, ScratchPlan* plan, NodePtr* result);
Status MakeNot(NodePtr operand, NodePtr* result);
Status MakeNegate(NodePtr operand, NodePtr* result);

// Human names for messages: "character", "numeric", "logical", "date".
const char* TypeName(ValueType type);

}  // namespace xbase::expr
