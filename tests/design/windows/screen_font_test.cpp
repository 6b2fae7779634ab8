// Stored fonts as widget fonts and back: what survives the round trip.
#include <gtest/gtest.h>

#include "design/stream/font_size.h"
#include "design/windows/screen_font.h"

namespace vellumo::design {
namespace {

StoredFont StyledFont() {
  StoredFont font;
  font.name = "Times New Roman";
  font.height = FontHeightFromPoints(14);
  font.colour = 0x00FF00;
  font.pitch = FontPitch::kFixed;
  font.style = kFontBold | kFontItalic | kFontUnderline;
  return font;
}

TEST(ScreenFontTest, ARoundTripKeepsFamilySizeStyleAndColour) {
  const StoredFont stored = StyledFont();
  const QFont shown = ScreenFont(stored);
  EXPECT_EQ(shown.family(), "Times New Roman");
  EXPECT_EQ(shown.pointSize(), 14);
  EXPECT_TRUE(shown.bold());
  EXPECT_TRUE(shown.italic());
  EXPECT_TRUE(shown.underline());
  EXPECT_EQ(StoredFontOf(shown, stored), stored);
}

TEST(ScreenFontTest, AChosenFontTakesItsOwnSizeAndStyleButKeepsTheColour) {
  QFont chosen(QStringLiteral("Arial"));
  chosen.setPointSize(9);
  chosen.setStrikeOut(true);
  const StoredFont font = StoredFontOf(chosen, StyledFont());
  EXPECT_EQ(font.name, "Arial");
  EXPECT_EQ(font.height, FontHeightFromPoints(9));
  EXPECT_EQ(font.style, kFontStrikeOut);
  EXPECT_EQ(font.colour, 0x00FF00u);
  EXPECT_EQ(font.pitch, FontPitch::kFixed);
}

TEST(ScreenFontTest, AFontSizedInPixelsKeepsTheStoredHeight) {
  QFont chosen(QStringLiteral("Arial"));
  chosen.setPixelSize(20);
  EXPECT_EQ(StoredFontOf(chosen, StyledFont()).height, FontHeightFromPoints(14));
}

}  // namespace
}  // namespace vellumo::design
