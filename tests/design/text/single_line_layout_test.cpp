// Single-line text: the 3-D copies' offsets, the push of the text, the
// angle rules, the automatic height and the alignment of the caption.
#include "design/text/single_line_layout.h"

#include <gtest/gtest.h>

#include "fixed_pitch.h"
#include "printing/report_destinations.h"

namespace vellumo {
namespace {

TEST(TextEffectsTest, DefaultDirectionsAtDepthThree) {
  const TextEffects e{sdDownRight, 3, hdUpLeft, 3};
  EXPECT_EQ(ShadowOffset(e.DirectionShadow, e.DepthShadow), QPoint(3, 3));
  EXPECT_EQ(HighlightOffset(e.DirectionHighlight, e.DepthHighlight), QPoint(-3, -3));
  EXPECT_EQ(OriginShift(e), QPoint(3, 3));
  EXPECT_TRUE(ShadowPrints(e));
  EXPECT_TRUE(HighlightPrints(e));
}

TEST(TextEffectsTest, EveryDirection) {
  EXPECT_EQ(ShadowOffset(sdNone, 4), QPoint(0, 0));
  EXPECT_EQ(ShadowOffset(sdRight, 4), QPoint(4, 0));
  EXPECT_EQ(ShadowOffset(sdLeft, 4), QPoint(-4, 0));
  EXPECT_EQ(ShadowOffset(sdDownLeft, 4), QPoint(-4, 4));
  EXPECT_EQ(ShadowOffset(sdDown, 4), QPoint(0, 4));
  EXPECT_EQ(HighlightOffset(hdNone, 4), QPoint(0, 0));
  EXPECT_EQ(HighlightOffset(hdright, 4), QPoint(4, 0));
  EXPECT_EQ(HighlightOffset(hdLeft, 4), QPoint(-4, 0));
  EXPECT_EQ(HighlightOffset(hdUpRight, 4), QPoint(4, -4));
  EXPECT_EQ(HighlightOffset(hdUp, 4), QPoint(0, -4));
}

TEST(TextEffectsTest, DepthZeroOrNoDirectionPrintsOnlyTheMainText) {
  EXPECT_FALSE(ShadowPrints({sdDownRight, 0, hdUpLeft, 0}));
  EXPECT_FALSE(HighlightPrints({sdDownRight, 0, hdUpLeft, 0}));
  EXPECT_FALSE(ShadowPrints({sdNone, 5, hdNone, 5}));
  EXPECT_FALSE(HighlightPrints({sdNone, 5, hdNone, 5}));
  EXPECT_EQ(OriginShift({sdDownRight, 0, hdUpLeft, 0}), QPoint(0, 0));
}

TEST(TextEffectsTest, TheDeeperCopyDecidesThePush) {
  EXPECT_EQ(OriginShift({sdDownRight, 2, hdUpLeft, 5}), QPoint(5, 5));
  EXPECT_EQ(OriginShift({sdLeft, 7, hdUp, 2}), QPoint(7, 2));
  EXPECT_EQ(OriginShift({sdDown, 7, hdright, 2}), QPoint(0, 0));
}

TEST(AngleTest, TurningSwapsAWrongWayBoxAndAlignsLeft) {
  const auto turned = WithAngle({{142, 33}, 0, taCenter}, 90);
  ASSERT_TRUE(turned);
  EXPECT_EQ(turned->size, QSize(33, 142));
  EXPECT_EQ(turned->alignment, taLeftJustify);
  EXPECT_EQ(turned->angle, 90);
  EXPECT_EQ(WithAngle(*turned, 270)->size, QSize(33, 142));
  EXPECT_EQ(WithAngle(*turned, 0)->size, QSize(142, 33));
  const auto upside_down = WithAngle({{142, 33}, 0, taRightJustify}, 180);
  EXPECT_EQ(upside_down->size, QSize(142, 33));
  EXPECT_EQ(upside_down->alignment, taLeftJustify);
  EXPECT_EQ(WithAngle({{142, 33}, 0, taRightJustify}, 0)->alignment, taRightJustify);
}

TEST(AngleTest, OtherAnglesAreIgnored) {
  EXPECT_FALSE(WithAngle({}, 45));
  EXPECT_FALSE(WithAngle({}, -90));
  EXPECT_FALSE(WithAngle({}, 360));
}

TEST(SingleLineLayoutTest, UnrotatedHeightEndsBetweenFAndOnePointTwoF) {
  const TextEffects e{sdDown, 3, hdUp, 3};  // f = 16 + 3 + 3
  EXPECT_EQ(LayOutSingleLine("Text", {{142, 200}}, e, FixedPitch()).size, QSize(142, 26));
  EXPECT_EQ(LayOutSingleLine("Text", {{142, 5}}, e, FixedPitch()).size, QSize(142, 22));
  EXPECT_EQ(LayOutSingleLine("Text", {{142, 24}}, e, FixedPitch()).size, QSize(142, 24));
  EXPECT_EQ(LayOutSingleLine("Text", {{3, 24}}, e, FixedPitch()).size, QSize(3, 24));
}

TEST(SingleLineLayoutTest, TurnedObjectsSizeTheOtherWay) {
  // tw = 5 characters = 48 units.
  const auto l = LayOutSingleLine("Text", {{100, 300}, 90}, {}, FixedPitch());
  EXPECT_EQ(l.size, QSize(19, 57));
  const auto upside_down = LayOutSingleLine("Text", {{300, 33}, 180}, {}, FixedPitch());
  EXPECT_EQ(upside_down.size, QSize(96, 19));
}

TEST(SingleLineLayoutTest, AlignmentOfUnrotatedText) {
  const SingleLineBox box{{142, 33}, 0, taCenter};
  const auto centre = LayOutSingleLine("Text", box, {}, FixedPitch());
  EXPECT_EQ(centre.text_width, 48);
  EXPECT_EQ(centre.main_origin, QPoint(71 - 24, 0));
  const auto right = LayOutSingleLine("Text", {{142, 33}, 0, taRightJustify}, {sdDownRight, 2, hdUpLeft, 0},
                                      FixedPitch());
  EXPECT_EQ(right.main_origin, QPoint(142 - 48, 0));
  EXPECT_EQ(right.shadow_origin, QPoint(142 - 48 + 2, 2));
  const auto left = LayOutSingleLine("Text", {{142, 33}, 0, taLeftJustify}, {sdDownRight, 2, hdUpLeft, 5},
                                     FixedPitch());
  EXPECT_EQ(left.main_origin, QPoint(5, 5));
  EXPECT_EQ(left.highlight_origin, QPoint(0, 0));
  EXPECT_EQ(left.shadow_origin, QPoint(7, 7));
}

TEST(SingleLineLayoutTest, CopiesLieAtTheirOffsetsFromTheMainText) {
  const auto l = LayOutSingleLine("Text", {{142, 33}}, {sdDownRight, 3, hdUpLeft, 3}, FixedPitch());
  EXPECT_EQ(l.shift, QPoint(3, 3));
  EXPECT_EQ(l.main, (UnitRect{3, 3, 142, 19}));
  EXPECT_EQ(l.shadow, (UnitRect{6, 6, 145, 22}));
  EXPECT_EQ(l.highlight, (UnitRect{0, 0, 139, 16}));
}

TEST(SingleLineLayoutTest, OffsetsTurnWithTheText) {
  const TextEffects e{sdDownRight, 3, hdNone, 0};
  for (auto [angle, turn] : {std::pair{90, QPoint(3, -3)}, {180, QPoint(-3, -3)}, {270, QPoint(-3, 3)}}) {
    const auto l = LayOutSingleLine("Text", {{40, 142}, angle}, e, FixedPitch());
    EXPECT_EQ(l.shadow, l.main.Moved(turn)) << angle;
  }
}

TEST(SingleLineLayoutTest, ReferenceCornerFollowsTheAngle) {
  const auto at90 = LayOutSingleLine("Text", {{19, 57}, 90}, {}, FixedPitch());
  EXPECT_EQ(at90.main_origin, QPoint(at90.main.left, at90.main.bottom));
  const auto at180 = LayOutSingleLine("Text", {{96, 19}, 180}, {}, FixedPitch());
  EXPECT_EQ(at180.main_origin, QPoint(at180.main.right, at180.main.bottom));
  const auto at270 = LayOutSingleLine("Text", {{19, 57}, 270}, {}, FixedPitch());
  EXPECT_EQ(at270.main_origin, QPoint(at270.main.right, at270.main.top));
}

TEST(SingleLineLayoutTest, GrowsToTheCaptionFromTheFurthestCopy) {
  const TextEffects e{sdDownRight, 3, hdUpLeft, 3};
  const auto l = LayOutSingleLine("Text", {{50, 10}}, e, FixedPitch());
  // The shadow lies furthest right and down, at (6, 6); "Text" and five
  // blanks are 86 units, a line 16.
  EXPECT_EQ(GrowToFit("Text", QSize(50, 10), l, FixedPitch()), QSize(92, 22));
  EXPECT_EQ(GrowToFit("Text", QSize(200, 40), l, FixedPitch()), QSize(200, 40));
  EXPECT_EQ(GrowToFit("Text", QSize(50, 40), l, FixedPitch()), QSize(92, 40));
}

TEST(SingleLineLayoutTest, CaptionMeasuredOnTheCanvas) {
  TCanvasReport canvas(QSizeF(8.5, 11), 96);
  const TextMeasure measure = MeasureOn(canvas, {"Arial", 10});
  const auto l = LayOutSingleLine("Springfield", {{300, 33}, 0, taRightJustify}, {}, measure);
  EXPECT_NEAR(l.text_width, canvas.TextWidth("Springfield ") * kScreenPpi, 0.5);
  EXPECT_EQ(l.size.height(), 19);  // 16 units of line, 1.2 × 16 = 19.2
}

TEST(UnitsToInchesTest, NinetySixUnitsAnInch) {
  EXPECT_EQ(UnitsToInches(QPoint(48, 96)), QPointF(0.5, 1.0));
  EXPECT_EQ(UnitsToInches(UnitRect{0, 24, 96, 48}), QRectF(0, 0.25, 1.0, 0.25));
}

TEST(UnitsToInchesTest, PrintClipReachesFurtherLeftAndUp) {
  const QRectF clip = PrintClipInches(UnitRect{48, 24, 96, 48});
  EXPECT_DOUBLE_EQ(clip.left(), 0.5 - 0.03);
  EXPECT_DOUBLE_EQ(clip.top(), 0.25 - 0.03);
  EXPECT_DOUBLE_EQ(clip.right(), 1.0);
  EXPECT_DOUBLE_EQ(clip.bottom(), 0.5);
}

}  // namespace
}  // namespace vellumo
