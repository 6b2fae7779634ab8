// The 102-bit number of an Intelligent Mail barcode, its CRC and its
// codewords, with just the arithmetic on 13-byte numbers that they need.
#include "design/barcodes/intelligent_mail_binary.h"

namespace vellumo {
namespace {

constexpr int kValueBits = 102;
constexpr int kFcsBits = 11;
constexpr uint16_t kFcsMask = (1u << kFcsBits) - 1;

constexpr int kCodewordJBase = 636;
constexpr int kCodewordBase = 1365;

// value = value × multiplier + addend. REQUIRES: the result fits.
void MultiplyAdd(IntelligentMailValue& value, unsigned multiplier, unsigned addend) {
  unsigned carry = addend;
  for (size_t i = value.size(); i-- > 0;) {
    const unsigned product = value[i] * multiplier + carry;
    value[i] = static_cast<uint8_t>(product & 0xFF);
    carry = product >> 8;
  }
}

// value = value / divisor; returns the remainder.
unsigned DivideBy(IntelligentMailValue& value, unsigned divisor) {
  unsigned remainder = 0;
  for (uint8_t& byte : value) {
    const unsigned dividend = (remainder << 8) | byte;
    byte = static_cast<uint8_t>(dividend / divisor);
    remainder = dividend % divisor;
  }
  return remainder;
}

IntelligentMailValue ValueOf(uint64_t number) {
  IntelligentMailValue value{};
  for (size_t i = value.size(); i-- > 0 && number != 0; number >>= 8) {
    value[i] = static_cast<uint8_t>(number & 0xFF);
  }
  return value;
}

uint64_t DecimalValue(std::string_view digits) {
  uint64_t number = 0;
  for (char c : digits) number = number * 10 + static_cast<uint64_t>(c - '0');
  return number;
}

// Each longer routing code starts above every value of the shorter ones,
// so that 0, 5, 9 and 11 digits never give the same number.
uint64_t RoutingNumber(std::string_view routing_code) {
  const uint64_t digits = DecimalValue(routing_code);
  switch (routing_code.size()) {
    case 5:
      return digits + 1;
    case 9:
      return digits + 100000 + 1;
    case 11:
      return digits + 1000000000 + 100000 + 1;
    default:
      return 0;
  }
}

}  // namespace

IntelligentMailValue IntelligentMailBinary(std::string_view tracking_code,
                                           std::string_view routing_code) {
  IntelligentMailValue value = ValueOf(RoutingNumber(routing_code));
  for (size_t i = 0; i < tracking_code.size(); ++i) {
    MultiplyAdd(value, i == 1 ? 5 : 10, static_cast<unsigned>(tracking_code[i] - '0'));
  }
  return value;
}

uint16_t IntelligentMailCrc11(const IntelligentMailValue& value) {
  constexpr int kUnusedBits = static_cast<int>(IntelligentMailValue().size()) * 8 - kValueBits;
  unsigned fcs = kFcsMask;
  for (int bit = kUnusedBits; bit < kUnusedBits + kValueBits; ++bit) {
    const unsigned data_bit = (value[static_cast<size_t>(bit / 8)] >> (7 - bit % 8)) & 1u;
    const unsigned top_bit = (fcs >> (kFcsBits - 1)) & 1u;
    fcs = ((fcs << 1) ^ (top_bit != data_bit ? kFcsGenerator : 0u)) & kFcsMask;
  }
  return static_cast<uint16_t>(fcs);
}

IntelligentMailCodewords SplitIntoCodewords(IntelligentMailValue value) {
  IntelligentMailCodewords codewords{};
  codewords[9] = static_cast<int>(DivideBy(value, kCodewordJBase));
  for (size_t i = 8; i >= 1; --i) codewords[i] = static_cast<int>(DivideBy(value, kCodewordBase));
  unsigned rest = 0;
  for (uint8_t byte : value) rest = (rest << 8) | byte;
  codewords[0] = static_cast<int>(rest);
  return codewords;
}

}  // namespace vellumo
