// Operator nodes: arithmetic, date arithmetic, text joins, comparisons, "$"
// and the logical connectives.
#include <cmath>
#include <cstring>

#include "expr_operators.h"
#include "expr_text.h"

namespace xbase::expr {
namespace {

bool IsComparison(BinaryOp op) {
  return op >= BinaryOp::kEqual && op <= BinaryOp::kGreaterEqual;
}

// Turns a three-way result into the comparison's answer.
bool Holds(BinaryOp op, int c) {
  switch (op) {
    case BinaryOp::kEqual:
    case BinaryOp::kExactEqual: return c == 0;
    case BinaryOp::kNotEqual: return c != 0;
    case BinaryOp::kLess: return c < 0;
    case BinaryOp::kLessEqual: return c <= 0;
    case BinaryOp::kGreater: return c > 0;
    default: return c >= 0;
  }
}

class BinaryNode : public Node {
 public:
  BinaryNode(ValueType type, size_t width, NodePtr left, NodePtr right, bool pure = true)
      : Node(type, width), left_(std::move(left)), right_(std::move(right)) {
    SetChildren({left_.get(), right_.get()}, pure);
  }

 protected:
  NodePtr left_;
  NodePtr right_;
};

class Arithmetic final : public BinaryNode {
 public:
  Arithmetic(BinaryOp op, ValueType type, NodePtr l, NodePtr r)
      : BinaryNode(type, 0, std::move(l), std::move(r)), op_(op) {}
  double Number(const Frame& f) const override {
    double a = left_->Number(f);
    double b = right_->Number(f);
    switch (op_) {
      case BinaryOp::kAdd: return a + b;
      case BinaryOp::kSubtract: return a - b;
      case BinaryOp::kMultiply: return a * b;
      case BinaryOp::kDivide: return a / b;
      case BinaryOp::kModulo: {
        // The result takes the divisor's sign, as xBase's MOD does.
        double r = std::fmod(a, b);
        return (r != 0 && ((r < 0) != (b < 0))) ? r + b : r;
      }
      default: return std::pow(a, b);
    }
  }

 private:
  BinaryOp op_;
};

// date + days, days + date, date - days. The empty date stays empty.
class DateShift final : public BinaryNode {
 public:
  DateShift(NodePtr date, NodePtr days, bool subtract)
      : BinaryNode(ValueType::kDate, 0, std::move(date), std::move(days)), subtract_(subtract) {}
  double Number(const Frame& f) const override {
    double jd = left_->Number(f);
    if (jd <= 0) return 0;
    double days = std::trunc(right_->Number(f));
    double result = subtract_ ? jd - days : jd + days;
    return result > 0 && result < 1e8 ? result : 0;
  }

 private:
  bool subtract_;
};

// "+" joins the texts as they are; "-" moves the left text's trailing blanks
// to the end of the result.
class Join final : public BinaryNode {
 public:
  Join(size_t width, NodePtr l, NodePtr r, bool move_blanks)
      : BinaryNode(ValueType::kCharacter, width, std::move(l), std::move(r)),
        move_blanks_(move_blanks) {}
  size_t Text(const Frame& f, char* out) const override {
    size_t left_len = left_->Text(f, out);
    if (!move_blanks_) return left_len + right_->Text(f, out + left_len);
    size_t kept = TrimmedLength(out, left_len);
    size_t right_len = right_->Text(f, out + kept);
    std::memset(out + kept + right_len, ' ', left_len - kept);
    return left_len + right_len;
  }

