// The table of functions and the argument checks shared by their builders.
#include "expr_functions.h"

#include <cmath>

#include "expr_operators.h"
#include "expr_text.h"

namespace xbase::expr {
namespace {

struct FunctionSpec {
  const char* name;
  size_t min_args;
  size_t max_args;
  Status (*build)(const Call&);
};

constexpr FunctionSpec kFunctions[] = {
    {"ABS", 1, 1, BuildAbs},          {"ALLTRIM", 1, 1, BuildAllTrim},
    {"ASC", 1, 1, BuildAsc},          {"AT", 2, 2, BuildAt},
    {"CHR", 1, 1, BuildChr},          {"CTOD", 1, 1, BuildCtod},
    {"DATE", 0, 0, BuildDate},        {"DAY", 1, 1, BuildDay},
    {"DELETED", 0, 0, BuildDeleted},  {"DTOC", 1, 1, BuildDtoc},
    {"DTOS", 1, 1, BuildDtos},        {"EMPTY", 1, 1, BuildEmpty},
    {"IIF", 3, 3, BuildIif},          {"INT", 1, 1, BuildInt},
    {"LEFT", 2, 2, BuildLeft},        {"LEN", 1, 1, BuildLen},
    {"LOWER", 1, 1, BuildLower},      {"LTRIM", 1, 1, BuildLTrim},
    {"MAX", 2, 2, BuildMax},          {"MIN", 2, 2, BuildMin},
    {"MONTH", 1, 1, BuildMonth},      {"PADL", 2, 3, BuildPadL},
    {"PADR", 2, 3, BuildPadR},        {"RECNO", 0, 0, BuildRecno},
    {"REPLICATE", 2, 2, BuildReplicate}, {"RIGHT", 2, 2, BuildRight},
    {"ROUND", 2, 2, BuildRound},      {"RTRIM", 1, 1, BuildRTrim},
    {"SPACE", 1, 1, BuildSpace},      {"STR", 1, 3, BuildStr},
    {"SUBSTR", 2, 3, BuildSubstr},    {"TRIM", 1, 1, BuildRTrim},
    {"UPPER", 1, 1, BuildUpper},      {"VAL", 1, 1, BuildVal},
    {"YEAR", 1, 1, BuildYear},
};

// Canonical name upper-cased; true when `written` names it in full or by an
// abbreviation of at least four letters.
bool NameMatches(std::string_view canonical, std::string_view written, bool allow_abbreviation) {
  if (written.size() > canonical.size()) return false;
  if (written.size() < canonical.size() && (!allow_abbreviation || written.size() < 4)) return false;
  for (size_t i = 0; i < written.size(); ++i) {
    if (ToUpper(written[i]) != canonical[i]) return false;
  }
  return true;
}

const FunctionSpec* FindFunction(std::string_view name) {
  for (const FunctionSpec& spec : kFunctions) {
    if (NameMatches(spec.name, name, false)) return &spec;
  }
  const FunctionSpec* found = nullptr;
  for (const FunctionSpec& spec : kFunctions) {
    if (NameMatches(spec.name, name, true)) {
      if (found != nullptr) return nullptr;  // ambiguous abbreviation
      found = &spec;
    }
  }
  return found;
}

std::string ArgumentCount(size_t min, size_t max) {
  auto plural = [](size_t n) { return std::to_string(n) + (n == 1 ? " argument" : " arguments"); };
  if (min == max) return min == 0 ? "no arguments" : plural(min);
  if (max == min + 1) return std::to_string(min) + " or " + plural(max);
  return std::to_string(min) + " to " + plural(max);
}

std::string ArgumentName(const Call& call, size_t i) {
  return call.args.size() == 1 ? "argument" : "argument " + std::to_string(i + 1);
}

}  // namespace

Status Call::Expect(size_t i, ValueType type) const {
  if (args[i].node->type() == type) return Status::OK();
  return ErrorAt(std::string(name) + " needs a " + TypeName(type) + " " +
                     ArgumentName(*this, i) + ", not " + TypeName(args[i].node->type()),
                 args[i].column);
}

Status Call::ConstantInt(size_t i, int lo, int hi, int* value) const {
  XBASE_RETURN_IF_ERROR(Expect(i, ValueType::kNumeric));
  const Node& node = *args[i].node;
  if (!node.constant()) {
    return ErrorAt(std::string(name) + " needs a constant " + ArgumentName(*this, i),
                   args[i].column);
  }
  RecordRef nothing;
  double v = node.Number(Frame{nothing, nullptr});
  if (!(v >= lo && v <= hi)) {
    return ErrorAt(std::string(name) + " " + ArgumentName(*this, i) + " must be between " +
                       std::to_string(lo) + " and " + std::to_string(hi),
                   args[i].column);
  }
  *value = static_cast<int>(std::trunc(v));
  return Status::OK();
}

Status MakeFunctionCall(std::string_view name, int column, std::vector<Argument> args,
                        ScratchPlan* plan, NodePtr* result) {
  const FunctionSpec* spec = FindFunction(name);
  if (spec == nullptr) return ErrorAt("unknown function \"" + std::string(name) + "\"", column);
  if (args.size() < spec->min_args || args.size() > spec->max_args) {
    return ErrorAt(std::string(spec->name) + " needs " + ArgumentCount(spec->min_args, spec->max_args) +
                       ", not " + std::to_string(args.size()),
                   column);
  }
  return spec->build(Call{spec->name, args, plan, result});
}

}  // namespace xbase::expr
