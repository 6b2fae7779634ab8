// Font height and point size at a screen resolution.
#include "design/stream/font_size.h"

#include <gtest/gtest.h>

namespace vellumo::design {
namespace {

TEST(FontSizeTest, HeightFromPointsAtStandardResolution) {
  EXPECT_EQ(FontHeightFromPoints(10), -13);  // 13.33
  EXPECT_EQ(FontHeightFromPoints(8), -11);   // 10.67
  EXPECT_EQ(FontHeightFromPoints(12), -16);
  EXPECT_EQ(FontHeightFromPoints(24), -32);
  EXPECT_EQ(FontHeightFromPoints(0), 0);
}

TEST(FontSizeTest, PointsFromHeightAtStandardResolution) {
  EXPECT_EQ(PointsFromFontHeight(-13), 10);  // 9.75
  EXPECT_EQ(PointsFromFontHeight(-11), 8);   // 8.25
  EXPECT_EQ(PointsFromFontHeight(-16), 12);
  EXPECT_EQ(PointsFromFontHeight(13), -10);  // a positive (cell) height
}

TEST(FontSizeTest, HalvesRoundAwayFromZero) {
  // 3 points at 96 ppi is exactly 4 pixels; 1.5 would be 2; 9 points at
  // 120 ppi is 15; 6 pixels at 96 ppi is 4.5 points.
  EXPECT_EQ(FontHeightFromPoints(3), -4);
  EXPECT_EQ(PointsFromFontHeight(-6), 5);
  EXPECT_EQ(PointsFromFontHeight(6), -5);
  EXPECT_EQ(PointsFromFontHeight(-2), 2);   // 1.5
  EXPECT_EQ(PointsFromFontHeight(2), -2);
  EXPECT_EQ(FontHeightFromPoints(9, 120), -15);
  EXPECT_EQ(FontHeightFromPoints(-3, 60), 3);  // 2.5
  EXPECT_EQ(FontHeightFromPoints(3, 60), -3);
}

TEST(FontSizeTest, ExtremeValuesDoNotOverflow) {
  EXPECT_EQ(FontHeightFromPoints(INT32_MAX), INT32_MIN);
  EXPECT_EQ(FontHeightFromPoints(INT32_MIN), INT32_MAX);
  EXPECT_EQ(PointsFromFontHeight(INT32_MIN), 1610612736);
}

}  // namespace
}  // namespace vellumo::design
