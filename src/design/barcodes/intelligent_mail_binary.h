// The first three steps of the Intelligent Mail encoding (USPS-B-3200):
// routing and tracking code as one 102-bit number, its 11-bit frame check
// sequence, and the number split into ten codewords.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vellumo {

// The 102-bit number as 13 bytes, most significant first; the two top
// bits of the first byte are always 0.
using IntelligentMailValue = std::array<uint8_t, 13>;

// Codewords A to J. A lies in 0..658 and J in 0..635 as they come out of
// IntelligentMailCodewords, the others in 0..1364.
using IntelligentMailCodewords = std::array<int, 10>;

inline constexpr uint16_t kFcsGenerator = 0x0F35;

// The routing code (0, 5, 9 or 11 digits) turned into a number, then the
// 20 tracking digits appended to it: the second tracking digit in base 5,
// all others in base 10.
// REQUIRES: both hold digits only; the tracking code has 20 digits, its
// second one 0 to 4; the routing code 0, 5, 9 or 11 digits.
[[nodiscard]] IntelligentMailValue IntelligentMailBinary(std::string_view tracking_code,
                                                         std::string_view routing_code);

// The CRC-11 of the 102 bits of `value` (generator kFcsGenerator, all bits
// set at the start), most significant bit first.
[[nodiscard]] uint16_t IntelligentMailCrc11(const IntelligentMailValue& value);

// `value` as codeword J in base 636, I to B in base 1365 and A taking the
// rest.
[[nodiscard]] IntelligentMailCodewords SplitIntoCodewords(IntelligentMailValue value);

}  // namespace vellumo
