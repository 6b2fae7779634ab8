// Editing on the page: placing drawings, names, selection, z-order,
// alignment, locking, clamping and dropping, and change notifications.
#include <gtest/gtest.h>

#include "design/model/design_units.h"
#include "design/model/line_shape.h"
#include "page_fixture.h"

namespace vellumo::design {
namespace {

using testing::PageTest;
using Names = std::vector<std::string>;

TEST(DesignUnits, LabelOfTwoAndFiveEighthsByOneInchIs252By96) {
  EXPECT_EQ(UnitsFromInches(2.625), 252);
  EXPECT_EQ(UnitsFromInches(1.0), 96);
}

TEST(DesignUnits, HalvesRoundToEven) {
  EXPECT_EQ(UnitsFromInches(2.5 / 96), 2);
  EXPECT_EQ(UnitsFromInches(3.5 / 96), 4);
}

using LabelStock = PageTest;

TEST_F(LabelStock, AddressLabelStockGivesA252By96PageOfItsShape) {
  TGLabelPanel page("/prog", env_.get());
  int changes = 0;
  page.LabelChangedEvent = [&] { ++changes; };
  StockGeometry stock;
  stock.label_width = 2.625;
  stock.label_height = 1.0;
  stock.shape = "SR";
  page.FitToStock(stock);
  EXPECT_EQ(page.Size(), QSize(252, 96));
  EXPECT_EQ(page.Shape, TLabelShapeType::lsRectangle);
  EXPECT_EQ(changes, 1);
  page.FitToStock(stock);
  EXPECT_EQ(changes, 1);
  stock.shape = "EL";
  page.FitToStock(stock);
  EXPECT_EQ(page.Shape, TLabelShapeType::lsEllipse);
  EXPECT_EQ(changes, 2);
  stock.shape = "??";
  page.FitToStock(stock);
  EXPECT_EQ(page.Shape, TLabelShapeType::lsEllipse);
}

using Placement = PageTest;

TEST_F(Placement, SmallDrawingIsWidenedTo50By15) {
  page_.SetPanelState(TLPanelState::psRectangle);
  TGGraphicControl* shape = page_.CreateObjectInRect(QRect(30, 40, 10, 5));
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Bounds(), QRect(30, 40, 50, 15));
  EXPECT_EQ(changes_, 1);
}

TEST_F(Placement, LargeDrawingKeepsItsRectangle) {
  page_.SetPanelState(TLPanelState::psEllipse);
  TGGraphicControl* shape = page_.CreateObjectInRect(QRect(1, 2, 25, 16));
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Bounds(), QRect(1, 2, 25, 16));
  EXPECT_EQ(static_cast<TGLabelShapes*>(shape)->Shape, TShapeType::stEllipse);
}

TEST_F(Placement, LineToolDrawsVerticalLinesAndFiresTheDropEvent) {
  QRect dropped;
  page_.DroppedObjectEvent = [&](const QRect& r) { dropped = r; };
  page_.SetPanelState(TLPanelState::psLine);
  EXPECT_FALSE(page_.Pointing);
  TGGraphicControl* line = page_.CreateObjectInRect(QRect(5, 5, 2, 60));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(static_cast<TGLineShape*>(line)->LineStyle, TLineStyle::stVertical);
  EXPECT_EQ(dropped, QRect(5, 5, 2, 60));
}

TEST_F(Placement, ToolsWithoutAnObjectCreateNothingUntilTheirFamilyRegistersOne) {
  page_.SetPanelState(TLPanelState::psImage);
  EXPECT_EQ(page_.CreateObjectInRect(QRect(0, 0, 30, 30)), nullptr);
  EXPECT_TRUE(page_.Objects().empty());
  TGLabelPanel::RegisterTool(TLPanelState::psImage, [] {
    auto frame = std::make_unique<TGLabelShapes>();
    frame->Shape = TShapeType::stSquare;
    return frame;
  });
  TGGraphicControl* made = page_.CreateObjectInRect(QRect(0, 0, 30, 30));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(static_cast<TGLabelShapes*>(made)->Shape, TShapeType::stSquare);
  TGLabelPanel::RegisterTool(TLPanelState::psImage, [] { return std::unique_ptr<TGGraphicControl>(); });
}

