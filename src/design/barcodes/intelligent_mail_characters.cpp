// Generation of the 5-of-13 and 2-of-13 character tables.
#include "design/barcodes/intelligent_mail_characters.h"

#include <bit>

namespace vellumo {

uint16_t ReverseCharacterBits(uint16_t character) {
  uint16_t reversed = 0;
  for (int bit = 0; bit < kCharacterBits; ++bit) {
    reversed = static_cast<uint16_t>((reversed << 1) | ((character >> bit) & 1u));
  }
  return reversed;
}

std::vector<uint16_t> NOfThirteenTable(int bits_set) {
  std::vector<uint16_t> pairs;
  std::vector<uint16_t> palindromes;
  for (unsigned value = 0; value <= kCharacterMask; ++value) {
    if (std::popcount(value) != bits_set) continue;
    const auto character = static_cast<uint16_t>(value);
    const uint16_t reversed = ReverseCharacterBits(character);
    if (reversed < character) continue;  // placed already, beside its reversal
    if (reversed == character) {
      palindromes.push_back(character);
    } else {
      pairs.push_back(character);
      pairs.push_back(reversed);
    }
  }
  // The first palindrome found goes to the very end of the table.
  pairs.insert(pairs.end(), palindromes.rbegin(), palindromes.rend());
  return pairs;
}

const std::vector<uint16_t>& FiveOfThirteenTable() {
  static const std::vector<uint16_t> table = NOfThirteenTable(5);
  return table;
}

const std::vector<uint16_t>& TwoOfThirteenTable() {
  static const std::vector<uint16_t> table = NOfThirteenTable(2);
  return table;
}

}  // namespace vellumo
