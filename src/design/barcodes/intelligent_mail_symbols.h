// The last three steps of the Intelligent Mail encoding (USPS-B-3200):
// orientation and frame check bits folded into the codewords, codewords
// to 13-bit characters, characters to the states of the 65 bars.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "design/barcodes/intelligent_mail_binary.h"

namespace vellumo {

// Characters A to J, 13 bits each.
using IntelligentMailCharacters = std::array<uint16_t, 10>;

// The letters of the four bar states.
inline constexpr char kFullBar = 'F';
inline constexpr char kAscenderBar = 'A';
inline constexpr char kDescenderBar = 'D';
inline constexpr char kTrackerBar = 'T';

// Codeword J doubled (so that a reader can tell the barcode's
// orientation) and 659 added to codeword A when bit 10 of `fcs` is set.
[[nodiscard]] IntelligentMailCodewords AddOrientationAndFcs(IntelligentMailCodewords codewords,
                                                            uint16_t fcs);

// Each codeword below 1287 picks an entry of the 5-of-13 table, each
// above an entry of the 2-of-13 table; character i is then inverted
// (within 13 bits) when bit i of `fcs` is set.
// REQUIRES: every codeword lies in 0..1364.
[[nodiscard]] IntelligentMailCharacters CodewordsToCharacters(
    const IntelligentMailCodewords& codewords, uint16_t fcs);

// 65 letters, bar 1 first: F with both descender and ascender bits set, A
// or D with one of them, T with neither.
[[nodiscard]] std::string CharactersToBarStates(const IntelligentMailCharacters& characters);

}  // namespace vellumo
