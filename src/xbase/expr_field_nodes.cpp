// Nodes that read one field of the record, for each stored field type.
#include <cstring>

#include "coding.h"
#include "expr_dates.h"
#include "expr_node.h"
#include "expr_text.h"

namespace xbase::expr {
namespace {

// Visual FoxPro binary fields: 4-byte integer, 8-byte double, currency and
// datetime (Julian day, then milliseconds since midnight).
inline constexpr size_t kIntegerLength = 4;
inline constexpr size_t kDoubleLength = 8;
inline constexpr size_t kCurrencyLength = 8;
inline constexpr size_t kDateTimeLength = 8;
inline constexpr double kCurrencyScale = 10000;

class FieldNode : public Node {
 public:
  FieldNode(ValueType type, const FieldDef& field, size_t width)
      : Node(type, width), offset_(field.offset), length_(field.length) {}

 protected:
  const char* bytes(const Frame& f) const { return f.record.data + offset_; }
  uint32_t offset_;
  uint32_t length_;
};

class CharacterField final : public FieldNode {
 public:
  explicit CharacterField(const FieldDef& field) : FieldNode(ValueType::kCharacter, field, field.length) {}
  size_t Text(const Frame& f, char* out) const override {
    std::memcpy(out, bytes(f), length_);
    return length_;
  }
  bool AsFieldText(FieldText* source) const override {
    *source = FieldText{offset_, length_, false};
    return true;
  }
};

class NumericTextField final : public FieldNode {
 public:
  explicit NumericTextField(const FieldDef& field) : FieldNode(ValueType::kNumeric, field, 0) {}
  double Number(const Frame& f) const override { return ParseNumber(bytes(f), length_); }
};

class LogicalField final : public FieldNode {
 public:
  explicit LogicalField(const FieldDef& field) : FieldNode(ValueType::kLogical, field, 0) {}
  bool Logical(const Frame& f) const override {
    char c = *bytes(f);
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
  }
};

class DateField final : public FieldNode {
 public:
  explicit DateField(const FieldDef& field) : FieldNode(ValueType::kDate, field, 0) {}
  double Number(const Frame& f) const override { return DecodeDateText(bytes(f)); }
};

class IntegerField final : public FieldNode {
 public:
  explicit IntegerField(const FieldDef& field) : FieldNode(ValueType::kNumeric, field, 0) {}
  double Number(const Frame& f) const override {
    return static_cast<int32_t>(DecodeLE32(bytes(f)));
  }
};

class DoubleField final : public FieldNode {
 public:
  explicit DoubleField(const FieldDef& field) : FieldNode(ValueType::kNumeric, field, 0) {}
  double Number(const Frame& f) const override {
    uint64_t bits = DecodeLE64(bytes(f));
    double value = 0;
    static_assert(sizeof value == kDoubleLength);
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
};

class CurrencyField final : public FieldNode {
 public:
  explicit CurrencyField(const FieldDef& field) : FieldNode(ValueType::kNumeric, field, 0) {}
  double Number(const Frame& f) const override {
    return static_cast<double>(static_cast<int64_t>(DecodeLE64(bytes(f)))) / kCurrencyScale;
  }
};

// A datetime is used for its date part.
class DateTimeField final : public FieldNode {
 public:
  explicit DateTimeField(const FieldDef& field) : FieldNode(ValueType::kDate, field, 0) {}
  double Number(const Frame& f) const override {
    int32_t jd = static_cast<int32_t>(DecodeLE32(bytes(f)));
    return jd > 0 ? jd : 0;
  }
};

Status NeedLength(const FieldDef& field, size_t length, NodePtr node, NodePtr* result) {
  if (field.length != length) {
    return Status::InvalidArgument("field \"" + field.name + "\" of type " + field.type +
                                   " has length " + std::to_string(field.length) + ", expected " +
                                   std::to_string(length));
  }
  *result = std::move(node);
  return Status::OK();
}

}  // namespace

Status MakeFieldNode(const FieldDef& field, NodePtr* node) {
  switch (field.type) {
    case field_type::kCharacter:
      *node = std::make_unique<CharacterField>(field);
      return Status::OK();
    case field_type::kNumeric:
    case field_type::kFloat:
      *node = std::make_unique<NumericTextField>(field);
      return Status::OK();
    case field_type::kLogical:
      return NeedLength(field, 1, std::make_unique<LogicalField>(field), node);
    case field_type::kDate:
      return NeedLength(field, kDateTextLength, std::make_unique<DateField>(field), node);
    case field_type::kInteger:
      return NeedLength(field, kIntegerLength, std::make_unique<IntegerField>(field), node);
    case field_type::kDouble:
      return NeedLength(field, kDoubleLength, std::make_unique<DoubleField>(field), node);
    case field_type::kCurrency:
      return NeedLength(field, kCurrencyLength, std::make_unique<CurrencyField>(field), node);
    case field_type::kDateTime:
      return NeedLength(field, kDateTimeLength, std::make_unique<DateTimeField>(field), node);
    case field_type::kMemo:
    case field_type::kGeneral:
    case field_type::kPicture:
    case field_type::kBlob:
      return Status::InvalidArgument("memo field \"" + field.name +
                                     "\" cannot be used in an expression");
    default:
      return Status::NotSupported("field \"" + field.name + "\" has type " + field.type +
                                  ", which expressions cannot use");
  }
}

}  // namespace xbase::expr
