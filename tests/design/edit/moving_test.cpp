// Moving and resizing with the frame: the 10 ms and 150 ms rules,
// snapping, handles, several objects and locked ones, the page's edges,
// and changes that did not happen reporting nothing.
#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace vellumo::design {
namespace {

using Moving = testing::EditingTest;

TEST_F(Moving, PressingOnAnObjectAndMovingOnDragsItStraightAway) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  changes_ = 0;
  Drag({30, 30}, {45, 38});
  EXPECT_EQ(object->Bounds(), QRect(35, 28, 40, 20));
  EXPECT_EQ(changes_, 1) << "one change for one object moved";
}

TEST_F(Moving, MovesWithinTenMillisecondsOfThePressDoNotStartADrag) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  Press({30, 30});
  now_ += 10;
  editing_.Move({40, 30}, Qt::LeftButton);
  EXPECT_FALSE(editing_.Dragging());
  now_ += 1;
  editing_.Move({40, 30}, Qt::LeftButton);  // the anchor is where the drag starts
  EXPECT_TRUE(editing_.Dragging());
  editing_.Move({50, 30}, Qt::LeftButton);
  now_ += 300;
  Release({50, 30});
  EXPECT_EQ(object->Left(), 30);
}

TEST_F(Moving, DragReleasedWithin150MillisecondsOfThePressMovesNothing) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  Drag({30, 30}, {80, 60}, {}, 149);
  EXPECT_EQ(object->Bounds(), QRect(20, 20, 40, 20));
  Drag({30, 30}, {80, 60}, {}, 150);  // now on the frame
  EXPECT_EQ(object->Bounds(), QRect(70, 50, 40, 20));
}

TEST_F(Moving, ReleaseAtTheAnchorChangesAndReportsNothing) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  changes_ = 0;
  Press({30, 30});
  now_ += 20;
  editing_.Move({30, 30}, Qt::LeftButton);
  editing_.Move({90, 70}, Qt::LeftButton);
  editing_.Move({30, 30}, Qt::LeftButton);
  now_ += 500;
  Release({30, 30});
  EXPECT_EQ(object->Bounds(), QRect(20, 20, 40, 20));
  EXPECT_EQ(changes_, 0);
}

TEST_F(Moving, SnappingOnAnEightGridTakesAnObjectAt13To18) {
  page_.GridSize = TGridSize::gs8x8;
  page_.SnapToGrid = true;
  TGGraphicControl* object = AddShape(13, 32, 40, 20);  // frame at 11, 30
  Click({20, 40});
  Drag({20, 40}, {30, 40});
  EXPECT_EQ(object->Left(), 18);  // frame left (21 div 8) × 8 = 16
  EXPECT_EQ(object->Top(), 26);   // frame top 30 snaps to 24
}

TEST_F(Moving, RightHandleWidensBySnappedWidthLessOne) {
  TGGraphicControl* object = AddShape(20, 20, 100, 40);  // frame 18, 18, 105 × 45
  Click({50, 30});
  Drag({122, 40}, {132, 40});
  EXPECT_EQ(object->Bounds(), QRect(20, 20, 109, 40));
  page_.SnapToGrid = true;
  page_.GridSize = TGridSize::gs8x8;
  // The re-fitted frame is 115 wide: snapX(115 + 10) − 1 = 119, 4 wider.
  Drag({132, 40}, {142, 40});
  EXPECT_EQ(object->Width(), 113);
}

TEST_F(Moving, ResizingToNothingKeepsTheObjectAtOneUnit) {
  TGGraphicControl* object = AddShape(40, 30, 100, 40);
  Click({60, 40});
  Drag({141, 71}, {0, 0});  // the bottom-right handle past the top-left corner
  EXPECT_EQ(object->Bounds(), QRect(40, 30, 1, 1));
  page_.ClearObjects();
  object = AddShape(40, 30, 100, 40);
  Click({60, 40});
  Drag({39, 29}, {200, 90});  // the top-left handle far past the bottom-right
  EXPECT_EQ(object->Bounds(), QRect(201, 91, 1, 1));
}

TEST_F(Moving, SeveralObjectsOnlyMoveAndALockedOneStays) {
  TGGraphicControl* a = AddShape(20, 20, 40, 20);
  TGGraphicControl* b = AddShape(100, 50, 30, 30);
  TGGraphicControl* locked = AddShape(150, 20, 20, 20);
  locked->Locked = true;
  page_.SelectAll();
  // From the frame's top-left corner: a move, not a resize.
  Drag({19, 19}, {29, 24});
  EXPECT_EQ(a->Bounds(), QRect(30, 25, 40, 20));
  EXPECT_EQ(b->Bounds(), QRect(110, 55, 30, 30));
  EXPECT_EQ(locked->Bounds(), QRect(150, 20, 20, 20));
}

TEST_F(Moving, OneDragOfManyObjectsIsOneBurstOfChangesWithinTheRelease) {
  for (int i = 0; i < 100; ++i) AddShape(2 * i, 10 + (i % 5) * 10, 10, 8);
  page_.SelectAll();
  changes_ = 0;
  Press({50, 15});
  now_ += 20;
  editing_.Move({60, 15}, Qt::LeftButton);
  editing_.Move({70, 20}, Qt::LeftButton);
  EXPECT_EQ(changes_, 0) << "objects stay put until the release";
  now_ += 300;
  Release({70, 20});
  EXPECT_EQ(changes_, 100);
  EXPECT_EQ(page_.Objects()[0]->Bounds(), QRect(20, 15, 10, 8));
}

TEST_F(Moving, ThePointerIsHeldOnThePage) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  Drag({30, 30}, {900, 30});
  EXPECT_EQ(object->Left(), 20 + 252 - 30);
}

TEST_F(Moving, DraggedByItsMarginTheObjectKeepsAUnitOnThePage) {
  TGGraphicControl* object = AddShape(20, 20, 100, 40);  // frame 18, 18, 105 × 45
  Click({50, 30});
  Drag({122, 30}, {-50, 30});  // by the right margin, far past the left edge
  EXPECT_EQ(object->Right(), 1);
}

TEST_F(Moving, DragShowsTheOutlineOfTheNewBoundsInsideTheFrame) {
  AddShape(20, 20, 40, 20);
  Click({30, 30});
  Press({30, 30});
  EXPECT_FALSE(editing_.Overlay().outline);
  editing_.Move({40, 35}, Qt::LeftButton);
  ASSERT_TRUE(editing_.Overlay().outline);
  EXPECT_EQ(*editing_.Overlay().outline, QRect(30, 25, 40, 20));
  EXPECT_EQ(host_.cursor, EditCursor::kHandGrabbing);
  now_ += 300;
  Release({40, 35});
  EXPECT_FALSE(editing_.Overlay().outline);
}

TEST_F(Moving, ADragWhoseReleaseWentElsewhereIsDroppedWithoutAChange) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  Click({30, 30});
  changes_ = 0;
  Press({30, 30});
  now_ += 300;
  editing_.Move({60, 40}, Qt::LeftButton);
  editing_.Move({70, 40}, Qt::NoButton);  // the button came up outside
  EXPECT_FALSE(editing_.Dragging());
  now_ += 300;
  Release({70, 40});
  EXPECT_EQ(object->Left(), 20);
  // A new left press during a band begins afresh.
  Press({200, 80});
  editing_.Move({210, 90}, Qt::LeftButton);
  Press({30, 30});
  EXPECT_TRUE(editing_.Dragging());
  EXPECT_FALSE(editing_.Banding());
  EXPECT_EQ(changes_, 0);
}

}  // namespace
}  // namespace vellumo::design
