// FIM bar patterns on paper and on screen.
#include "design/barcodes/fim.h"

#include <cmath>

namespace vellumo {
namespace {

int TruncatedPixels(double pixels) { return static_cast<int>(std::trunc(pixels)); }

}  // namespace

std::vector<int> FimBarPositions(TFIMBarCodeType type) {
  switch (type) {
    case TFIMBarCodeType::fimTypeA:
      return {1, 3, 9, 15, 17};
    case TFIMBarCodeType::fimTypeB:
      return {1, 5, 7, 11, 13, 17};
    case TFIMBarCodeType::fimTypeC:
      return {1, 3, 7, 11, 15, 17};
  }
  return {};
}

Bars FimBars(TFIMBarCodeType type) {
  Bars bars;
  for (int n : FimBarPositions(type)) {
    bars.push_back(Bar{(n - 1) * kFimPositionWidth, 0, kFimPositionWidth, kFimBarHeight});
  }
  return bars;
}

std::vector<PixelRect> FimScreenBars(TFIMBarCodeType type, int screen_ppi, float zoom) {
  const int b = TruncatedPixels(screen_ppi / 32.0 * zoom);
  const int c = TruncatedPixels(screen_ppi * kFimBarHeight * zoom);
  std::vector<PixelRect> rects;
  for (int n : FimBarPositions(type)) rects.push_back(PixelRect{b * (n - 1), 0, b * n, c});
  return rects;
}

int FimScreenSize(int screen_ppi, float zoom) {
  return TruncatedPixels(kFimScreenSide * screen_ppi * zoom);
}

}  // namespace vellumo
