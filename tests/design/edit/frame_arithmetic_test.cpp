// The frame's arithmetic: handle zones, dragged bounds with and without
// snapping, keeping dragged objects on the page, nudges and squares.
#include "design/edit/frame_arithmetic.h"

#include <gtest/gtest.h>

namespace vellumo::design {
namespace {

using Z = HandleZone;
constexpr QSize kNoSnap(1, 1);
constexpr QSize kGrid8(8, 8);

TEST(HandleZones, CornersTakeLessThanEightBothWays) {
  const QSize frame(105, 55);
  EXPECT_EQ(ZoneAt(frame, {0, 0}), Z::kTopLeft);
  EXPECT_EQ(ZoneAt(frame, {7, 7}), Z::kTopLeft);
  EXPECT_EQ(ZoneAt(frame, {8, 7}), Z::kMove);
  EXPECT_EQ(ZoneAt(frame, {104, 54}), Z::kBottomRight);
  EXPECT_EQ(ZoneAt(frame, {98, 48}), Z::kBottomRight);  // 7 from the corner at 105, 55
  EXPECT_EQ(ZoneAt(frame, {97, 48}), Z::kMove);
  EXPECT_EQ(ZoneAt(frame, {100, 2}), Z::kTopRight);
  EXPECT_EQ(ZoneAt(frame, {2, 50}), Z::kBottomLeft);
  EXPECT_EQ(ZoneAt(frame, {50, 27}), Z::kMove);
}

TEST(HandleZones, EdgeMiddlesOfA25WideFrameCoverSevenToEighteen) {
  const QSize frame(25, 60);
  for (int x = 0; x < 25; ++x) {
    const bool middle = x >= 7 && x <= 18;
    EXPECT_EQ(ZoneAt(frame, {x, 3}) == Z::kTop, middle) << x;
    EXPECT_EQ(ZoneAt(frame, {x, 56}) == Z::kBottom, middle) << x;
  }
  // Less than 8 across the edge.
  EXPECT_EQ(ZoneAt(frame, {12, 7}), Z::kTop);
  EXPECT_EQ(ZoneAt(frame, {12, 8}), Z::kMove);
}

TEST(HandleZones, SideMiddlesAndLaterZonesWinOverEarlierOnes) {
  EXPECT_EQ(ZoneAt({100, 40}, {3, 20}), Z::kLeft);
  EXPECT_EQ(ZoneAt({100, 40}, {96, 15}), Z::kRight);
  // On a frame 12 high the side middles reach the corners and override them.
  EXPECT_EQ(ZoneAt({100, 12}, {2, 2}), Z::kLeft);
  EXPECT_EQ(ZoneAt({100, 12}, {98, 10}), Z::kRight);
  // On a frame 10 wide the top middle overrides the corners.
  EXPECT_EQ(ZoneAt({10, 100}, {1, 1}), Z::kTop);
}

TEST(Snapping, TruncatesTowardZero) {
  EXPECT_EQ(Snap(21, 8), 16);
  EXPECT_EQ(Snap(16, 8), 16);
  EXPECT_EQ(Snap(-3, 8), 0);
  EXPECT_EQ(Snap(-9, 8), -8);
  EXPECT_EQ(Snap(7, 1), 7);
}

TEST(DraggedFrame, MoveSnapsTheFrameLeftSoAnObjectAt13LandsAt18) {
  // Object at left 13: frame left 11; dragged 10 right with steps 8.
  const QRect frame(11, 20, 105, 55);
  const QRect moved = DraggedFrame(Z::kMove, frame, {15, 5}, {5, 5}, kGrid8);
  EXPECT_EQ(moved.x(), 16);
  EXPECT_EQ(moved.x() + 13 - 11, 18);
  EXPECT_EQ(moved.y(), 16);  // 20 snapped
  EXPECT_EQ(moved.size(), frame.size());
}

TEST(DraggedFrame, RightEdgeWidensBySnappedWidthLessOne) {
  const QRect frame(10, 10, 105, 55);
  EXPECT_EQ(DraggedFrame(Z::kRight, frame, {114, 20}, {104, 20}, kNoSnap), QRect(10, 10, 114, 55));
  // snapX(105 + 10) − 1 = 111: 6 wider.
  EXPECT_EQ(DraggedFrame(Z::kRight, frame, {114, 20}, {104, 20}, kGrid8).width(), 111);
}

TEST(DraggedFrame, EveryZoneMovesItsOwnEdges) {
  const QRect f(10, 20, 100, 50);
  const QPoint a(50, 25), p(60, 37);  // 10 right, 12 down
  EXPECT_EQ(DraggedFrame(Z::kTopLeft, f, p, a, kNoSnap), QRect(20, 32, 90, 38));
  EXPECT_EQ(DraggedFrame(Z::kTopRight, f, p, a, kNoSnap), QRect(10, 32, 109, 38));
  EXPECT_EQ(DraggedFrame(Z::kBottomLeft, f, p, a, kNoSnap), QRect(20, 20, 90, 61));
  EXPECT_EQ(DraggedFrame(Z::kBottomRight, f, p, a, kNoSnap), QRect(10, 20, 109, 61));
  EXPECT_EQ(DraggedFrame(Z::kTop, f, p, a, kNoSnap), QRect(10, 32, 100, 38));
  EXPECT_EQ(DraggedFrame(Z::kLeft, f, p, a, kNoSnap), QRect(20, 20, 90, 50));
  EXPECT_EQ(DraggedFrame(Z::kBottom, f, p, a, kNoSnap), QRect(10, 20, 100, 61));
  EXPECT_EQ(DraggedFrame(Z::kRight, f, p, a, kNoSnap), QRect(10, 20, 109, 50));
  EXPECT_EQ(DraggedFrame(Z::kMove, f, p, a, kNoSnap), QRect(20, 32, 100, 50));
}

TEST(DraggedFrame, SnappedCornerKeepsTheOppositeEdges) {
  const QRect f(11, 21, 100, 50);
  const QRect r = DraggedFrame(Z::kTopLeft, f, {5, 5}, {0, 0}, kGrid8);
  EXPECT_EQ(r.topLeft(), QPoint(16, 24));
  EXPECT_EQ(r.x() + r.width(), 111);
  EXPECT_EQ(r.y() + r.height(), 71);
}

TEST(DraggedFrame, SidesOfFourOrLessBecomeFive) {
  const QRect f(10, 10, 20, 20);
  EXPECT_EQ(DraggedFrame(Z::kBottomRight, f, {2, 2}, {18, 18}, kNoSnap).size(), QSize(5, 5));
  EXPECT_EQ(DraggedFrame(Z::kTopLeft, f, {60, 60}, {0, 0}, kNoSnap).size(), QSize(5, 5));
  EXPECT_EQ(DraggedFrame(Z::kRight, f, {5, 5}, {19, 5}, kNoSnap).width(), 5);  // 20 − 14 − 1 = 5 stays
  EXPECT_EQ(DraggedFrame(Z::kRight, f, {4, 5}, {19, 5}, kNoSnap).width(), 5);  // 4 becomes 5
}

TEST(KeepObjectsOnPage, PullsObjectsBackWhenTheyWouldLieWhollyPastAnEdge) {
  const QSize page(252, 96);
  const QRect frame(8, 8, 105, 55), objects(10, 10, 100, 50);
  // Dragged by its far margin to the page's left edge: the objects' right
  // edge would be at −2.
  const QRect moved(-104, 8, 105, 55);
  const QRect kept = KeepObjectsOnPage(moved, frame, objects, page);
  EXPECT_EQ(kept.x() + 2 + 100, 1);
  EXPECT_EQ(KeepObjectsOnPage(QRect(260, 100, 105, 55), frame, objects, page).topLeft(), QPoint(249, 93));
  // Partly past the edge is allowed.
  EXPECT_EQ(KeepObjectsOnPage(QRect(-50, -20, 105, 55), frame, objects, page), QRect(-50, -20, 105, 55));
}

TEST(Nudging, MovesByOneAndStopsAtThePagesEdges) {
  const QSize page(100, 50);
  EXPECT_EQ(NudgedRect({5, 5, 10, 10}, ArrowKey::kLeft, false, page), QRect(4, 5, 10, 10));
  EXPECT_EQ(NudgedRect({0, 0, 10, 10}, ArrowKey::kLeft, false, page), QRect(0, 0, 10, 10));
  EXPECT_EQ(NudgedRect({0, 0, 10, 10}, ArrowKey::kUp, false, page), QRect(0, 0, 10, 10));
  EXPECT_EQ(NudgedRect({89, 39, 10, 10}, ArrowKey::kRight, false, page), QRect(90, 39, 10, 10));
  // The right and bottom edges stop on the page's edge, not past it.
  EXPECT_EQ(NudgedRect({90, 40, 10, 10}, ArrowKey::kRight, false, page), QRect(90, 40, 10, 10));
  EXPECT_EQ(NudgedRect({90, 40, 10, 10}, ArrowKey::kDown, false, page), QRect(90, 40, 10, 10));
}

TEST(Nudging, ShiftMovesTheFarEdgesDownToTenUnits) {
  const QSize page(100, 50);
  EXPECT_EQ(NudgedRect({5, 5, 11, 20}, ArrowKey::kLeft, true, page), QRect(5, 5, 10, 20));
  EXPECT_EQ(NudgedRect({5, 5, 10, 20}, ArrowKey::kLeft, true, page), QRect(5, 5, 10, 20));
  EXPECT_EQ(NudgedRect({5, 5, 20, 10}, ArrowKey::kUp, true, page), QRect(5, 5, 20, 10));
  EXPECT_EQ(NudgedRect({5, 5, 20, 10}, ArrowKey::kDown, true, page), QRect(5, 5, 20, 11));
  EXPECT_EQ(NudgedRect({80, 5, 20, 10}, ArrowKey::kRight, true, page), QRect(80, 5, 20, 10));
}

TEST(SelectionSquares, CornersOfTheWidenedRectAndEdgeMiddlesForOneObject) {
  const std::vector<QRect> corners = SelectionSquares({10, 20, 100, 50}, false);
  ASSERT_EQ(corners.size(), 4u);
  EXPECT_EQ(corners[0], QRect(8, 18, 5, 5));
  EXPECT_EQ(corners[1], QRect(107, 18, 5, 5));
  EXPECT_EQ(corners[2], QRect(8, 67, 5, 5));
  EXPECT_EQ(corners[3], QRect(107, 67, 5, 5));
  const std::vector<QRect> all = SelectionSquares({10, 20, 101, 51}, true);
  ASSERT_EQ(all.size(), 8u);
  // Widened 105 × 55: middles at 8 + 52 and 18 + 27, spanning −2 to +3.
  EXPECT_EQ(all[4], QRect(58, 18, 5, 5));
  EXPECT_EQ(all[5], QRect(58, 68, 5, 5));
  EXPECT_EQ(all[6], QRect(8, 43, 5, 5));
  EXPECT_EQ(all[7], QRect(108, 43, 5, 5));
}

TEST(FrameAround, EnclosesEveryRectangleWithItsMargins) {
  const QRect objects = EnclosingRect({QRect(10, 10, 100, 50), QRect(200, 5, 0, 0), QRect(50, 70, 10, 10)});
  EXPECT_EQ(objects, QRect(10, 5, 190, 75));
  EXPECT_EQ(FrameAround(QRect(10, 10, 100, 50), kFrameMarginFarSelected), QRect(8, 8, 105, 55));
  EXPECT_EQ(FrameAround(QRect(10, 10, 100, 50), kFrameMarginFarFitted), QRect(8, 8, 106, 56));
}

}  // namespace
}  // namespace vellumo::design