 private:
  bool move_blanks_;
};

// Text comparison of two arbitrary operands, each evaluated into working memory.
class TextComparison final : public BinaryNode {
 public:
  // The answer of "=" and the orderings depends on RecordRef::exact, so
  // only "==" and "$" may be folded at compile time.
  TextComparison(BinaryOp op, NodePtr l, NodePtr r, ScratchPlan* plan)
      : BinaryNode(ValueType::kLogical, 0, std::move(l), std::move(r),
                   op == BinaryOp::kExactEqual || op == BinaryOp::kContains),
        op_(op),
        left_literal_(left_->LiteralText()),
        right_literal_(right_->LiteralText()) {
    if (left_literal_ == nullptr) left_slot_ = plan->Reserve(left_->width());
    if (right_literal_ == nullptr) right_slot_ = plan->Reserve(right_->width());
  }
  bool Logical(const Frame& f) const override {
    const char* a;
    const char* b;
    size_t a_len = Operand(f, *left_, left_literal_, left_slot_, &a);
    size_t b_len = Operand(f, *right_, right_literal_, right_slot_, &b);
    if (op_ == BinaryOp::kExactEqual) return EqualIgnoringTrailingBlanks(a, a_len, b, b_len);
    if (op_ == BinaryOp::kContains) return FindText(a, a_len, b, b_len) >= 0;
    return Holds(op_, CompareForOperator(a, a_len, b, b_len, f.record.exact));
  }

 private:
  // Literals are used where they are; anything else is evaluated into its slot.
  static size_t Operand(const Frame& f, const Node& node, const std::string* literal, size_t slot,
                        const char** text) {
    if (literal != nullptr) {
      *text = literal->data();
      return literal->size();
    }
    char* out = f.scratch + slot;
    *text = out;
    return node.Text(f, out);
  }

  BinaryOp op_;
  const std::string* left_literal_;
  const std::string* right_literal_;
  size_t left_slot_ = 0;
  size_t right_slot_ = 0;
};

// field OP "literal" and UPPER(field) OP "literal": compares straight from the
// record, upper-casing on the fly and stopping where the answer is known.
class FieldToLiteralComparison final : public Node {
 public:
  FieldToLiteralComparison(BinaryOp op, const FieldText& field, std::string literal)
      : Node(ValueType::kLogical, 0), op_(op), field_(field), literal_(std::move(literal)) {}
  bool Logical(const Frame& f) const override {
    const char* a = f.record.data + field_.offset;
    size_t a_len = field_.length;
    if (op_ == BinaryOp::kExactEqual) {
      a_len = TrimmedLength(a, a_len);
      return a_len == TrimmedLength(literal_.data(), literal_.size()) && Compare(a, a_len) == 0;
    }
    if (!f.record.exact && a_len > literal_.size()) a_len = literal_.size();
    return Holds(op_, Compare(a, a_len));
  }

 private:
  // ComparePadded(field bytes, literal) with the field optionally upper-cased.
  int Compare(const char* a, size_t a_len) const {
    const unsigned char* b = reinterpret_cast<const unsigned char*>(literal_.data());
    size_t b_len = literal_.size();
    size_t common = a_len < b_len ? a_len : b_len;
    const unsigned char* ua = reinterpret_cast<const unsigned char*>(a);
    for (size_t i = 0; i < common; ++i) {
      unsigned char c = field_.upper ? kUpperTable[ua[i]] : ua[i];
      if (c != b[i]) return c < b[i] ? -1 : 1;
    }
    for (size_t i = common; i < a_len; ++i) {
      unsigned char c = field_.upper ? kUpperTable[ua[i]] : ua[i];
      if (c != ' ') return c < ' ' ? -1 : 1;
    }
    for (size_t i = common; i < b_len; ++i) {
      if (b[i] != ' ') return b[i] < ' ' ? 1 : -1;
    }
    return 0;
  }

  BinaryOp op_;
  FieldText field_;
  std::string literal_;
};

class NumberComparison final : public BinaryNode {
 public:
  NumberComparison(BinaryOp op, NodePtr l, NodePtr r)
      : BinaryNode(ValueType::kLogical, 0, std::move(l), std::move(r)), op_(op) {}
  bool Logical(const Frame& f) const override {
    double a = left_->Number(f);
    double b = right_->Number(f);
    return Holds(op_, a < b ? -1 : (a > b ? 1 : 0));
  }

 private:
  BinaryOp op_;
};

class LogicalComparison final : public BinaryNode {
 public:
  LogicalComparison(bool equal, NodePtr l, NodePtr r)
      : BinaryNode(ValueType::kLogical, 0, std::move(l), std::move(r)), equal_(equal) {}
  bool Logical(const Frame& f) const override {
    return (left_->Logical(f) == right_->Logical(f)) == equal_;
  }

