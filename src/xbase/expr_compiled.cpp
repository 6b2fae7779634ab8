// Expression::Compile and the compiled expression that evaluates the tree.
#include <cstring>

#include "expr_node.h"
#include "expr_parser.h"

namespace xbase {
namespace {

using expr::Frame;
using expr::NodePtr;
using expr::WithScratch;

// Bytes in a numeric or date key, and in a logical one.
inline constexpr size_t kNumericKeyLength = 8;
inline constexpr size_t kLogicalKeyLength = 1;

class CompiledExpression final : public Expression {
 public:
  CompiledExpression(std::string text, NodePtr root, expr::ScratchPlan plan)
      : text_(std::move(text)), root_(std::move(root)) {
    if (root_->type() == ValueType::kCharacter) result_slot_ = plan.Reserve(root_->width());
    scratch_size_ = plan.size();
  }

  const std::string& text() const override { return text_; }
  ValueType type() const override { return root_->type(); }

  size_t key_length() const override {
    switch (root_->type()) {
      case ValueType::kCharacter: return root_->width();
      case ValueType::kNumeric:
      case ValueType::kDate: return kNumericKeyLength;
      case ValueType::kLogical: break;
    }
    return kLogicalKeyLength;
  }

  void Evaluate(const RecordRef& record, Value* result) const override {
    result->type = root_->type();
    WithScratch(scratch_size_, [&](char* scratch) {
      Frame frame{record, scratch};
      switch (root_->type()) {
        case ValueType::kCharacter: {
          char* out = scratch + result_slot_;
          result->text.assign(out, root_->Text(frame, out));
          break;
        }
        case ValueType::kNumeric:
        case ValueType::kDate:
          result->number = root_->Number(frame);
          break;
        case ValueType::kLogical:
          result->logical = root_->Logical(frame);
          break;
      }
      return 0;
    });
  }

  bool EvaluateLogical(const RecordRef& record) const override {
    return WithScratch(scratch_size_, [&](char* scratch) {
      return root_->Logical(Frame{record, scratch});
    });
  }

  void EvaluateKey(const RecordRef& record, char* key) const override {
    WithScratch(scratch_size_, [&](char* scratch) {
      Frame frame{record, scratch};
      switch (root_->type()) {
        case ValueType::kCharacter: {
          size_t len = root_->Text(frame, key);
          if (len < root_->width()) std::memset(key + len, ' ', root_->width() - len);
          break;
        }
        case ValueType::kNumeric:
        case ValueType::kDate:
          EncodeNumericKey(root_->Number(frame), key);
          break;
        case ValueType::kLogical:
          key[0] = root_->Logical(frame) ? 'T' : 'F';
          break;
      }
      return 0;
    });
  }

 private:
  std::string text_;
  NodePtr root_;
  size_t result_slot_ = 0;
  size_t scratch_size_ = 0;
};

}  // namespace

Status Expression::Compile(std::string_view text, const Schema& schema,
                           std::unique_ptr<Expression>* result) {
  expr::ScratchPlan plan;
  NodePtr root;
  XBASE_RETURN_IF_ERROR(expr::Parse(text, schema, &plan, &root));
  *result = std::make_unique<CompiledExpression>(std::string(text), std::move(root), plan);
  return Status::OK();
}

}  // namespace xbase
