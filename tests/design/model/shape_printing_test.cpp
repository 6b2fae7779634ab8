// Shapes and lines on paper: pen widths in hundredths of an inch, where
// the outlines fall, rounded corners, and lines stretched to the page.
#include <gtest/gtest.h>

#include "design/model/line_shape.h"
#include "ink.h"
#include "page_fixture.h"
#include "printing/report_destinations.h"

namespace vellumo::design {
namespace {

using testing::PageTest;

constexpr double kDpi = 1000;

QImage PrintedAt1000Dpi(const TGBasePanel& page) {
  TCanvasReport canvas(QSizeF(page.Size().width() / 96.0, page.Size().height() / 96.0), kDpi);
  canvas.OnPrint = [&](TBaseReport& r) { page.PrintObjects(r, 0, 0); };
  EXPECT_TRUE(canvas.Execute());
  return canvas.pages().empty() ? QImage() : canvas.pages().front();
}

// Dark pixels in a run along column x from row `from`, as inches.
double DarkRunDown(const QImage& image, int x, int from) {
  int y = from;
  while (y < image.height() && qGray(image.pixel(x, y)) >= 128) ++y;
  int end = y;
  while (end < image.height() && qGray(image.pixel(x, end)) < 128) ++end;
  return (end - y) / kDpi;
}

using ShapePrinting = PageTest;

TEST_F(ShapePrinting, ThreeUnitPenPrintsThreeHundredthsOfAnInch) {
  auto* shape = static_cast<TGLabelShapes*>(AddShape(48, 24, 96, 48));
  shape->Pen.width = 3;
  shape->SetTransparent(true);
  const QImage image = PrintedAt1000Dpi(page_);
  // The top edge of the rectangle at 0.25 inch, crossed in the middle.
  EXPECT_NEAR(DarkRunDown(image, 1000, 200), 0.03, 0.002);
  // Transparent: nothing inside.
  EXPECT_EQ(qGray(image.pixel(1000, 500)), 255);
}

TEST_F(ShapePrinting, SolidBrushFillsAndEllipseLeavesTheCorners) {
  auto* shape = static_cast<TGLabelShapes*>(AddShape(0, 0, 96, 96));
  shape->Shape = TShapeType::stEllipse;
  shape->Brush.colour = kClBlack;
  const QImage image = PrintedAt1000Dpi(page_);
  EXPECT_LT(qGray(image.pixel(500, 500)), 50);
  EXPECT_EQ(qGray(image.pixel(60, 60)), 255);
}

TEST_F(ShapePrinting, RoundedCornersAreAQuarterOfTheLongerSide) {
  auto* shape = static_cast<TGLabelShapes*>(AddShape(0, 0, 192, 96));
  shape->Shape = TShapeType::stRoundRect;
  shape->Brush.colour = kClBlack;
  const QImage image = PrintedAt1000Dpi(page_);
  // Corners of 0.5 inch: the corner point is clear, a point inside the
  // straight part of the top edge is inked.
  EXPECT_EQ(qGray(image.pixel(20, 20)), 255);
  EXPECT_LT(qGray(image.pixel(1000, 5)), 128);
  EXPECT_LT(qGray(image.pixel(300, 300)), 128);
}

using LinePrinting = PageTest;

TEST_F(LinePrinting, OneAndTenUnitLinesPrintOneAndTenHundredths) {
  for (int width : {1, 10}) {
    SCOPED_TRACE(width);
    page_.ClearObjects();
    auto line = std::make_unique<TGLineShape>();
    line->Pen.width = width;
    page_.PlaceObject(std::move(line), QRect(0, 0, 100, 15))->SetBounds(QRect(10, 30, 200, 20));
    const QImage image = PrintedAt1000Dpi(page_);
    EXPECT_NEAR(DarkRunDown(image, 1000, 0), width / 100.0, 0.002);
  }
}

TEST_F(LinePrinting, SlopingUpRunsFromBottomLeftToTopRight) {
  auto line = std::make_unique<TGLineShape>();
  line->LineStyle = TLineStyle::stAngleSlopingUp;
  line->Pen.width = 2;
  page_.PlaceObject(std::move(line), QRect(0, 0, 96, 96));
  const QImage image = PrintedAt1000Dpi(page_);
  EXPECT_LT(qGray(image.pixel(500, 500)), 128);
  EXPECT_LT(qGray(image.pixel(100, 900)), 128);
  EXPECT_EQ(qGray(image.pixel(100, 100)), 255);
}

TEST_F(LinePrinting, StretchToEdgesSpansThePageForStraightLinesOnly) {
  auto* line = static_cast<TGLineShape*>(page_.PlaceObject(std::make_unique<TGLineShape>(), QRect(30, 40, 50, 15)));
  line->StretchToEdges(page_.Size());
  EXPECT_EQ(line->Bounds(), QRect(0, 40, 252, 15));
  line->LineStyle = TLineStyle::stVertical;
  line->StretchToEdges(page_.Size());
  EXPECT_EQ(line->Bounds(), QRect(0, 0, 252, 96));
  line->SetBounds(QRect(5, 5, 20, 20));
  line->LineStyle = TLineStyle::stAngleSlopingDown;
  line->StretchToEdges(page_.Size());
  EXPECT_EQ(line->Bounds(), QRect(5, 5, 20, 20));
}

}  // namespace
}  // namespace vellumo::design