 private:
  bool equal_;
};

class And final : public BinaryNode {
 public:
  And(NodePtr l, NodePtr r) : BinaryNode(ValueType::kLogical, 0, std::move(l), std::move(r)) {}
  bool Logical(const Frame& f) const override { return left_->Logical(f) && right_->Logical(f); }
};

class Or final : public BinaryNode {
 public:
  Or(NodePtr l, NodePtr r) : BinaryNode(ValueType::kLogical, 0, std::move(l), std::move(r)) {}
  bool Logical(const Frame& f) const override { return left_->Logical(f) || right_->Logical(f); }
};

class Not final : public Node {
 public:
  explicit Not(NodePtr operand) : Node(ValueType::kLogical, 0), operand_(std::move(operand)) {
    SetChildren({operand_.get()});
  }
  bool Logical(const Frame& f) const override { return !operand_->Logical(f); }

 private:
  NodePtr operand_;
};

class Negate final : public Node {
 public:
  explicit Negate(NodePtr operand) : Node(ValueType::kNumeric, 0), operand_(std::move(operand)) {
    SetChildren({operand_.get()});
  }
  double Number(const Frame& f) const override { return -operand_->Number(f); }

 private:
  NodePtr operand_;
};

Status TypeMismatch(BinaryOp op, const Node& l, const Node& r) {
  std::string msg = std::string("\"") + BinaryOpName(op) + "\" cannot combine " +
                    TypeName(l.type()) + " with " + TypeName(r.type());
  return Status::InvalidArgument(msg);
}

Status MakeTextComparison(BinaryOp op, NodePtr l, NodePtr r, ScratchPlan* plan, NodePtr* result) {
  FieldText field;
  const std::string* literal = r->LiteralText();
  if (op != BinaryOp::kContains && literal != nullptr && l->AsFieldText(&field)) {
    *result = std::make_unique<FieldToLiteralComparison>(op, field, *literal);
  } else {
    *result = std::make_unique<TextComparison>(op, std::move(l), std::move(r), plan);
  }
  return Status::OK();
}

Status MakeComparison(BinaryOp op, NodePtr l, NodePtr r, ScratchPlan* plan, NodePtr* result) {
  if (l->type() != r->type()) {
    return Status::InvalidArgument(std::string("cannot compare ") + TypeName(l->type()) +
                                   " with " + TypeName(r->type()) + " using \"" +
                                   BinaryOpName(op) + "\"");
  }
  switch (l->type()) {
    case ValueType::kCharacter:
      return MakeTextComparison(op, std::move(l), std::move(r), plan, result);
    case ValueType::kNumeric:
    case ValueType::kDate:
      *result = std::make_unique<NumberComparison>(op, std::move(l), std::move(r));
      return Status::OK();
    case ValueType::kLogical:
      break;
  }
  if (op != BinaryOp::kEqual && op != BinaryOp::kExactEqual && op != BinaryOp::kNotEqual) {
    return Status::InvalidArgument(std::string("logical values cannot be ordered with \"") +
                                   BinaryOpName(op) + "\"");
  }
  *result = std::make_unique<LogicalComparison>(op != BinaryOp::kNotEqual, std::move(l), std::move(r));
  return Status::OK();
}

Status MakeAddOrSubtract(BinaryOp op, NodePtr l, NodePtr r, NodePtr* result) {
  bool subtract = op == BinaryOp::kSubtract;
  ValueType lt = l->type(), rt = r->type();
  if (lt == ValueType::kCharacter && rt == ValueType::kCharacter) {
    size_t width = l->width() + r->width();
    if (width > kMaxTextWidth) {
      return Status::InvalidArgument("text joined with \"" + std::string(BinaryOpName(op)) +
                                     "\" would be longer than " + std::to_string(kMaxTextWidth) +
                                     " bytes");
    }
    *result = std::make_unique<Join>(width, std::move(l), std::move(r), subtract);
  } else if (lt == ValueType::kNumeric && rt == ValueType::kNumeric) {
    *result = std::make_unique<Arithmetic>(op, ValueType::kNumeric, std::move(l), std::move(r));
  } else if (lt == ValueType::kDate && rt == ValueType::kNumeric) {
    *result = std::make_unique<DateShift>(std::move(l), std::move(r), subtract);
  } else if (lt == ValueType::kNumeric && rt == ValueType::kDate && !subtract) {
    *result = std::make_unique<DateShift>(std::move(r), std::move(l), false);
  } else if (lt == ValueType::kDate && rt == ValueType::kDate && subtract) {
    *result = std::make_unique<Arithmetic>(op, ValueType::kNumeric, std::move(l), std::move(r));
  } else {
    return TypeMismatch(op, *l, *r);
  }
  return Status::OK();
}

}  // namespace

const char* TypeName(ValueType type) {
  switch (type) {
    case ValueType::kCharacter: return "character";
    case ValueType::kNumeric: return "numeric";
    case ValueType::kDate: return "date";
    case ValueType::kLogical: break;
  }
  return "logical";
}

const char* BinaryOpName(BinaryOp op) {
  switch (op) {
    case BinaryOp::kAdd: return "+";
    case BinaryOp::kSubtract: return "-";
    case BinaryOp::kMultiply: return "*";
    case BinaryOp::kDivide: return "/";
    case BinaryOp::kModulo: return "%";
    case BinaryOp::kPower: return "^";
    case BinaryOp::kEqual: return "=";
    case BinaryOp::kExactEqual: return "==";
    case BinaryOp::kNotEqual: return "<>";
    case BinaryOp::kLess: return "<";
    case BinaryOp::kLessEqual: return "<=";
    case BinaryOp::kGreater: return ">";
    case BinaryOp::kGreaterEqual: return ">=";
    case BinaryOp::kContains: return "$";
    case BinaryOp::kAnd: return ".AND.";
    case BinaryOp::kOr: break;
  }
  return ".OR.";
}

Status MakeBinary(BinaryOp op, NodePtr l, NodePtr r, ScratchPlan* plan, NodePtr* result) {
  if (op == BinaryOp::kAdd || op == BinaryOp::kSubtract) {
    return MakeAddOrSubtract(op, std::move(l), std::move(r), result);
  }
  if (IsComparison(op)) return MakeComparison(op, std::move(l), std::move(r), plan, result);
  if (op == BinaryOp::kContains) {
    if (l->type() != ValueType::kCharacter || r->type() != ValueType::kCharacter) {
      return TypeMismatch(op, *l, *r);
    }
    return MakeTextComparison(op, std::move(l), std::move(r), plan, result);
  }
  if (op == BinaryOp::kAnd || op == BinaryOp::kOr) {
    if (l->type() != ValueType::kLogical || r->type() != ValueType::kLogical) {
      return TypeMismatch(op, *l, *r);
    }
    if (op == BinaryOp::kAnd) {
      *result = std::make_unique<And>(std::move(l), std::move(r));
    } else {
      *result = std::make_unique<Or>(std::move(l), std::move(r));
    }
    return Status::OK();
  }
  if (l->type() != ValueType::kNumeric || r->type() != ValueType::kNumeric) {
    return TypeMismatch(op, *l, *r);
  }
  *result = std::make_unique<Arithmetic>(op, ValueType::kNumeric, std::move(l), std::move(r));
  return Status::OK();
}

Status MakeNot(NodePtr operand, NodePtr* result) {
  if (operand->type() != ValueType::kLogical) {
    return Status::InvalidArgument(std::string(".NOT. needs a logical operand, not ") +
                                   TypeName(operand->type()));
  }
  *result = std::make_unique<Not>(std::move(operand));
  return Status::OK();
}

Status MakeNegate(NodePtr operand, NodePtr* result) {
  if (operand->type() != ValueType::kNumeric) {
    return Status::InvalidArgument(std::string("unary \"-\" needs a numeric operand, not ") +
                                   TypeName(operand->type()));
  }
  *result = std::make_unique<Negate>(std::move(operand));
  return Status::OK();
}

}  // namespace xbase::expr
