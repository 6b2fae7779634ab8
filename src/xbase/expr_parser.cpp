// Precedence, loosest first: .OR.; .AND.; .NOT.; comparisons and $; + and -;
// *, / and %; ^ and **; unary + and -; operands.
#include "expr_parser.h"

#include <vector>

#include "expr_functions.h"
#include "expr_lexer.h"
#include "expr_operators.h"

namespace xbase::expr {
namespace {

class Parser {
 public:
  Parser(std::string_view text, const Schema& schema, ScratchPlan* plan)
      : lexer_(text), schema_(schema), plan_(plan) {}

  Status ParseAll(NodePtr* root) {
    XBASE_RETURN_IF_ERROR(Advance());
    if (token_.kind == TokenKind::kEnd) return Status::InvalidArgument("empty expression");
    XBASE_RETURN_IF_ERROR(ParseOr(root));
    if (token_.kind != TokenKind::kEnd) return Unexpected();
    return Status::OK();
  }

 private:
  // Counts one level of nesting for as long as it lives.
  class Nesting {
   public:
    explicit Nesting(int* depth) : depth_(depth) { ++*depth_; }
    ~Nesting() { --*depth_; }
    bool too_deep() const { return *depth_ > kMaxNesting; }

   private:
    int* depth_;
  };

  Status Advance() { return lexer_.Next(&token_); }

  bool AtWord(std::string_view keyword) const {
    return token_.kind == TokenKind::kIdentifier && IsKeyword(token_.spelling, keyword);
  }
  bool AtOr() const { return token_.kind == TokenKind::kOr || AtWord("OR"); }
  bool AtAnd() const { return token_.kind == TokenKind::kAnd || AtWord("AND"); }
  bool AtNot() const { return token_.kind == TokenKind::kNot || AtWord("NOT"); }
  bool AtBinary(std::initializer_list<BinaryOp> ops) const {
    if (token_.kind != TokenKind::kBinary) return false;
    for (BinaryOp op : ops) {
      if (token_.op == op) return true;
    }
    return false;
  }

  Status Unexpected() const {
    if (token_.kind == TokenKind::kEnd) return ErrorAt("unexpected end of expression", token_.column);
    return ErrorAt("unexpected \"" + std::string(token_.spelling) + "\"", token_.column);
  }

  Status TooDeep() const {
    return ErrorAt("expression nested more than " + std::to_string(kMaxNesting) + " levels deep",
                   token_.column);
  }

  static Status TooMuchMemory(int column) {
    return ErrorAt("expression needs more than " + std::to_string(kMaxScratchSize) + " bytes of memory",
                   column);
  }

  // Operator builders leave the position of an error to the parser.
  static Status Located(Status built, int column) {
    return built.ok() ? built : ErrorAt(built.message(), column);
  }

  // Every built node passes through here: limits are checked and constant
  // parts replaced by their value.
  Status Finish(Status built, int column, NodePtr* node) {
    XBASE_RETURN_IF_ERROR(built);
    if ((*node)->depth() > kMaxTreeDepth) {
      return ErrorAt("expression has more than " + std::to_string(kMaxTreeDepth) + " levels of operations",
                     column);
    }
    if (plan_->size() > kMaxScratchSize) return TooMuchMemory(column);
    if ((*node)->constant()) {
      // Every folded text counts against the memory budget, even one that a
      // later fold replaces: that also bounds the copying folding does.
      folded_bytes_ += (*node)->width();
      if (folded_bytes_ > kMaxScratchSize) return TooMuchMemory(column);
      *node = FoldConstant(**node, plan_->size());
    }
    return Status::OK();
  }

  Status ParseBinaryChain(Status (Parser::*operand)(NodePtr*), bool (Parser::*at_op)() const,
                          BinaryOp op, NodePtr* result) {
    XBASE_RETURN_IF_ERROR((this->*operand)(result));
    while ((this->*at_op)()) {
      int column = token_.column;
      XBASE_RETURN_IF_ERROR(Advance());
      NodePtr right;
      XBASE_RETURN_IF_ERROR((this->*operand)(&right));
      XBASE_RETURN_IF_ERROR(Finish(Located(MakeBinary(op, std::move(*result), std::move(right), plan_, result), column),
                                   column, result));
    }
    return Status::OK();
  }

  Status ParseOr(NodePtr* result) {
    return ParseBinaryChain(&Parser::ParseAnd, &Parser::AtOr, BinaryOp::kOr, result);
  }
  Status ParseAnd(NodePtr* result) {
    return ParseBinaryChain(&Parser::ParseNot, &Parser::AtAnd, BinaryOp::kAnd, result);
  }

  Status ParseNot(NodePtr* result) {
    if (!AtNot()) return ParseOperators(0, result);
    Nesting nesting(&depth_);
    if (nesting.too_deep()) return TooDeep();
    int column = token_.column;
    XBASE_RETURN_IF_ERROR(Advance());
    NodePtr operand;
    XBASE_RETURN_IF_ERROR(ParseNot(&operand));
    return Finish(Located(MakeNot(std::move(operand), result), column), column, result);
  }