TEST_F(Placement, DrawingsAreNamedSpecialWithTheFirstFreeNumber) {
  TGGraphicControl* first = AddShape(0, 0, 10, 10);
  TGGraphicControl* second = AddShape(0, 0, 10, 10);
  EXPECT_EQ(first->Name(), "Special1");
  EXPECT_EQ(second->Name(), "Special2");
  page_.DeleteObject(first);
  EXPECT_EQ(AddShape(0, 0, 10, 10)->Name(), "Special1");
}

TEST_F(Placement, NoNameIsLeftWhenAllThousandAreTaken) {
  for (int i = 0; i < 1000; ++i) AddShape(0, 0, 10, 10);
  EXPECT_EQ(page_.UniqueName("Special"), "");
}

using Selection = PageTest;

TEST_F(Selection, UnselectableObjectsNeverJoin) {
  TGGraphicControl* a = AddShape(0, 0, 10, 10);
  TGGraphicControl* b = AddShape(0, 0, 10, 10);
  b->Unselectable = true;
  EXPECT_FALSE(page_.AddToSelection(b));
  page_.SelectAll();
  EXPECT_EQ(page_.Selection(), std::vector<TGGraphicControl*>{a});
}

TEST_F(Selection, MarkingUnselectableEmptiesTheSelection) {
  TGGraphicControl* a = AddShape(0, 0, 10, 10);
  page_.SelectAll();
  page_.MarkAllUnselectable();
  EXPECT_TRUE(page_.Selection().empty());
  EXPECT_TRUE(a->Unselectable);
  page_.MarkAllSelectable();
  EXPECT_FALSE(a->Unselectable);
}

TEST_F(Selection, DeletingALockedObjectWorks) {
  TGGraphicControl* a = AddShape(0, 0, 10, 10);
  page_.LockAll();
  page_.AddToSelection(a);
  page_.Delete();
  EXPECT_TRUE(page_.Objects().empty());
  EXPECT_TRUE(page_.Selection().empty());
}

using ZOrder = PageTest;

TEST_F(ZOrder, BringSelectionToFrontKeepsTheirOrder) {
  TGGraphicControl* a = AddShape(0, 0, 10, 10);
  AddShape(0, 0, 10, 10);
  TGGraphicControl* c = AddShape(0, 0, 10, 10);
  AddShape(0, 0, 10, 10);
  page_.AddToSelection(a);
  page_.AddToSelection(c);
  page_.BringSelectionToFront();
  EXPECT_EQ(NamesInZOrder(), (Names{"Special2", "Special4", "Special1", "Special3"}));
  EXPECT_EQ(page_.Selection().size(), 2u);
}

TEST_F(ZOrder, SendSelectionToBackKeepsTheirOrderAndClearsTheSelection) {
  AddShape(0, 0, 10, 10);
  TGGraphicControl* b = AddShape(0, 0, 10, 10);
  AddShape(0, 0, 10, 10);
  TGGraphicControl* d = AddShape(0, 0, 10, 10);
  page_.AddToSelection(d);
  page_.AddToSelection(b);
  page_.SendSelectionToBack();
  EXPECT_EQ(NamesInZOrder(), (Names{"Special2", "Special4", "Special1", "Special3"}));
  EXPECT_TRUE(page_.Selection().empty());
}

TEST_F(ZOrder, ObjectFormsMoveOneObject) {
  TGGraphicControl* a = AddShape(0, 0, 10, 10);
  TGGraphicControl* b = AddShape(0, 0, 10, 10);
  AddShape(0, 0, 10, 10);
  page_.AddToSelection(b);
  page_.BringToFront(a);
  EXPECT_EQ(NamesInZOrder(), (Names{"Special2", "Special3", "Special1"}));
  page_.SendToBack(a);
  EXPECT_EQ(NamesInZOrder(), (Names{"Special1", "Special2", "Special3"}));
  EXPECT_TRUE(page_.Selection().empty());
}

using Alignment = PageTest;

TEST_F(Alignment, AlignRightPutsEveryRightEdgeOnTheLargest) {
  TGGraphicControl* a = AddShape(60, 0, 40, 10);  // right edge 100
  TGGraphicControl* b = AddShape(90, 0, 50, 10);  // right edge 140
  b->Locked = true;
  page_.SelectAll();
  page_.AlignRight();
  EXPECT_EQ(a->Right(), 140);
  EXPECT_EQ(b->Right(), 140);
  EXPECT_EQ(a->Left(), 100);
}

