// The colour and cursor names of design files.
#include "design/stream/colours.h"
#include "design/stream/cursors.h"

#include <gtest/gtest.h>

namespace vellumo::design {
namespace {

TEST(ColourNamesTest, PlainColoursSystemColoursAndNone) {
  EXPECT_EQ(ColourName(0x000000), "clBlack");
  EXPECT_EQ(ColourName(0x000080), "clMaroon");
  EXPECT_EQ(ColourName(0xC0C0C0), "clSilver");
  EXPECT_EQ(ColourName(0x0000FF), "clRed");
  EXPECT_EQ(ColourName(0xFF0000), "clBlue");
  EXPECT_EQ(ColourName(0xFFFF00), "clAqua");
  EXPECT_EQ(ColourName(0xFFFFFF), "clWhite");
  EXPECT_EQ(ColourName(0x80000000), "clScrollBar");
  EXPECT_EQ(ColourName(0x80000005), "clWindow");
  EXPECT_EQ(ColourName(0x8000000F), "clBtnFace");
  EXPECT_EQ(ColourName(0x80000013), "clInactiveCaptionText");
  EXPECT_EQ(ColourName(0x80000015), "cl3DDkShadow");
  EXPECT_EQ(ColourName(0x80000018), "clInfoBk");
  EXPECT_EQ(ColourName(0x1FFFFFFF), "clNone");
  EXPECT_FALSE(ColourName(0x80000019));
  EXPECT_FALSE(ColourName(0x123456));
  EXPECT_EQ(ColourNames().size(), 16u + 25u + 1u);
}

TEST(ColourNamesTest, NamesReadInAnyCase) {
  EXPECT_EQ(ColourFromName("clBlue"), 0xFF0000u);
  EXPECT_EQ(ColourFromName("CLBLUE"), 0xFF0000u);
  EXPECT_EQ(ColourFromName("clInfoText"), 0x80000017u);
  EXPECT_FALSE(ColourFromName("clBlu"));
  EXPECT_FALSE(ColourFromName(""));
}

TEST(CursorNamesTest, StandardCursorsByNumber) {
  EXPECT_EQ(CursorName(0), "crDefault");
  EXPECT_EQ(CursorName(-1), "crNone");
  EXPECT_EQ(CursorName(-4), "crIBeam");
  EXPECT_EQ(CursorName(-11), "crHourGlass");
  EXPECT_EQ(CursorName(-21), "crHandPoint");
  EXPECT_EQ(CursorName(-22), "crSizeAll");
  EXPECT_FALSE(CursorName(-5));
  EXPECT_FALSE(CursorName(1));
  EXPECT_EQ(CursorFromName("crSize"), -22);
  EXPECT_EQ(CursorFromName("crhandpoint"), -21);
  EXPECT_FALSE(CursorFromName("crBusy"));
}

}  // namespace
}  // namespace vellumo::design
