// Collects an object's stored properties under the three rules of writing:
// always, only when different from the default (`...IfNot`), and only when
// there is something (`...IfSet`: a text not empty, a picture present, a
// line list not empty). An object calls one line per property in its
// table order and hands the result to the stream writer.
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

class PropertyWriter {
 public:
  void Integer(std::string_view name, int32_t value);
  void IntegerIfNot(std::string_view name, int32_t value, int32_t default_value);
  void Boolean(std::string_view name, bool value);
  void BooleanIfNot(std::string_view name, bool value, bool default_value);
  void Text(std::string_view name, std::string_view text);
  void TextIfSet(std::string_view name, std::string_view text);
  // Writes names[index]. An index outside names makes Finish fail.
  void Enumeration(std::string_view name, int index, std::span<const std::string_view> names);
  void EnumerationIfNot(std::string_view name, int index, int default_index,
                        std::span<const std::string_view> names);
  // Under the colour's first name, else as an integer.
  void ColourValue(std::string_view name, Colour colour);
  void ColourIfNot(std::string_view name, Colour colour, Colour default_colour);
  // Under the cursor's name, else as an integer.
  void CursorIfNot(std::string_view name, CursorId cursor, CursorId default_cursor);
  // The names of the set bits, in the order of names. A bit beyond names
  // makes Finish fail.
  void SetOf(std::string_view name, uint32_t bits, std::span<const std::string_view> names);
  void BinaryIfSet(std::string_view name, std::string_view bytes);
  void StringListIfSet(std::string_view name, std::span<const std::string> lines);

  // The properties in the order written, or the first fault of the calls.
  Result<std::vector<StoredProperty>> Finish() &&;

 private:
  void Add(std::string_view name, Value value);
  void Fail(std::string_view name, std::string_view reason);

  std::vector<StoredProperty> properties_;
  Status status_;
};

}  // namespace vellumo::design
