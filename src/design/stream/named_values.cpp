// Name look-up in small tables.
#include "design/stream/named_values.h"

#include <algorithm>

namespace vellumo::design {

namespace {
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::optional<std::string_view> NameOfValue(std::span<const NamedValue> table, int32_t value) {
  for (const NamedValue& entry : table) {
    if (entry.value == value) return entry.name;
  }
  return std::nullopt;
}

std::optional<int32_t> ValueOfName(std::span<const NamedValue> table, std::string_view name) {
  for (const NamedValue& entry : table) {
    if (EqualsIgnoringCase(entry.name, name)) return entry.value;
  }
  return std::nullopt;
}

std::optional<int> IndexOfName(std::span<const std::string_view> names, std::string_view name) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (EqualsIgnoringCase(names[i], name)) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace vellumo::design
