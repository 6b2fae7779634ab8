// The rules of the symbol chooser: which character each list position
// holds, how many characters a row shows for the list's font size and
// how the font button reads.
#pragma once

#include <QString>
#include <cstdint>

#include "design/stream/nested_properties.h"

namespace vellumo::design {

// The list holds the characters 32 to 255, one per position from 0.
inline constexpr int kFirstSymbolCode = 32;
inline constexpr int kSymbolCount = 256 - kFirstSymbolCode;

// REQUIRES: 0 <= position < kSymbolCount.
[[nodiscard]] constexpr uint8_t SymbolCodeAt(int position) { return uint8_t(position + kFirstSymbolCode); }
// The position of `code` in the list; -1 for a code below the first.
[[nodiscard]] constexpr int SymbolPosition(uint8_t code) {
  return code < kFirstSymbolCode ? -1 : code - kFirstSymbolCode;
}

// Characters per row for a list font of `points`: 14 from 6 to 10, 10 to
// 20, 8 to 30, 6 to 40, 4 to 50, 3 to 60, 2 to 72 and 1 for any other.
[[nodiscard]] int SymbolColumns(int points);

// Name + ", " + size + "pt ", then "Italic " for an italic font, else
// "Bold " for a bold one.
[[nodiscard]] QString SymbolFontCaption(const StoredFont& font);

}  // namespace vellumo::design
