// The symbol font's codes with the Unicode characters they stand for, as
// compiled from data/symbols/wingdings.csv.
#pragma once

#include <array>
#include <cstdint>

namespace vellumo {

struct SymbolEntry {
  uint8_t code;
  char32_t code_point;
  const char* name;  // the Unicode character name
};

// One entry for every code from 0x20 to 0xFF, in code order.
extern const std::array<SymbolEntry, 224> kWingdingsTable;

}  // namespace vellumo
