// Font height and point size, in integer arithmetic so that halves round
// exactly.
#include "design/stream/font_size.h"

#include <algorithm>
#include <limits>

namespace vellumo::design {

namespace {

constexpr int kPointsPerInch = 72;

// round(numerator / denominator), halves away from zero. REQUIRES: denominator > 0.
int64_t RoundedQuotient(int64_t numerator, int64_t denominator) {
  if (numerator >= 0) return (2 * numerator + denominator) / (2 * denominator);
  return -((-2 * numerator + denominator) / (2 * denominator));
}

int32_t NegatedClamped(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(-value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t FontHeightFromPoints(int32_t points, int ppi) {
  return NegatedClamped(RoundedQuotient(int64_t{points} * ppi, kPointsPerInch));
}

int32_t PointsFromFontHeight(int32_t height, int ppi) {
  return NegatedClamped(RoundedQuotient(int64_t{height} * kPointsPerInch, ppi));
}

}  // namespace vellumo::design
