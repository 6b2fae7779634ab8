// The 13-bit characters of the Intelligent Mail barcode: the 1287
// characters with five bits set and the 78 with two bits set, in the
// order USPS-B-3200 builds them, so that a codeword is an index into them.
#pragma once

#include <cstdint>
#include <vector>

namespace vellumo {

inline constexpr int kCharacterBits = 13;
inline constexpr uint16_t kCharacterMask = (1u << kCharacterBits) - 1;
inline constexpr int kFiveOfThirteenCount = 1287;
inline constexpr int kTwoOfThirteenCount = 78;

// The 13 bits of `character` in reverse order.
[[nodiscard]] uint16_t ReverseCharacterBits(uint16_t character);

// Every 13-bit value with `bits_set` bits set, in ascending order of value
// except that each value is followed at once by its bit reversal, and the
// values equal to their own reversal fill the table from its end
// backwards.
[[nodiscard]] std::vector<uint16_t> NOfThirteenTable(int bits_set);

// NOfThirteenTable(5) and NOfThirteenTable(2), built once.
[[nodiscard]] const std::vector<uint16_t>& FiveOfThirteenTable();
[[nodiscard]] const std::vector<uint16_t>& TwoOfThirteenTable();

}  // namespace vellumo
