// FIM bars on paper and on screen.
#include <gtest/gtest.h>

#include "design/barcodes/fim.h"

namespace vellumo {
namespace {

using enum TFIMBarCodeType;

TEST(FimTest, BarPositionsOfEachType) {
  EXPECT_EQ(FimBarPositions(fimTypeA), (std::vector<int>{1, 3, 9, 15, 17}));
  EXPECT_EQ(FimBarPositions(fimTypeB), (std::vector<int>{1, 5, 7, 11, 13, 17}));
  EXPECT_EQ(FimBarPositions(fimTypeC), (std::vector<int>{1, 3, 7, 11, 15, 17}));
}

TEST(FimTest, TypeCOnPaper) {
  const Bars bars = FimBars(fimTypeC);
  ASSERT_EQ(bars.size(), 6u);
  const int positions[] = {1, 3, 7, 11, 15, 17};
  for (size_t i = 0; i < bars.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(bars[i].left, (positions[i] - 1) / 32.0);
    EXPECT_DOUBLE_EQ(bars[i].right(), positions[i] / 32.0);
    EXPECT_DOUBLE_EQ(bars[i].top, 0);
    EXPECT_DOUBLE_EQ(bars[i].height, 0.5625);
  }
  // The mark spans the 17 positions: 17/32 inch.
  EXPECT_DOUBLE_EQ(bars.back().right(), 17 / 32.0);
}

TEST(FimTest, ScreenBarsAtFullZoom) {
  const std::vector<PixelRect> rects = FimScreenBars(fimTypeA, 96, 1.0f);
  ASSERT_EQ(rects.size(), 5u);
  // b = 96 / 32 = 3, c = 96 × 0.5625 = 54.
  EXPECT_EQ(rects[0].left, 0);
  EXPECT_EQ(rects[0].right, 3);
  EXPECT_EQ(rects[0].top, 0);
  EXPECT_EQ(rects[0].bottom, 54);
  EXPECT_EQ(rects[2].left, 24);
  EXPECT_EQ(rects[2].right, 27);
  EXPECT_EQ(rects[4].left, 48);
  EXPECT_EQ(rects[4].right, 51);
  EXPECT_EQ(FimScreenSize(96, 1.0f), 60);
}

TEST(FimTest, ScreenSizesAreTruncatedNotRounded) {
  // 96 / 32 × 1.5 = 4.5 and 96 × 0.5625 × 1.5 = 81: b = 4, c = 81.
  const std::vector<PixelRect> rects = FimScreenBars(fimTypeB, 96, 1.5f);
  ASSERT_EQ(rects.size(), 6u);
  EXPECT_EQ(rects[1].left, 16);
  EXPECT_EQ(rects[1].right, 20);
  EXPECT_EQ(rects[1].bottom, 81);
  // 96 × 0.5625 × 0.75 = 40.5 and 0.625 × 96 × 0.75 = 45.
  EXPECT_EQ(FimScreenBars(fimTypeB, 96, 0.75f)[0].bottom, 40);
  EXPECT_EQ(FimScreenBars(fimTypeB, 96, 0.75f)[0].right, 2);
  EXPECT_EQ(FimScreenSize(96, 0.75f), 45);
  // 0.625 × 120 × 1.1 = 82.5.
  EXPECT_EQ(FimScreenSize(120, 1.1f), 82);
}

}  // namespace
}  // namespace vellumo
