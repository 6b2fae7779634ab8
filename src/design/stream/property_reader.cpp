// Typed reading of stored properties.
#include "design/stream/property_reader.h"

#include "design/stream/named_values.h"

namespace vellumo::design {

Status PropertyReader::Error(const StoredProperty& property, std::string_view reason) const {
  return Status::Corruption(DescribeObject(object_) + ": property " + property.name + ": " +
                            std::string(reason));
}

Status PropertyReader::WrongKind(const StoredProperty& property, std::string_view expected) const {
  return Error(property, std::string(expected) + " was expected, not " +
                             std::string(KindName(property.value.kind())));
}

Status PropertyReader::NotOfType(const StoredProperty& property, std::string_view what,
                                 std::string_view name) const {
  return Error(property, std::string(what) + " '" + std::string(name) + "' is not a value of its type");
}

Status PropertyReader::UnknownProperty(const StoredProperty& property) const {
  return Error(property, "the class " + object_.class_name + " has no such property");
}

Result<int32_t> PropertyReader::Integer(const StoredProperty& property) const {
  if (property.value.kind() != ValueKind::kInteger) return WrongKind(property, "an integer");
  return property.value.integer();
}

Result<bool> PropertyReader::Boolean(const StoredProperty& property) const {
  if (property.value.kind() != ValueKind::kBoolean) return WrongKind(property, "a boolean");
  return property.value.boolean();
}

Result<std::string> PropertyReader::Text(const StoredProperty& property) const {
  if (property.value.kind() != ValueKind::kString) return WrongKind(property, "a string");
  return property.value.text();
}

Result<int> PropertyReader::Enumeration(const StoredProperty& property,
                                        std::span<const std::string_view> names) const {
  if (property.value.kind() != ValueKind::kIdentifier) return WrongKind(property, "an identifier");
  std::optional<int> index = IndexOfName(names, property.value.text());
  if (!index) return NotOfType(property, "identifier", property.value.text());
  return *index;
}

Result<Colour> PropertyReader::ColourValue(const StoredProperty& property) const {
  switch (property.value.kind()) {
    case ValueKind::kInteger:
      return static_cast<Colour>(property.value.integer());
    case ValueKind::kIdentifier:
      if (std::optional<Colour> colour = ColourFromName(property.value.text())) return *colour;
      return Error(property, "identifier '" + property.value.text() + "' is not a colour name");
    default:
      return WrongKind(property, "a colour name or an integer");
  }
}

Result<CursorId> PropertyReader::Cursor(const StoredProperty& property) const {
  switch (property.value.kind()) {
    case ValueKind::kInteger:
      return property.value.integer();
    case ValueKind::kIdentifier:
      if (std::optional<CursorId> cursor = CursorFromName(property.value.text())) return *cursor;
      return Error(property, "identifier '" + property.value.text() + "' is not a cursor name");
    default:
      return WrongKind(property, "a cursor name or an integer");
  }
}

Result<uint32_t> PropertyReader::SetOf(const StoredProperty& property,
                                       std::span<const std::string_view> names) const {
  if (property.value.kind() != ValueKind::kSet) return WrongKind(property, "a set");
  uint32_t bits = 0;
  for (const std::string& member : property.value.members()) {
    std::optional<int> index = IndexOfName(names, member);
    if (!index || *index >= 32) return NotOfType(property, "set member", member);
    bits |= uint32_t{1} << *index;
  }
  return bits;
}

Result<std::string> PropertyReader::Binary(const StoredProperty& property) const {
  if (property.value.kind() != ValueKind::kBinary) return WrongKind(property, "a binary block");
  return property.value.text();
}

Result<std::vector<std::string>> PropertyReader::StringList(const StoredProperty& property) const {
  if (property.value.kind() != ValueKind::kList) return WrongKind(property, "a list of strings");
  std::vector<std::string> lines;
  for (const Value& item : property.value.items()) {
    if (item.kind() != ValueKind::kString) {
      return Error(property, "line " + std::to_string(lines.size() + 1) + " is " +
                                 std::string(KindName(item.kind())) + ", not a string");
    }
    lines.push_back(item.text());
  }
  return lines;
}

}  // namespace vellumo::design
