// The compiled form of an expression: a tree of typed nodes. Each node knows
// its result type and, for text, a fixed width; evaluation writes into
// caller-provided buffers and never allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "xbase/expression.h"

namespace xbase::expr {

// Texts never grow beyond this, whatever the expression (REPLICATE, "+").
inline constexpr size_t kMaxTextWidth = 65535;
// Working memory one evaluation may need for intermediate texts.
inline constexpr size_t kMaxScratchSize = 1 << 20;
// Deepest tree the compiler accepts; evaluation recurses once per level.
inline constexpr int kMaxTreeDepth = 1000;

// What a node evaluates against: the record and the working memory laid out
// by the ScratchPlan the tree was built with.
struct Frame {
  const RecordRef& record;
  char* scratch;
};

// Hands out regions of the per-evaluation working memory at compile time, so
// that evaluation needs no allocation: a node that must hold a child's text
// before using it reserves a region of the child's width.
class ScratchPlan {
 public:
  size_t Reserve(size_t width) {
    size_t offset = size_;
    size_ += width;
    return offset;
  }
  size_t size() const { return size_; }

 private:
  size_t size_ = 0;
};

// A text read straight from a character field, possibly upper-cased; lets
// comparisons and UPPER() skip intermediate copies.
struct FieldText {
  uint32_t offset = 0;
  uint32_t length = 0;
  bool upper = false;
};

class Node {
 public:
  Node(ValueType type, size_t width) : type_(type), width_(width) {}
  virtual ~Node() = default;
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  ValueType type() const { return type_; }
  // Most bytes Text() writes; 0 for other types.
  size_t width() const { return width_; }
  // True when the value depends neither on the record nor on the clock, so
  // the compiler may evaluate it once.
  bool constant() const { return constant_; }
  int depth() const { return depth_; }

  // Only the method matching type() is called; the compiler checks types, so
  // the others keep these neutral defaults. Dates are Julian day numbers.
  virtual bool Logical(const Frame&) const { return false; }
  virtual double Number(const Frame&) const { return 0; }
  // Writes the text (at most width() bytes) to `out` and returns its length.
  virtual size_t Text(const Frame&, char* /*out*/) const { return 0; }

  // The literal text of a folded constant, or null.
  virtual const std::string* LiteralText() const { return nullptr; }
  // Fills `source` when the text comes straight from a field.
  virtual bool AsFieldText(FieldText*) const { return false; }

 protected:
  // Records the children (null ones are skipped) so that constant() and
  // depth() follow them; an impure node (RECNO(), DATE()) is never constant.
  void SetChildren(std::initializer_list<const Node*> children, bool pure = true);
  void set_constant(bool constant) { constant_ = constant; }

 private:
  ValueType type_;
  size_t width_;
  bool constant_ = false;
  int depth_ = 1;
};

using NodePtr = std::unique_ptr<Node>;

// A compile error at a 1-based column: `unknown field "LNAM" at column 7`.
inline Status ErrorAt(const std::string& message, int column) {
  return Status::InvalidArgument(message + " at column " + std::to_string(column));
}

// Reads a field of the record; fails for memo and unsupported field types.
Status MakeFieldNode(const FieldDef& field, NodePtr* node);

NodePtr MakeTextLiteral(std::string text, size_t width);
NodePtr MakeNumberLiteral(double value);
NodePtr MakeLogicalLiteral(bool value);
NodePtr MakeDateLiteral(int32_t jd);
// Replaces a constant node by a literal holding its value.
NodePtr FoldConstant(const Node& node, size_t scratch_size);

// Calls fn(scratch) with `size` bytes of working memory: on the stack for
// ordinary expressions, on the heap only for unusually large ones.
inline constexpr size_t kStackScratchSize = 2048;
template <typename Fn>
auto WithScratch(size_t size, Fn&& fn) {
  if (size <= kStackScratchSize) {
    char stack[kStackScratchSize];
    return fn(stack);
  }
  std::unique_ptr<char[]> heap(new char[size]);
  return fn(heap.get());
}

}  // namespace xbase::expr
