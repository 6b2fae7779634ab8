// Construction of stream values.
#include "design/stream/value.h"

#include <utility>

namespace vellumo::design {

std::string_view KindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::kList: return "a list";
    case ValueKind::kInteger: return "an integer";
    case ValueKind::kExtended: return "a floating-point number";
    case ValueKind::kString: return "a string";
    case ValueKind::kIdentifier: return "an identifier";
    case ValueKind::kBoolean: return "a boolean";
    case ValueKind::kBinary: return "a binary block";
    case ValueKind::kSet: return "a set";
    case ValueKind::kNil: return "nil";
  }
  return "an unknown kind";
}

Value::Value(ValueKind kind) : kind_(kind) {}

Value Value::Integer(int32_t value) {
  Value v(ValueKind::kInteger);
  v.integer_ = value;
  return v;
}

Value Value::Extended(double value) {
  Value v(ValueKind::kExtended);
  v.extended_ = value;
  return v;
}

Value Value::Boolean(bool value) {
  Value v(ValueKind::kBoolean);
  v.integer_ = value ? 1 : 0;
  return v;
}

Value Value::WithText(ValueKind kind, std::string text) {
  Value v(kind);
  v.text_ = std::move(text);
  return v;
}

Value Value::String(std::string utf8) { return WithText(ValueKind::kString, std::move(utf8)); }
Value Value::Identifier(std::string name) { return WithText(ValueKind::kIdentifier, std::move(name)); }
Value Value::Binary(std::string bytes) { return WithText(ValueKind::kBinary, std::move(bytes)); }

Value Value::Set(std::vector<std::string> members) {
  Value v(ValueKind::kSet);
  v.members_ = std::move(members);
  return v;
}

Value Value::List(std::vector<Value> items) {
  Value v(ValueKind::kList);
  v.items_ = std::move(items);
  return v;
}

}  // namespace vellumo::design
