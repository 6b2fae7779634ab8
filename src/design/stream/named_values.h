// Tables of names for integer values (colours, cursors) and the matching
// of stored names against them. Names match without regard to ASCII case,
// as identifiers in design files always have; writing uses the spelling of
// the table.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vellumo::design {

struct NamedValue {
  std::string_view name;
  int32_t value;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The first name in the table with that value.
std::optional<std::string_view> NameOfValue(std::span<const NamedValue> table, int32_t value);
// The value of the first entry with that name.
std::optional<int32_t> ValueOfName(std::span<const NamedValue> table, std::string_view name);

// The position of the name in a list of enumeration names.
std::optional<int> IndexOfName(std::span<const std::string_view> names, std::string_view name);

}  // namespace vellumo::design
