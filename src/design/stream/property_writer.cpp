// The writing rules of stored properties.
#include "design/stream/property_writer.h"

namespace vellumo::design {

void PropertyWriter::Add(std::string_view name, Value value) {
  properties_.push_back({std::string(name), std::move(value)});
}

void PropertyWriter::Fail(std::string_view name, std::string_view reason) {
  if (status_.ok()) {
    status_ = Status::InvalidArgument("property " + std::string(name) + ": " + std::string(reason));
  }
}

void PropertyWriter::Integer(std::string_view name, int32_t value) { Add(name, Value::Integer(value)); }

void PropertyWriter::IntegerIfNot(std::string_view name, int32_t value, int32_t default_value) {
  if (value != default_value) Integer(name, value);
}

void PropertyWriter::Boolean(std::string_view name, bool value) { Add(name, Value::Boolean(value)); }

void PropertyWriter::BooleanIfNot(std::string_view name, bool value, bool default_value) {
  if (value != default_value) Boolean(name, value);
}

void PropertyWriter::Text(std::string_view name, std::string_view text) {
  Add(name, Value::String(std::string(text)));
}

void PropertyWriter::TextIfSet(std::string_view name, std::string_view text) {
  if (!text.empty()) Text(name, text);
}

void PropertyWriter::Enumeration(std::string_view name, int index, std::span<const std::string_view> names) {
  if (index < 0 || static_cast<size_t>(index) >= names.size()) {
    Fail(name, "value " + std::to_string(index) + " has no name");
    return;
  }
  Add(name, Value::Identifier(std::string(names[index])));
}

void PropertyWriter::EnumerationIfNot(std::string_view name, int index, int default_index,
                                      std::span<const std::string_view> names) {
  if (index != default_index) Enumeration(name, index, names);
}

void PropertyWriter::ColourValue(std::string_view name, Colour colour) {
  if (std::optional<std::string_view> colour_name = ColourName(colour)) {
    Add(name, Value::Identifier(std::string(*colour_name)));
  } else {
    Add(name, Value::Integer(static_cast<int32_t>(colour)));
  }
}

void PropertyWriter::ColourIfNot(std::string_view name, Colour colour, Colour default_colour) {
  if (colour != default_colour) ColourValue(name, colour);
}

void PropertyWriter::CursorIfNot(std::string_view name, CursorId cursor, CursorId default_cursor) {
  if (cursor == default_cursor) return;
  if (std::optional<std::string_view> cursor_name = CursorName(cursor)) {
    Add(name, Value::Identifier(std::string(*cursor_name)));
  } else {
    Add(name, Value::Integer(cursor));
  }
}

void PropertyWriter::SetOf(std::string_view name, uint32_t bits, std::span<const std::string_view> names) {
  std::vector<std::string> members;
  for (size_t i = 0; i < names.size() && i < 32; ++i) {
    if ((bits >> i) & 1) members.emplace_back(names[i]);
  }
  if (names.size() < 32 && (bits >> names.size()) != 0) {
    Fail(name, "a member beyond the " + std::to_string(names.size()) + " names of its type");
    return;
  }
  Add(name, Value::Set(std::move(members)));
}

void PropertyWriter::BinaryIfSet(std::string_view name, std::string_view bytes) {
  if (!bytes.empty()) Add(name, Value::Binary(std::string(bytes)));
}

void PropertyWriter::StringListIfSet(std::string_view name, std::span<const std::string> lines) {
  if (lines.empty()) return;
  std::vector<Value> items;
  items.reserve(lines.size());
  for (const std::string& line : lines) items.push_back(Value::String(line));
  Add(name, Value::List(std::move(items)));
}

Result<std::vector<StoredProperty>> PropertyWriter::Finish() && {
  if (!status_.ok()) return status_;
  return std::move(properties_);
}

}  // namespace vellumo::design
