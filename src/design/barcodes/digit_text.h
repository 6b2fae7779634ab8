// Decimal digits in texts, as the barcode encoders take them: only the
// ASCII characters '0' to '9' count.
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

namespace vellumo {

[[nodiscard]] inline bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

[[nodiscard]] inline bool IsDecimalText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsDecimalDigit);
}

// The digits of `text` in order, everything else dropped.
[[nodiscard]] inline std::string DecimalDigitsOf(std::string_view text) {
  std::string digits;
  std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDecimalDigit);
  return digits;
}

}  // namespace vellumo
