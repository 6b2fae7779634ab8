// Selecting with the mouse: clicks, Shift-clicks on objects and on the
// frame, rubber bands with and without Shift, unselectable objects, the
// pop-up menus of right clicks and double clicks, and the cursors.
#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace vellumo::design {
namespace {

using Selecting = testing::EditingTest;
using Objects = std::vector<TGGraphicControl*>;

TEST_F(Selecting, ClickSelectsOneObjectAndShiftClickAddsAnother) {
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(60, 10, 20, 20);
  changes_ = 0;
  Click({15, 15});
  EXPECT_EQ(page_.Selection(), Objects({a}));
  EXPECT_GT(host_.focus_taken, 0);
  Click({65, 15});
  EXPECT_EQ(page_.Selection(), Objects({b}));
  Click({15, 15}, Qt::ShiftModifier);
  EXPECT_EQ(page_.Selection(), Objects({b, a}));
  EXPECT_EQ(changes_, 0) << "selecting changes no design";
}

TEST_F(Selecting, ShiftClickOnTheFrameRemovesTheObjectUnderThePointerOnly) {
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(60, 10, 20, 20);
  TGGraphicControl* c = AddShape(110, 10, 20, 20);
  TGGraphicControl* between = AddShape(85, 40, 10, 10);
  Click({15, 15});
  Click({65, 15}, Qt::ShiftModifier);
  Click({115, 15}, Qt::ShiftModifier);
  ASSERT_EQ(page_.Selection(), Objects({a, b, c}));
  Click({65, 15}, Qt::ShiftModifier);
  EXPECT_EQ(page_.Selection(), Objects({a, c}));
  // An unselected object under the frame is not added.
  c->SetBounds(QRect(110, 10, 20, 50));
  Click({88, 45}, Qt::ShiftModifier);
  EXPECT_EQ(page_.Selection(), Objects({a, c}));
  EXPECT_FALSE(page_.IsSelected(between));
}

TEST_F(Selecting, BandSelectsEveryObjectItTouchesButUnselectableOnes) {
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(60, 10, 20, 20);
  AddShape(150, 60, 20, 20);
  TGGraphicControl* fixed = AddShape(40, 5, 10, 10);
  fixed->Unselectable = true;
  Drag({85, 35}, {5, 5});  // drawn up and left
  EXPECT_EQ(page_.Selection(), Objects({a, b}));
  EXPECT_GT(host_.focus_taken, 0);
  // A click on the empty page is a band of nothing.
  Click({200, 20});
  EXPECT_TRUE(page_.Selection().empty());
  // A press on an unselectable object goes to the page.
  Drag({45, 8}, {12, 12});
  EXPECT_EQ(page_.Selection(), Objects({a}));
}

TEST_F(Selecting, ShiftBandOverTheSelectedAndAnUnselectedObjectLeavesTheOther) {
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(60, 10, 20, 20);
  Click({15, 15});
  Drag({5, 40}, {70, 20}, Qt::ShiftModifier);
  EXPECT_EQ(page_.Selection(), Objects({b}));
  EXPECT_FALSE(page_.IsSelected(a));
}

TEST_F(Selecting, BandIsShownNormalisedWhileItIsDrawn) {
  AddShape(60, 10, 20, 20);
  Press({70, 40});
  editing_.Move({30, 20}, Qt::LeftButton);
  EXPECT_TRUE(editing_.Banding());
  EXPECT_EQ(host_.cursor, EditCursor::kHandPoint);
  ASSERT_TRUE(editing_.Overlay().band);
  EXPECT_EQ(*editing_.Overlay().band, QRect(30, 20, 40, 20));
  // The pointer is held on the page.
  editing_.Move({-30, 500}, Qt::LeftButton);
  EXPECT_EQ(*editing_.Overlay().band, QRect(0, 40, 70, 56));
  Release({-30, 500});
  EXPECT_FALSE(editing_.Overlay().band);
}

TEST_F(Selecting, RightClicksOpenTheObjectsOrThePagesMenu) {
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(60, 10, 20, 20);
  Click({15, 15}, {}, Qt::RightButton);
  ASSERT_EQ(host_.object_menus.size(), 1u);
  EXPECT_EQ(host_.object_menus[0].first, a);
  EXPECT_EQ(host_.object_menus[0].second, QPoint(15, 15));
  EXPECT_EQ(page_.Selection(), Objects({a}));
  // On the frame of one object, over it: its menu again.
  Click({20, 20}, {}, Qt::RightButton);
  EXPECT_EQ(host_.object_menus.size(), 2u);
  // On the frame's margin: the page's menu.
  Click({9, 9}, {}, Qt::RightButton);
  EXPECT_EQ(host_.page_menus, std::vector<QPoint>({{9, 9}}));
  // With several selected, the page's menu; a Shift right click on an
  // unselected object adds it but opens no menu.
  Click({65, 15}, Qt::ShiftModifier, Qt::RightButton);
  EXPECT_EQ(page_.Selection(), Objects({a, b}));
  EXPECT_EQ(host_.object_menus.size(), 2u);
  Click({15, 15}, {}, Qt::RightButton);
  EXPECT_EQ(host_.page_menus.size(), 2u);
  // Middle and right on the empty page.
  Click({200, 80}, {}, Qt::MiddleButton);
  Click({200, 80}, {}, Qt::RightButton);
  EXPECT_EQ(host_.page_menus.size(), 4u);
  EXPECT_EQ(page_.Selection(), Objects({a, b}));
}

TEST_F(Selecting, DoubleClickOnTheFrameOpensTheMenuOfTheObjectAndDropsTheDrag) {
  TGGraphicControl* a = AddShape(10, 10, 40, 20);
  Click({15, 15});
  Press({20, 20});
  EXPECT_TRUE(editing_.Dragging());
  editing_.DoubleClick({20, 20}, Qt::LeftButton, {});
  EXPECT_FALSE(editing_.Dragging());
  ASSERT_EQ(host_.object_menus.size(), 1u);
  EXPECT_EQ(host_.object_menus[0].first, a);
  now_ += 500;
  editing_.Move({40, 40}, Qt::LeftButton);
  Release({40, 40});
  EXPECT_EQ(a->Bounds(), QRect(10, 10, 40, 20));
}

TEST_F(Selecting, PointerShapesFollowWhatLiesUnderIt) {
  AddShape(10, 10, 100, 40);
  AddShape(150, 10, 40, 40);
  editing_.Move({200, 80}, {});
  EXPECT_EQ(host_.cursor, EditCursor::kDefault);
  editing_.Move({160, 20}, {});
  EXPECT_EQ(host_.cursor, EditCursor::kHandPoint);
  Click({50, 30});
  editing_.Move({50, 30}, {});
  EXPECT_EQ(host_.cursor, EditCursor::kHandGrab);
  editing_.Move({9, 9}, {});
  EXPECT_EQ(editing_.Zone(), HandleZone::kTopLeft);
  EXPECT_EQ(host_.cursor, EditCursor::kSizeDiagonalDown);
  editing_.Move({112, 9}, {});
  EXPECT_EQ(host_.cursor, EditCursor::kSizeDiagonalUp);
  editing_.Move({60, 51}, {});
  EXPECT_EQ(host_.cursor, EditCursor::kSizeVertical);
  editing_.Move({112, 30}, {});
  EXPECT_EQ(host_.cursor, EditCursor::kSizeHorizontal);
  // Several selected: no handles.
  Click({160, 20}, Qt::ShiftModifier);
  editing_.Move({9, 9}, {});
  EXPECT_EQ(editing_.Zone(), HandleZone::kMove);
  EXPECT_EQ(host_.cursor, EditCursor::kHandGrab);
  page_.SetPanelState(TLPanelState::psRectangle);
  editing_.Move({200, 80}, {});
  EXPECT_EQ(host_.cursor, EditCursor::kDrawing);
}

TEST_F(Selecting, SquaresShowForEverySelectedObjectInTheFramesColours) {
  AddShape(10, 10, 20, 20);
  AddShape(60, 10, 20, 20);
  Click({15, 15});
  EditingOverlay one = editing_.Overlay();
  EXPECT_EQ(one.squares.size(), 8u);
  EXPECT_EQ(one.square_colour, QColor(Qt::black));
  Click({65, 15}, Qt::ShiftModifier);
  EditingOverlay two = editing_.Overlay();
  EXPECT_EQ(two.squares.size(), 8u);  // corners only, for each
  EXPECT_EQ(two.square_colour, QColor(128, 128, 128));
  EXPECT_FALSE(two.band);
  EXPECT_FALSE(two.outline);
}

}  // namespace
}  // namespace vellumo::design
