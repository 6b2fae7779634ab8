// Typed reading of stored properties for the design objects. Every call
// checks the value's kind (and that a name belongs to its type) and fails
// with a message naming the object, the property and the fault ("TGPLabel
// Special1: property Alignment: identifier 'taMiddle' is not a value of
// its type").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/stream/colours.h"
#include "design/stream/cursors.h"
#include "design/stream/result.h"
#include "design/stream/stored_object.h"

namespace vellumo::design {

class PropertyReader {
 public:
  // REQUIRES: object outlives the reader.
  explicit PropertyReader(const StoredObject& object) : object_(object) {}

  Result<int32_t> Integer(const StoredProperty& property) const;
  Result<bool> Boolean(const StoredProperty& property) const;
  // A string, short or long.
  Result<std::string> Text(const StoredProperty& property) const;
  // The position of the stored identifier among `names` (matched in any case).
  Result<int> Enumeration(const StoredProperty& property, std::span<const std::string_view> names) const;
  // A colour name or an integer.
  Result<Colour> ColourValue(const StoredProperty& property) const;
  // A cursor name or an integer.
  Result<CursorId> Cursor(const StoredProperty& property) const;
  // Bit i is set when names[i] is a member. REQUIRES: names.size() <= 32.
  Result<uint32_t> SetOf(const StoredProperty& property, std::span<const std::string_view> names) const;
  Result<std::string> Binary(const StoredProperty& property) const;
  // A list of strings (the lines of `Items.Strings`).
  Result<std::vector<std::string>> StringList(const StoredProperty& property) const;

  // The error for a name the object's class does not have.
  [[nodiscard]] Status UnknownProperty(const StoredProperty& property) const;

 private:
  Status Error(const StoredProperty& property, std::string_view reason) const;
  Status WrongKind(const StoredProperty& property, std::string_view expected) const;
  Status NotOfType(const StoredProperty& property, std::string_view what, std::string_view name) const;

  const StoredObject& object_;
};

}  // namespace vellumo::design