  // Binary operators above .NOT., by level: comparisons, additive,
  // multiplicative, power. All associate to the left.
  Status ParseOperators(int level, NodePtr* result) {
    static const std::initializer_list<BinaryOp> kLevels[] = {
        {BinaryOp::kEqual, BinaryOp::kExactEqual, BinaryOp::kNotEqual, BinaryOp::kLess,
         BinaryOp::kLessEqual, BinaryOp::kGreater, BinaryOp::kGreaterEqual, BinaryOp::kContains},
        {BinaryOp::kAdd, BinaryOp::kSubtract},
        {BinaryOp::kMultiply, BinaryOp::kDivide, BinaryOp::kModulo},
        {BinaryOp::kPower},
    };
    constexpr int kLevelCount = static_cast<int>(std::size(kLevels));
    if (level == kLevelCount) return ParseUnary(result);
    XBASE_RETURN_IF_ERROR(ParseOperators(level + 1, result));
    while (AtBinary(kLevels[level])) {
      BinaryOp op = token_.op;
      int column = token_.column;
      XBASE_RETURN_IF_ERROR(Advance());
      NodePtr right;
      XBASE_RETURN_IF_ERROR(ParseOperators(level + 1, &right));
      XBASE_RETURN_IF_ERROR(Finish(Located(MakeBinary(op, std::move(*result), std::move(right), plan_, result), column),
                                   column, result));
    }
    return Status::OK();
  }

  Status ParseUnary(NodePtr* result) {
    if (!AtBinary({BinaryOp::kAdd, BinaryOp::kSubtract})) return ParsePrimary(result);
    Nesting nesting(&depth_);
    if (nesting.too_deep()) return TooDeep();
    bool negate = token_.op == BinaryOp::kSubtract;
    int column = token_.column;
    XBASE_RETURN_IF_ERROR(Advance());
    NodePtr operand;
    XBASE_RETURN_IF_ERROR(ParseUnary(&operand));
    if (!negate) {
      if (operand->type() != ValueType::kNumeric) {
        return ErrorAt("unary \"+\" needs a numeric operand", column);
      }
      *result = std::move(operand);
      return Status::OK();
    }
    return Finish(Located(MakeNegate(std::move(operand), result), column), column, result);
  }

  Status ParsePrimary(NodePtr* result) {
    switch (token_.kind) {
      case TokenKind::kNumber:
        *result = MakeNumberLiteral(token_.number);
        return Advance();
      case TokenKind::kText: {
        size_t width = token_.text.size();
        *result = MakeTextLiteral(std::move(token_.text), width);
        return Advance();
      }
      case TokenKind::kLogical:
        *result = MakeLogicalLiteral(token_.logical);
        return Advance();
      case TokenKind::kDate:
        *result = MakeDateLiteral(token_.date);
        return Advance();
      case TokenKind::kLeftParen: {
        Nesting nesting(&depth_);
        if (nesting.too_deep()) return TooDeep();
        XBASE_RETURN_IF_ERROR(Advance());
        XBASE_RETURN_IF_ERROR(ParseOr(result));
        return ExpectClose();
      }
      case TokenKind::kIdentifier:
        return ParseName(result);
      default:
        return Unexpected();
    }
  }

  Status ExpectClose() {
    if (token_.kind != TokenKind::kRightParen) {
      if (token_.kind == TokenKind::kEnd) return ErrorAt("missing \")\"", token_.column);
      return ErrorAt("expected \")\" instead of \"" + std::string(token_.spelling) + "\"", token_.column);
    }
    return Advance();
  }

  // A field, an alias-qualified field (the alias is ignored) or a call.
  Status ParseName(NodePtr* result) {
    std::string name(token_.spelling);
    int column = token_.column;
    XBASE_RETURN_IF_ERROR(Advance());
    if (token_.kind == TokenKind::kLeftParen) return ParseCall(name, column, result);
    if (token_.kind == TokenKind::kArrow) {
      XBASE_RETURN_IF_ERROR(Advance());
      if (token_.kind != TokenKind::kIdentifier) return Unexpected();
      name = token_.spelling;
      column = token_.column;
      XBASE_RETURN_IF_ERROR(Advance());
    }
    int index = schema_.FieldIndex(name);
    if (index < 0) return ErrorAt("unknown field \"" + name + "\"", column);
    Status s = MakeFieldNode(schema_.field(static_cast<size_t>(index)), result);
    if (!s.ok()) return ErrorAt(s.message(), column);
    return Status::OK();
  }

  Status ParseCall(const std::string& name, int column, NodePtr* result) {
    Nesting nesting(&depth_);
    if (nesting.too_deep()) return TooDeep();
    XBASE_RETURN_IF_ERROR(Advance());  // "("
    std::vector<Argument> args;
    if (token_.kind != TokenKind::kRightParen) {
      while (true) {
        Argument arg;
        arg.column = token_.column;
        XBASE_RETURN_IF_ERROR(ParseOr(&arg.node));
        args.push_back(std::move(arg));
        if (token_.kind != TokenKind::kComma) break;
        XBASE_RETURN_IF_ERROR(Advance());
      }
    }
    XBASE_RETURN_IF_ERROR(ExpectClose());
    return Finish(MakeFunctionCall(name, column, std::move(args), plan_, result), column, result);
  }

  Lexer lexer_;
  const Schema& schema_;
  ScratchPlan* plan_;
  Token token_;
  int depth_ = 0;
  size_t folded_bytes_ = 0;
};

}  // namespace

Status Parse(std::string_view text, const Schema& schema, ScratchPlan* plan, NodePtr* root) {
  if (text.size() > kMaxExpressionLength) {
    return Status::InvalidArgument("expression is longer than " + std::to_string(kMaxExpressionLength) +
                                   " bytes");
  }
  return Parser(text, schema, plan).ParseAll(root);
}

}  // namespace xbase::expr
