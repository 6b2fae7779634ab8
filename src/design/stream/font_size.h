// Fonts are stored by height in design units, never by point size; these
// convert between the two at a screen resolution (96 pixels per inch on a
// standard display). Halves round away from zero.
#pragma once

#include <cstdint>

namespace vellumo::design {

inline constexpr int kStandardScreenPpi = 96;

// height = -round(points * ppi / 72); 10 points at 96 ppi is -13.
// REQUIRES: ppi > 0.
int32_t FontHeightFromPoints(int32_t points, int ppi = kStandardScreenPpi);
// points = -round(height * 72 / ppi); -13 at 96 ppi is 10.
// REQUIRES: ppi > 0.
int32_t PointsFromFontHeight(int32_t height, int ppi = kStandardScreenPpi);

}  // namespace vellumo::design
