// One tagged value of the design stream, as the application sees it: texts
// in UTF-8, integers without their width (the writer picks the smallest
// form), strings without their length form (the writer picks short or long).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo::design {

enum class ValueKind {
  kList,
  kInteger,
  kExtended,
  kString,
  kIdentifier,
  kBoolean,
  kBinary,
  kSet,
  kNil,
};

// The kind as a reader of an error message would name it ("an integer").
std::string_view KindName(ValueKind kind);

class Value {
 public:
  // A nil value.
  Value() = default;

  static Value Integer(int32_t value);
  static Value Extended(double value);
  static Value String(std::string utf8);
  static Value Identifier(std::string name);
  static Value Boolean(bool value);
  static Value Binary(std::string bytes);
  static Value Set(std::vector<std::string> members);
  static Value List(std::vector<Value> items);
  static Value Nil() { return Value(); }

  [[nodiscard]] ValueKind kind() const { return kind_; }

  // Each accessor REQUIRES the matching kind.
  [[nodiscard]] int32_t integer() const { return integer_; }
  [[nodiscard]] double extended() const { return extended_; }
  [[nodiscard]] bool boolean() const { return integer_ != 0; }
  // The text of a string, the name of an identifier or the bytes of a binary block.
  [[nodiscard]] const std::string& text() const { return text_; }
  [[nodiscard]] const std::vector<std::string>& members() const { return members_; }
  [[nodiscard]] const std::vector<Value>& items() const { return items_; }

  bool operator==(const Value& other) const = default;

 private:
  explicit Value(ValueKind kind);
  static Value WithText(ValueKind kind, std::string text);

  ValueKind kind_ = ValueKind::kNil;
  int32_t integer_ = 0;
  double extended_ = 0;
  std::string text_;
  std::vector<std::string> members_;
  std::vector<Value> items_;
};

}  // namespace vellumo::design
