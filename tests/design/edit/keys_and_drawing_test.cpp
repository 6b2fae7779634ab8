// Keyboard nudges, the clipboard keys and their failures, and drawing
// with a tool through a rubber band.
#include <gtest/gtest.h>

#include "design/stream/design_file.h"
#include "editing_fixture.h"

namespace vellumo::design {
namespace {

using Keys = testing::EditingTest;
using Drawing = testing::EditingTest;

TEST_F(Keys, ArrowsMoveTheOutlineAndTheReleaseMovesTheObjectsOnce) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  Click({30, 30});
  changes_ = 0;
  editing_.KeyPress(Qt::Key_Right, {});
  editing_.KeyRelease(Qt::Key_Right, true);
  editing_.KeyPress(Qt::Key_Right, {});
  editing_.KeyPress(Qt::Key_Down, {});
  EXPECT_TRUE(editing_.Nudging());
  ASSERT_TRUE(editing_.Overlay().outline);
  EXPECT_EQ(*editing_.Overlay().outline, QRect(22, 21, 40, 20));
  EXPECT_EQ(object->Left(), 20) << "nothing moves before the key is released";
  EXPECT_TRUE(editing_.KeyRelease(Qt::Key_Down, false));
  EXPECT_EQ(object->Bounds(), QRect(22, 21, 40, 20));
  EXPECT_EQ(changes_, 1);
  EXPECT_FALSE(editing_.Nudging());
}

TEST_F(Keys, ShiftArrowsSizeOneObjectButNotBelowTenUnits) {
  TGGraphicControl* object = AddShape(20, 20, 12, 30);
  Click({25, 25});
  Nudge(Qt::Key_Left, 5, Qt::ShiftModifier);
  EXPECT_EQ(object->Bounds(), QRect(20, 20, 10, 30));
  Nudge(Qt::Key_Left, 1, Qt::ShiftModifier);
  EXPECT_EQ(object->Width(), 10);
  Nudge(Qt::Key_Down, 2, Qt::ShiftModifier);
  Nudge(Qt::Key_Up, 1, Qt::ShiftModifier);
  EXPECT_EQ(object->Bounds(), QRect(20, 20, 10, 31));
}

TEST_F(Keys, ShiftArrowsMoveSeveralObjects) {
  TGGraphicControl* a = AddShape(20, 20, 12, 30);
  TGGraphicControl* b = AddShape(60, 20, 12, 30);
  page_.SelectAll();
  Nudge(Qt::Key_Left, 3, Qt::ShiftModifier);
  EXPECT_EQ(a->Bounds(), QRect(17, 20, 12, 30));
  EXPECT_EQ(b->Bounds(), QRect(57, 20, 12, 30));
}

TEST_F(Keys, NudgesAfterAMoveKeepTheSizeAndStopAtThePagesEdges) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  Drag({30, 30}, {40, 30});  // the frame is re-fitted one unit larger
  ASSERT_EQ(object->Left(), 30);
  Nudge(Qt::Key_Right, 500);
  EXPECT_EQ(object->Bounds(), QRect(212, 20, 40, 20));  // right edge on the page's, 252
  Nudge(Qt::Key_Up, 50);
  EXPECT_EQ(object->Top(), 0);
  Nudge(Qt::Key_Down, 500, Qt::ShiftModifier);
  EXPECT_EQ(object->Bounds(), QRect(212, 0, 40, 96));
}

TEST_F(Keys, LockedObjectsIgnoreNudgesAndNothingIsReported) {
  TGGraphicControl* object = AddShape(20, 20, 40, 20);
  object->Locked = true;
  Click({30, 30});
  changes_ = 0;
  Nudge(Qt::Key_Left, 3);
  EXPECT_EQ(object->Left(), 20);
  EXPECT_EQ(changes_, 0);
}

TEST_F(Keys, ArrowsWithoutASelectionAreNotUsed) {
  AddShape(20, 20, 40, 20);
  EXPECT_FALSE(editing_.KeyPress(Qt::Key_Left, {}));
  EXPECT_FALSE(editing_.KeyRelease(Qt::Key_Left, false));
  EXPECT_FALSE(editing_.KeyPress(Qt::Key_A, {}));
}

