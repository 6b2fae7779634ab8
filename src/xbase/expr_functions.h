// The function library: looking a call up by name, checking its arguments
// and building its node.
#pragma once

#include <string_view>
#include <vector>

#include "expr_node.h"

namespace xbase::expr {

struct Argument {
  NodePtr node;
  int column = 0;  // where the argument starts, for messages
};

// A call being compiled. Builders check argument types with the helpers
// below and store the new node in *result.
struct Call {
  const char* name;  // canonical upper-case name
  std::vector<Argument>& args;
  ScratchPlan* plan;
  NodePtr* result;

  // Fails with "UPPER needs a character argument" (or "... argument 2").
  Status Expect(size_t i, ValueType type) const;
  // Reads argument i as a whole number in [lo, hi]; it must be constant.
  Status ConstantInt(size_t i, int lo, int hi, int* value) const;
  NodePtr Take(size_t i) const { return std::move(args[i].node); }
};

// Compiles a call of `name` (any case; a unique abbreviation of at least
// four letters also names a function). `column` is where the name starts.
Status MakeFunctionCall(std::string_view name, int column, std::vector<Argument> args,
                        ScratchPlan* plan, NodePtr* result);

// Builders, one per function, defined with their nodes.
Status BuildUpper(const Call& call);
Status BuildLower(const Call& call);
Status BuildRTrim(const Call& call);
Status BuildLTrim(const Call& call);
Status BuildAllTrim(const Call& call);
Status BuildSubstr(const Call& call);
Status BuildLeft(const Call& call);
Status BuildRight(const Call& call);
Status BuildSpace(const Call& call);
Status BuildReplicate(const Call& call);
Status BuildPadL(const Call& call);
Status BuildPadR(const Call& call);
Status BuildAt(const Call& call);
Status BuildLen(const Call& call);
Status BuildChr(const Call& call);
Status BuildAsc(const Call& call);
Status BuildStr(const Call& call);
Status BuildVal(const Call& call);
Status BuildDtos(const Call& call);
Status BuildDtoc(const Call& call);
Status BuildCtod(const Call& call);
Status BuildDate(const Call& call);
Status BuildYear(const Call& call);
Status BuildMonth(const Call& call);
Status BuildDay(const Call& call);
Status BuildIif(const Call& call);
Status BuildEmpty(const Call& call);
Status BuildDeleted(const Call& call);
Status BuildRecno(const Call& call);
Status BuildInt(const Call& call);
Status BuildAbs(const Call& call);
Status BuildRound(const Call& call);
Status BuildMin(const Call& call);
Status BuildMax(const Call& call);

// Clamps a computed count or position into [lo, hi]; NaN gives lo.
inline long ClampCount(double v, long lo, long hi) {
  if (!(v >= static_cast<double>(lo))) return lo;
  if (v >= static_cast<double>(hi)) return hi;
  return static_cast<long>(v);
}

}  // namespace xbase::expr
