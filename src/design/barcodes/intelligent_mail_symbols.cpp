// Codewords to characters to bar states.
#include "design/barcodes/intelligent_mail_symbols.h"

#include "design/barcodes/intelligent_mail_bar_map.h"
#include "design/barcodes/intelligent_mail_characters.h"

namespace vellumo {
namespace {

constexpr int kCodewordA = 0;
constexpr int kCodewordJ = 9;
constexpr uint16_t kFcsTopBit = 1u << 10;
constexpr int kCodewordAOffset = 659;

bool BitOf(uint16_t character, int bit) { return ((character >> bit) & 1u) != 0; }

}  // namespace

IntelligentMailCodewords AddOrientationAndFcs(IntelligentMailCodewords codewords, uint16_t fcs) {
  codewords[kCodewordJ] *= 2;
  if ((fcs & kFcsTopBit) != 0) codewords[kCodewordA] += kCodewordAOffset;
  return codewords;
}

IntelligentMailCharacters CodewordsToCharacters(const IntelligentMailCodewords& codewords,
                                                uint16_t fcs) {
  const std::vector<uint16_t>& five = FiveOfThirteenTable();
  const std::vector<uint16_t>& two = TwoOfThirteenTable();
  IntelligentMailCharacters characters{};
  for (size_t i = 0; i < codewords.size(); ++i) {
    const auto codeword = static_cast<size_t>(codewords[i]);
    uint16_t character = codeword < five.size() ? five[codeword] : two[codeword - five.size()];
    if (BitOf(fcs, static_cast<int>(i))) character = static_cast<uint16_t>(~character & kCharacterMask);
    characters[i] = character;
  }
  return characters;
}

std::string CharactersToBarStates(const IntelligentMailCharacters& characters) {
  std::string states;
  states.reserve(kIntelligentMailBarCount);
  for (const BarSources& bar : IntelligentMailBarMap()) {
    const bool descender = BitOf(characters[static_cast<size_t>(bar.descender_character)],
                                 bar.descender_bit);
    const bool ascender = BitOf(characters[static_cast<size_t>(bar.ascender_character)],
                                bar.ascender_bit);
    if (descender && ascender) {
      states += kFullBar;
    } else if (ascender) {
      states += kAscenderBar;
    } else if (descender) {
      states += kDescenderBar;
    } else {
      states += kTrackerBar;
    }
  }
  return states;
}

}  // namespace vellumo
