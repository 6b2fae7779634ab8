// Order-preserving 8-byte keys for numeric and date index expressions.
#include <cstdint>
#include <cstring>

#include "xbase/expression.h"

namespace xbase {

inline constexpr size_t kNumericKeyLength = 8;
static_assert(sizeof(double) == kNumericKeyLength && sizeof(uint64_t) == kNumericKeyLength);

void EncodeNumericKey(double value, char* key8) {
  if (value == 0) value = 0;  // -0 sorts with +0
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  constexpr uint64_t kSignBit = uint64_t{1} << 63;
  bits = (bits & kSignBit) ? ~bits : (bits | kSignBit);
  for (size_t i = 0; i < kNumericKeyLength; ++i) {
    key8[i] = static_cast<char>(bits >> (8 * (kNumericKeyLength - 1 - i)));
  }
}

double DecodeNumericKey(const char* key8) {
  uint64_t bits = 0;
  for (size_t i = 0; i < kNumericKeyLength; ++i) {
    bits = (bits << 8) | static_cast<unsigned char>(key8[i]);
  }
  constexpr uint64_t kSignBit = uint64_t{1} << 63;
  bits = (bits & kSignBit) ? (bits & ~kSignBit) : ~bits;
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace xbase