TEST_F(Alignment, AlignRightOfObjectsLeftOfTheOriginUsesEdgeZero) {
  TGGraphicControl* a = AddShape(-50, 0, 20, 10);
  page_.SelectAll();
  page_.AlignRight();
  EXPECT_EQ(a->Left(), -20);
}

TEST_F(Alignment, AlignLeftIsNoFurtherThanThePageWidth) {
  TGGraphicControl* a = AddShape(300, 0, 20, 10);
  TGGraphicControl* b = AddShape(400, 0, 20, 10);
  page_.SelectAll();
  page_.AlignLeft();
  EXPECT_EQ(a->Left(), 252);
  EXPECT_EQ(b->Left(), 252);
}

TEST_F(Alignment, TopsAndBottoms) {
  TGGraphicControl* a = AddShape(0, 30, 10, 10);
  TGGraphicControl* b = AddShape(0, 5, 10, 20);
  page_.SelectAll();
  page_.AlignTops();
  EXPECT_EQ(a->Top(), 5);
  EXPECT_EQ(b->Top(), 5);
  page_.AlignBottoms();
  EXPECT_EQ(a->Bottom(), 25);
  EXPECT_EQ(b->Bottom(), 25);
}

TEST_F(Alignment, CentringTruncatesBothHalves) {
  page_.SetSize(QSize(101, 51));
  TGGraphicControl* a = AddShape(0, 0, 33, 17);
  page_.SelectAll();
  page_.CenterHorizontally();
  page_.CenterVertically();
  EXPECT_EQ(a->Left(), 50 - 16);
  EXPECT_EQ(a->Top(), 25 - 8);
}

TEST_F(Alignment, EmptySelectionChangesNothing) {
  TGGraphicControl* a = AddShape(7, 8, 10, 10);
  changes_ = 0;
  page_.AlignLeft();
  page_.AlignBottoms();
  EXPECT_EQ(a->Bounds(), QRect(7, 8, 10, 10));
  EXPECT_EQ(changes_, 0);
}

using Clamping = PageTest;

TEST_F(Clamping, ClampPullsObjectsBackInside) {
  TGGraphicControl* low = AddShape(10, 90, 10, 10);
  TGGraphicControl* right = AddShape(240, 10, 10, 10);
  TGGraphicControl* inside = AddShape(232, 86, 10, 10);
  page_.ClampObjects();
  EXPECT_EQ(low->Top(), 86);
  EXPECT_EQ(right->Left(), 232);
  EXPECT_EQ(inside->Bounds(), QRect(232, 86, 10, 10));
}

TEST_F(Clamping, DropDeletesObjectsOutsideOrWithoutSize) {
  AddShape(10, 87, 10, 10);   // Top > 86
  AddShape(243, 10, 10, 10);  // Left > 242
  AddShape(10, 10, 0, 10);    // no width
  TGGraphicControl* kept = AddShape(242, 86, 10, 10);
  page_.SelectAll();
  page_.DropOutsideObjects();
  ASSERT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(page_.Objects()[0].get(), kept);
  EXPECT_TRUE(page_.Selection().empty());
}

using Notifications = PageTest;

TEST_F(Notifications, NoChangeIsReportedWhilePrinting) {
  TGGraphicControl* a = AddShape(0, 0, 10, 10);
  changes_ = 0;
  page_.Printing = true;
  a->SetLeft(40);
  page_.LockAll();
  EXPECT_EQ(changes_, 0);
  page_.Printing = false;
  a->SetLeft(41);
  EXPECT_EQ(changes_, 1);
}

TEST_F(Notifications, RecordValuesShowWhenDisplayedOrPrinting) {
  EXPECT_TRUE(page_.ShowsRecordValues());
  page_.SetDisplayDataValues(false);
  EXPECT_FALSE(page_.ShowsRecordValues());
  page_.Printing = true;
  EXPECT_TRUE(page_.ShowsRecordValues());
}

TEST_F(Notifications, UnchangedBoundsReportNothing) {
  TGGraphicControl* a = AddShape(3, 4, 10, 10);
  changes_ = 0;
  a->SetBounds(QRect(3, 4, 10, 10));
  EXPECT_EQ(changes_, 0);
}

}  // namespace
}  // namespace vellumo::design
