// Choosing the positions of a sheet to print.
#include "labels/setup/sheet_position_mask.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

TEST(SheetPositionMaskTest, EveryPositionStartsChosen) {
  const SheetPositionMask mask;
  for (int index = 0; index < kSheetPositionLimit; ++index) EXPECT_TRUE(mask.IsSelected(index)) << index;
  EXPECT_TRUE(mask.AnySelected(kSheetPositionLimit));
}

TEST(SheetPositionMaskTest, CellsAreNumberedRowByRow) {
  EXPECT_EQ(SheetPositionMask::IndexOf(0, 0, 3), 0);
  EXPECT_EQ(SheetPositionMask::IndexOf(2, 0, 3), 2);
  EXPECT_EQ(SheetPositionMask::IndexOf(0, 1, 3), 3);
  EXPECT_EQ(SheetPositionMask::IndexOf(2, 9, 3), 29);
}

TEST(SheetPositionMaskTest, ToggleAllAndNone) {
  SheetPositionMask mask;
  mask.Toggle(4);
  EXPECT_FALSE(mask.IsSelected(4));
  EXPECT_TRUE(mask.IsSelected(3));
  EXPECT_TRUE(mask.IsSelected(5));
  mask.Toggle(4);
  EXPECT_TRUE(mask.IsSelected(4));

  mask.SelectNone();
  for (int index = 0; index < kSheetPositionLimit; ++index) EXPECT_FALSE(mask.IsSelected(index)) << index;
  mask.SetSelected(199, true);
  EXPECT_TRUE(mask.IsSelected(199));
  mask.SelectAll();
  EXPECT_EQ(mask, SheetPositionMask());
}

TEST(SheetPositionMaskTest, PositionsOutsideTheMaskAreNeverChosen) {
  SheetPositionMask mask;
  mask.Toggle(-1);
  mask.Toggle(kSheetPositionLimit);
  mask.SetSelected(kSheetPositionLimit + 5, true);
  EXPECT_EQ(mask, SheetPositionMask());
  EXPECT_FALSE(mask.IsSelected(-1));
  EXPECT_FALSE(mask.IsSelected(kSheetPositionLimit));
}

TEST(SheetPositionMaskTest, OnlyTheSheetsOwnPositionsCountAsChosen) {
  SheetPositionMask mask;
  mask.SelectNone();
  EXPECT_FALSE(mask.AnySelected(30));
  // A position left chosen from a larger sheet prints nothing on this one.
  mask.Toggle(30);
  EXPECT_FALSE(mask.AnySelected(30));
  EXPECT_TRUE(mask.AnySelected(31));
  mask.Toggle(29);
  EXPECT_TRUE(mask.AnySelected(30));
  EXPECT_FALSE(mask.AnySelected(0));
  EXPECT_TRUE(mask.AnySelected(1000));  // held to the mask's size
}

TEST(SheetPositionsTest, SheetsUpTo200LabelsFit) {
  StockGeometry g;
  g.across = 10;
  g.down = 20;
  EXPECT_TRUE(CheckSheetPositions(g).ok());
  g.down = 30;  // the largest sheet the stock editor takes
  const xbase::Status s = CheckSheetPositions(g);
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_EQ(s.message(), "This label sheet has 300 labels; at most 200 labels per sheet can be printed");
}

}  // namespace
}  // namespace vellumo
