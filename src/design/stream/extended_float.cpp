// x87 extended float decoding, by arithmetic rather than by reinterpreting
// memory, so that it gives the same result on every machine.
#include "design/stream/extended_float.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "coding.h"

namespace vellumo::design {

namespace {
constexpr int kExponentBias = 16383;
constexpr int kMantissaBits = 63;  // bits after the explicit integer bit
constexpr uint16_t kExponentMask = 0x7FFF;
}  // namespace

double DecodeExtendedFloat(std::string_view bytes) {
  const uint64_t mantissa = xbase::DecodeLE64(bytes.data());
  const uint16_t sign_exponent = xbase::DecodeLE16(bytes.data() + 8);
  const bool negative = (sign_exponent & 0x8000) != 0;
  const int exponent = sign_exponent & kExponentMask;
  double magnitude;
  if (exponent == kExponentMask) {
    // Only the fraction bits (below the integer bit) tell infinity from NaN.
    const bool fraction_zero = (mantissa << 1) == 0;
    magnitude = fraction_zero ? std::numeric_limits<double>::infinity()
                              : std::numeric_limits<double>::quiet_NaN();
  } else {
    // Denormals (exponent 0) scale as if the exponent were 1.
    const int scale = (exponent == 0 ? 1 : exponent) - kExponentBias - kMantissaBits;
    // ldexp saturates to infinity or zero instead of overflowing.
    magnitude = std::ldexp(static_cast<double>(mantissa), scale);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace vellumo::design
