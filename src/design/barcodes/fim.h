// Facing Identification Marks (FIM types A, B and C): the bars on paper
// and the rectangles the design object paints on screen.
#pragma once

#include <vector>

#include "design/barcodes/bar.h"

namespace vellumo {

enum class TFIMBarCodeType { fimTypeA, fimTypeB, fimTypeC };

// A FIM is 17 positions of 1/32 inch side by side; a bar fills a position.
inline constexpr int kFimPositions = 17;
inline constexpr double kFimPositionWidth = 1.0 / 32;
inline constexpr double kFimBarHeight = 0.5625;
// The object is a square of this side on screen.
inline constexpr double kFimScreenSide = 0.625;

// The positions holding a bar, 1 being the leftmost, in ascending order.
[[nodiscard]] std::vector<int> FimBarPositions(TFIMBarCodeType type);

// The bars on paper: position n spans (n - 1) / 32 to n / 32 inch
// horizontally and 0 to 0.5625 inch vertically.
[[nodiscard]] Bars FimBars(TFIMBarCodeType type);

// A rectangle in screen pixels, right and bottom exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The bars on screen at `zoom` on a display of `screen_ppi` pixels per
// inch: position n spans b × (n − 1) to b × n and 0 to c, with
// b = trunc(screen_ppi / 32 × zoom) and c = trunc(screen_ppi × 0.5625 × zoom).
[[nodiscard]] std::vector<PixelRect> FimScreenBars(TFIMBarCodeType type, int screen_ppi,
                                                   float zoom);

// The object's width and height on screen: trunc(0.625 × screen_ppi × zoom).
[[nodiscard]] int FimScreenSize(int screen_ppi, float zoom);

}  // namespace vellumo
