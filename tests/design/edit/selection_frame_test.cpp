// The selection frame: its bounds over the selection and after changes,
// its grid steps and the page's grid settings, and moving and sizing the
// selected objects through its bounds.
#include "design/edit/selection_frame.h"

#include <gtest/gtest.h>

#include "page_fixture.h"

namespace vellumo::design {
namespace {

using testing::PageTest;
using SelectionFrame = PageTest;

TEST_F(SelectionFrame, OneObjectGivesAFrameFiveLargerThenSixAfterAMove) {
  TGHandle frame(&page_);
  TGGraphicControl* object = AddShape(20, 30, 100, 50);
  ASSERT_TRUE(frame.AddToSelection(object));
  EXPECT_TRUE(frame.Visible());
  EXPECT_EQ(frame.Bounds(), QRect(18, 28, 105, 55));
  object->SetLeft(40);
  EXPECT_EQ(frame.Bounds(), QRect(38, 28, 106, 56));
}

TEST_F(SelectionFrame, EnclosesEverySelectedObjectAndShrinksWhenOneLeaves) {
  TGHandle frame(&page_);
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(100, 50, 30, 40);
  frame.AddToSelection(a);
  frame.AddToSelection(b);
  EXPECT_EQ(frame.SelectionCount(), 2);
  EXPECT_EQ(frame.Selected(1), b);
  EXPECT_EQ(frame.Bounds(), QRect(8, 8, 125, 85));
  frame.RemoveFromSelection(b);
  EXPECT_EQ(frame.Bounds(), QRect(8, 8, 25, 25));
}

TEST_F(SelectionFrame, RefusesUnselectableAndAlreadySelectedObjects) {
  TGHandle frame(&page_);
  TGGraphicControl* object = AddShape(10, 10, 20, 20);
  object->Unselectable = true;
  EXPECT_FALSE(frame.AddToSelection(object));
  EXPECT_FALSE(frame.Visible());
  object->Unselectable = false;
  EXPECT_TRUE(frame.AddToSelection(object));
  EXPECT_FALSE(frame.AddToSelection(object));
  EXPECT_EQ(frame.SelectionCount(), 1);
}

TEST_F(SelectionFrame, EmptySelectionHidesAndDisablesA24By24Frame) {
  TGHandle frame(&page_);
  EXPECT_FALSE(frame.Visible());
  EXPECT_EQ(frame.Bounds().size(), QSize(24, 24));
  frame.AddToSelection(AddShape(10, 10, 100, 50));
  frame.ClearSelection();
  EXPECT_FALSE(frame.Visible());
  EXPECT_FALSE(frame.Enabled());
  EXPECT_EQ(frame.Bounds().size(), QSize(24, 24));
}

TEST_F(SelectionFrame, FollowsSelectionsThePageChanges) {
  TGHandle frame(&page_);
  AddShape(10, 10, 20, 20);
  AddShape(40, 40, 20, 20);
  page_.SelectAll();
  EXPECT_EQ(frame.Bounds(), QRect(8, 8, 55, 55));
  page_.Delete();
  EXPECT_FALSE(frame.Visible());
}

TEST_F(SelectionFrame, AddingRecordsThePressTimeOfThePagesClock) {
  int64_t now = 5000;
  page_.Now = [&] { return now; };
  TGHandle frame(&page_);
  frame.AddToSelection(AddShape(10, 10, 20, 20));
  EXPECT_EQ(frame.PressTime(), 5000);
}

TEST_F(SelectionFrame, SquaresTakeTheFirstColourForOneObjectAndTheSecondForSeveral) {
  TGHandle frame(&page_);
  frame.AddToSelection(AddShape(10, 10, 20, 20));
  EXPECT_EQ(frame.SquareColour(), kClBlack);
  frame.AddToSelection(AddShape(40, 40, 20, 20));
  EXPECT_EQ(frame.SquareColour(), kClGray);
}

TEST_F(SelectionFrame, NewFrameDoesNotSnapAndKeepsStepsOfEight) {
  TGHandle frame(&page_);
  EXPECT_FALSE(frame.SnapToGrid());
  EXPECT_EQ(frame.GridX(), 1);
  EXPECT_EQ(frame.StoredGridY(), 8);
  frame.SetSnapToGrid(true);
  EXPECT_EQ(frame.GridX(), 8);
  EXPECT_TRUE(frame.SnapToGrid());
}

TEST_F(SelectionFrame, SettingAStepSetsBothStepsAndSnappingOffKeepsTheStored) {
  TGHandle frame(&page_);
  frame.SetGridX(5);
  EXPECT_EQ(frame.GridX(), 5);
  EXPECT_TRUE(frame.SnapToGrid());  // one step above 1 is enough
  frame.SetSnapToGrid(false);
  EXPECT_EQ(frame.GridX(), 1);
  EXPECT_EQ(frame.StoredGridX(), 5);
  frame.SetGridY(40);
  EXPECT_EQ(frame.GridY(), 32);
  frame.SetGridY(0);
  EXPECT_EQ(frame.GridY(), 1);
  EXPECT_FALSE(frame.SnapToGrid());
}

TEST_F(SelectionFrame, FollowsThePagesGridSizeAndSnapping) {
  TGHandle frame(&page_);
  page_.GridSize = TGridSize::gs8x8;
  // A grid size alone does not make the frame snap.
  EXPECT_EQ(frame.GridX(), 1);
  EXPECT_EQ(frame.StoredGridX(), 8);
  page_.SnapToGrid = true;
  EXPECT_EQ(frame.GridX(), 8);
  page_.GridSize = TGridSize::gs4x4;
  EXPECT_EQ(frame.GridY(), 4);
  page_.SnapToGrid = false;
  EXPECT_FALSE(frame.SnapToGrid());
  // Turning snapping on takes the steps from the grid size again.
  frame.SetGridX(3);
  page_.SnapToGrid = true;
  EXPECT_EQ(frame.GridX(), 4);
}

TEST_F(SelectionFrame, NewBoundsMoveAndSizeEveryUnlockedObjectByTheDifference) {
  TGHandle frame(&page_);
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(40, 50, 30, 10);
  TGGraphicControl* locked = AddShape(5, 60, 10, 10);
  locked->Locked = true;
  for (auto* o : {a, b, locked}) frame.AddToSelection(o);
  const QRect old = frame.Bounds();
  frame.SetFrameBounds(old.translated(7, -3).adjusted(0, 0, 4, 2));
  EXPECT_EQ(a->Bounds(), QRect(17, 7, 24, 22));
  EXPECT_EQ(b->Bounds(), QRect(47, 47, 34, 12));
  EXPECT_EQ(locked->Bounds(), QRect(5, 60, 10, 10));
}

TEST_F(SelectionFrame, ShrinkingNeverTakesAnObjectBelowOneUnit) {
  TGHandle frame(&page_);
  TGGraphicControl* object = AddShape(10, 10, 20, 20);
  frame.AddToSelection(object);
  frame.SetFrameBounds(QRect(frame.Bounds().topLeft(), QSize(5, 5)));
  EXPECT_EQ(object->Bounds(), QRect(10, 10, 1, 1));
}

TEST_F(SelectionFrame, NothingChangesAndNothingIsReportedWhenEveryObjectIsLocked) {
  TGHandle frame(&page_);
  TGGraphicControl* object = AddShape(10, 10, 20, 20);
  object->Locked = true;
  frame.AddToSelection(object);
  const QRect before = frame.Bounds();
  changes_ = 0;
  frame.SetFrameBounds(before.translated(30, 30));
  EXPECT_EQ(changes_, 0);
  EXPECT_EQ(object->Bounds(), QRect(10, 10, 20, 20));
  // The frame stays around its objects.
  EXPECT_EQ(frame.Bounds(), before);
}

}  // namespace
}  // namespace vellumo::design
