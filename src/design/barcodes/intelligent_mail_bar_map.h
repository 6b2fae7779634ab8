// Which character bits make up each of the 65 bars of an Intelligent Mail
// barcode (the bar-to-character table of USPS-B-3200).
#pragma once

#include <array>

namespace vellumo {

inline constexpr int kIntelligentMailBarCount = 65;

// A bar takes its descender from one bit of one character and its
// ascender from one bit of another. Characters are 0 to 9 for A to J;
// bits are 0 (least significant) to 12.
struct BarSources {
  int descender_character;
  int descender_bit;
  int ascender_character;
  int ascender_bit;
};

// Bar 1 (the leftmost) first.
[[nodiscard]] const std::array<BarSources, kIntelligentMailBarCount>& IntelligentMailBarMap();

}  // namespace vellumo
