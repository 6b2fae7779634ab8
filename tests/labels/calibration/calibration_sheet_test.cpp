// The calibration sheet drawn on an image: every label position outlined,
// a crosshair on every corner (seen where no outline runs), the ruler's
// marks every eighth of an inch, and the whole sheet moved by the
// calibration it is printed with.
#include <gtest/gtest.h>

#include <QImage>

#include "address_stock.h"
#include "labels/calibration/calibration_sheet.h"
#include "printing/report_destinations.h"

namespace vellumo {
namespace {

constexpr double kDpi = 100;

class CalibrationSheet : public ::testing::Test {
 protected:
  void Draw(const StockGeometry& geometry, const PrinterCalibration& calibration = {}) {
    TCanvasReport canvas(QSizeF(8.5, 11), kDpi);
    ASSERT_TRUE(PrintCalibrationSheet(canvas, geometry, calibration, QStringLiteral("Sheet")));
    ASSERT_EQ(canvas.pages().size(), 1u);
    page_ = canvas.pages().front();
  }

  // Whether ink lies within a pixel of the paper point (inches).
  bool InkAt(double x, double y) const {
    const int px = int(std::lround(x * kDpi)), py = int(std::lround(y * kDpi));
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (page_.valid(px + dx, py + dy) && qGray(page_.pixel(px + dx, py + dy)) < 160) return true;
      }
    }
    return false;
  }

  QImage page_;
};

TEST_F(CalibrationSheet, EveryPositionIsOutlined) {
  const StockGeometry g = AddressStock();
  Draw(g);
  for (int i = 0; i < g.CellCount(); ++i) {
    const CellOrigin at = g.CellAt(i);
    const double middle_x = at.x + g.label_width / 2, middle_y = at.y + g.label_height / 2;
    EXPECT_TRUE(InkAt(middle_x, at.y)) << "top of " << i;
    EXPECT_TRUE(InkAt(middle_x, at.y + g.label_height)) << "bottom of " << i;
    EXPECT_TRUE(InkAt(at.x, middle_y)) << "left of " << i;
    EXPECT_TRUE(InkAt(at.x + g.label_width, middle_y)) << "right of " << i;
    EXPECT_FALSE(InkAt(at.x + 0.3, middle_y)) << "inside " << i;
  }
}

TEST_F(CalibrationSheet, EveryCornerHasACrosshair) {
  const StockGeometry g = AddressStock();
  Draw(g);
  const double arm = kCrosshairArm - 0.03;
  // Left of the first column and right of the last only a crosshair's arm
  // reaches; between the corners the paper stays white.
  for (int row = 0; row < g.down; ++row) {
    const double top = g.Cell(0, row).y;
    const double right = g.Cell(g.across - 1, row).x + g.label_width;
    for (const double y : {top, top + g.label_height}) {
      EXPECT_TRUE(InkAt(g.left_margin - arm, y)) << "row " << row;
      EXPECT_TRUE(InkAt(right + arm, y)) << "row " << row;
    }
    EXPECT_FALSE(InkAt(g.left_margin - arm, top + g.label_height / 2)) << "row " << row;
  }
  // Above the first row and below the last, at every column's corners.
  for (int column = 0; column < g.across; ++column) {
    const CellOrigin first = g.Cell(column, 0);
    const double bottom = g.Cell(column, g.down - 1).y + g.label_height;
    for (const double x : {first.x, first.x + g.label_width}) {
      EXPECT_TRUE(InkAt(x, first.y - arm)) << "column " << column;
      EXPECT_TRUE(InkAt(x, bottom + arm)) << "column " << column;
    }
    EXPECT_FALSE(InkAt(first.x + g.label_width / 2, first.y - arm)) << "column " << column;
  }
}

TEST_F(CalibrationSheet, TheRulerIsMarkedEveryEighthOfAnInch) {
  Draw(AddressStock());
  // The ruler runs an inch right and down from half an inch above and
  // left of the page's middle, its marks below and right of it.
  const double x0 = 4.25 - 0.5, y0 = 5.5 - 0.5;
  for (int mark = 0; mark <= kRulerMarksPerInch; ++mark) {
    const double at = double(mark) / kRulerMarksPerInch;
    EXPECT_TRUE(InkAt(x0 + at, y0 + 0.04)) << "across " << mark;
    EXPECT_TRUE(InkAt(x0 + 0.04, y0 + at)) << "down " << mark;
    if (mark < kRulerMarksPerInch) {
      EXPECT_FALSE(InkAt(x0 + at + 0.5 / kRulerMarksPerInch, y0 + 0.04)) << mark;
    }
  }
}

TEST_F(CalibrationSheet, TheSheetMovesWithTheCalibration) {
  const StockGeometry g = AddressStock();
  Draw(g, {0.1, 0.05, 0});
  const CellOrigin at = g.CellAt(4);
  EXPECT_FALSE(InkAt(at.x, at.y + 0.5));
  EXPECT_TRUE(InkAt(at.x + 0.1, at.y + 0.5));
  EXPECT_TRUE(InkAt(at.x + 1, at.y + 0.05));
}

TEST(CalibrationCaptionText, NamesTheStockAndTheValues) {
  EXPECT_EQ(CalibrationCaption(QStringLiteral("Avery 5160  Address"), {0.03, -0.01, 0.5}),
            QStringLiteral("Avery 5160  Address: offset x 0.030 in, offset y -0.010 in, scale 0.50 %"));
}

}  // namespace
}  // namespace vellumo
