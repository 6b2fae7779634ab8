// The node base, literal nodes and constant folding.
#include <cstring>

#include "expr_node.h"

namespace xbase::expr {

void Node::SetChildren(std::initializer_list<const Node*> children, bool pure) {
  bool constant = pure;
  int depth = 0;
  for (const Node* child : children) {
    if (child == nullptr) continue;
    constant = constant && child->constant();
    if (child->depth() > depth) depth = child->depth();
  }
  constant_ = constant;
  depth_ = depth + 1;
}

namespace {

class TextLiteral final : public Node {
 public:
  TextLiteral(std::string text, size_t width)
      : Node(ValueType::kCharacter, width), text_(std::move(text)) {
    set_constant(true);
  }
  size_t Text(const Frame&, char* out) const override {
    if (!text_.empty()) std::memcpy(out, text_.data(), text_.size());
    return text_.size();
  }
  const std::string* LiteralText() const override { return &text_; }

 private:
  std::string text_;
};

class NumberLiteral final : public Node {
 public:
  NumberLiteral(ValueType type, double value) : Node(type, 0), value_(value) { set_constant(true); }
  double Number(const Frame&) const override { return value_; }

 private:
  double value_;
};

class LogicalLiteral final : public Node {
 public:
  explicit LogicalLiteral(bool value) : Node(ValueType::kLogical, 0), value_(value) {
    set_constant(true);
  }
  bool Logical(const Frame&) const override { return value_; }

 private:
  bool value_;
};

}  // namespace

NodePtr MakeTextLiteral(std::string text, size_t width) {
  return std::make_unique<TextLiteral>(std::move(text), width);
}
NodePtr MakeNumberLiteral(double value) {
  return std::make_unique<NumberLiteral>(ValueType::kNumeric, value);
}
NodePtr MakeLogicalLiteral(bool value) { return std::make_unique<LogicalLiteral>(value); }
NodePtr MakeDateLiteral(int32_t jd) {
  return std::make_unique<NumberLiteral>(ValueType::kDate, jd);
}

NodePtr FoldConstant(const Node& node, size_t scratch_size) {
  // Constant nodes never read the record, so an empty one will do.
  RecordRef nothing;
  switch (node.type()) {
    case ValueType::kCharacter: {
      std::string text(node.width(), ' ');
      size_t len = WithScratch(scratch_size, [&](char* scratch) {
        return node.Text(Frame{nothing, scratch}, text.data());
      });
      text.resize(len);
      return MakeTextLiteral(std::move(text), node.width());
    }
    case ValueType::kNumeric:
    case ValueType::kDate: {
      double value = WithScratch(scratch_size, [&](char* scratch) {
        return node.Number(Frame{nothing, scratch});
      });
      return std::make_unique<NumberLiteral>(node.type(), value);
    }
    case ValueType::kLogical:
      break;
  }
  bool value = WithScratch(scratch_size, [&](char* scratch) {
    return node.Logical(Frame{nothing, scratch});
  });
  return MakeLogicalLiteral(value);
}

}  // namespace xbase::expr