TEST_F(Keys, CopyPasteCutAndDeleteGoToThePage) {
  AddShape(20, 20, 40, 20);
  Click({30, 30});
  EXPECT_TRUE(editing_.KeyPress(Qt::Key_C, Qt::ControlModifier));
  EXPECT_TRUE(page_.ClipboardExists());
  EXPECT_TRUE(editing_.KeyPress(Qt::Key_V, Qt::ControlModifier));
  now_ += 500;
  editing_.KeyPress(Qt::Key_V, Qt::ControlModifier);  // a held-down key
  ASSERT_EQ(page_.Objects().size(), 2u);
  EXPECT_EQ(page_.Objects()[1]->Bounds(), QRect(35, 35, 40, 20));
  now_ += 1000;
  editing_.KeyPress(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(page_.Objects().size(), 3u);
  EXPECT_EQ(page_.Objects()[2]->Bounds(), QRect(35, 35, 40, 20));
  // The selection is still the first object.
  EXPECT_TRUE(editing_.KeyPress(Qt::Key_X, Qt::ControlModifier));
  EXPECT_EQ(page_.Objects().size(), 2u);
  EXPECT_FALSE(editing_.Frame().Visible());
  Click({40, 40});
  EXPECT_TRUE(editing_.KeyPress(Qt::Key_Delete, {}));
  EXPECT_EQ(page_.Objects().size(), 1u);
  EXPECT_TRUE(host_.errors.empty());
}

TEST_F(Keys, AFailedPasteIsReported) {
  std::unique_ptr<xbase::File> file;
  ASSERT_TRUE(env_->CreateFile(page_.ClipboardPath(), xbase::LockMode::kNone, &file).ok());
  ASSERT_TRUE(file->WriteAt(0, "not a design").ok());
  file.reset();
  editing_.KeyPress(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(host_.errors.size(), 1u);
}

TEST_F(Keys, ClipboardKeysWaitForARunningDrag) {
  AddShape(20, 20, 40, 20);
  Click({30, 30});
  Press({30, 30});
  EXPECT_TRUE(editing_.KeyPress(Qt::Key_Delete, {}));
  EXPECT_EQ(page_.Objects().size(), 1u);
}

TEST_F(Drawing, ABandDrawsTheToolsObjectWidenedAndFiresTheDropOnce) {
  int drops = 0;
  page_.DroppedObjectEvent = [&](const QRect&) { ++drops; };
  page_.SetPanelState(TLPanelState::psEllipse);
  Drag({40, 30}, {30, 25});
  ASSERT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(page_.Objects()[0]->Bounds(), QRect(30, 25, 50, 15));
  EXPECT_EQ(static_cast<TGLabelShapes*>(page_.Objects()[0].get())->Shape, TShapeType::stEllipse);
  EXPECT_EQ(drops, 1);
  EXPECT_TRUE(page_.Selection().empty());
}

TEST_F(Drawing, PressesOnObjectsAndOnTheFrameDrawToo) {
  AddShape(20, 20, 100, 50);
  Click({30, 30});
  page_.SetPanelState(TLPanelState::psRectangle);
  Drag({60, 40}, {100, 80});  // on the frame
  Drag({30, 30}, {60, 50});   // on the object
  ASSERT_EQ(page_.Objects().size(), 3u);
  EXPECT_EQ(page_.Objects()[1]->Bounds(), QRect(60, 40, 40, 40));
  EXPECT_EQ(page_.Objects()[2]->Bounds(), QRect(30, 30, 30, 20));
  EXPECT_EQ(page_.Objects()[0]->Bounds(), QRect(20, 20, 100, 50)) << "the selection did not move";
}

TEST_F(Drawing, OtherPagesCreateTheirObjectsThroughTheirOwnCall) {
  std::vector<QRect> created;
  editing_.CreateObject = [&](const QRect& band) { created.push_back(band); };
  page_.SetPanelState(TLPanelState::psLine);
  Drag({10, 10}, {40, 90});
  EXPECT_EQ(created, std::vector<QRect>({QRect(10, 10, 30, 80)}));
  EXPECT_TRUE(page_.Objects().empty());
}

}  // namespace
}  // namespace vellumo::design
