// The Area Distribution Centers: a fixed table of 96 entries, each a name
// printed on the group's separator label and the 3-digit ZIP prefixes it
// serves. The names are kept as the post office lists them, spelling and
// doubled blanks included.
#pragma once

#include <span>
#include <string_view>

namespace vellumo {

struct AdcEntry {
  std::string_view name;
  // 3-digit prefixes separated by single blanks.
  std::string_view prefixes;
};

inline constexpr size_t kAdcEntryCount = 96;

// The entries in table order.
std::span<const AdcEntry, kAdcEntryCount> AdcTable();

// The position in AdcTable() of the entry that serves the key's first
// three characters, or -1 when none does. Only three digits can match a
// prefix: a shorter key, or one with a blank or sign among its first
// three characters, belongs to no entry.
int AdcEntryIndex(std::string_view key);

}  // namespace vellumo
