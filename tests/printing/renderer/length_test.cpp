// Lengths in inches, points and millimetres, and paper sizes asked for in
// them.
#include <gtest/gtest.h>

#include <QSizeF>

#include "printing/length.h"
#include "printing/paper.h"

namespace vellumo {
namespace {

static_assert(Length::Inches(1) == Length::Points(72));
static_assert(Length::Millimetres(25.4) == Length::Inches(1));
static_assert(Length::Points(36) < Length::Inches(0.75));

TEST(LengthTest, UnitsConvertIntoEachOther) {
  EXPECT_EQ(Length::Millimetres(25.4), Length::Inches(1));
  EXPECT_EQ(Length::Points(72), Length::Inches(1));
  EXPECT_DOUBLE_EQ(Length::Inches(1).points(), 72);
  EXPECT_DOUBLE_EQ(Length::Inches(1).millimetres(), 25.4);
  EXPECT_DOUBLE_EQ(Length::Points(18).inches(), 0.25);
  EXPECT_DOUBLE_EQ(Length::Millimetres(210).points(), 210 / 25.4 * 72);
  EXPECT_DOUBLE_EQ(Length::Inches(2).pixels(300), 600);
  EXPECT_EQ(Length(), Length::Inches(0));
}

TEST(LengthTest, ArithmeticAndComparisons) {
  const Length inch = Length::Inches(1);
  EXPECT_EQ(inch + Length::Points(36), Length::Inches(1.5));
  EXPECT_EQ(inch - Length::Points(18), Length::Inches(0.75));
  EXPECT_EQ(-inch, Length::Inches(-1));
  EXPECT_EQ(inch * 3, Length::Inches(3));
  EXPECT_EQ(3 * inch, Length::Inches(3));
  EXPECT_EQ(inch / 4, Length::Points(18));
  EXPECT_DOUBLE_EQ(Length::Inches(8.5) / inch, 8.5);
  Length total;
  total += inch;
  total += inch;
  total -= Length::Inches(0.5);
  EXPECT_EQ(total, Length::Inches(1.5));
  EXPECT_LT(Length::Millimetres(25), inch);
  EXPECT_GT(Length::Points(73), inch);
  EXPECT_LE(Length::Points(72), inch);
  EXPECT_NE(Length::Points(71), inch);
}

TEST(LengthTest, CustomPaperIsAskedForInTenthsOfAMillimetre) {
  EXPECT_EQ(TenthsOfMillimetre(Length::Inches(2.625)), 667);
  EXPECT_EQ(TenthsOfMillimetre(Length::Inches(1.0)), 254);
  EXPECT_EQ(TenthsOfMillimetre(Length::Millimetres(66.7)), 667);
  const QSizeF size = PaperSize(kCustomPaper, Length::Inches(2.625), Length::Inches(1)).size(QPageSize::Millimeter);
  EXPECT_DOUBLE_EQ(size.width(), 66.7);
  EXPECT_DOUBLE_EQ(size.height(), 25.4);
  EXPECT_EQ(PaperSize(9, Length(), Length()).id(), QPageSize::A4);
}

}  // namespace
}  // namespace vellumo
