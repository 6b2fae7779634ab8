// A printer calibration on the canvas: every page of every job moves by
// the offset and stretches by the scale about the paper's corner (text
// read back from a PDF, ink on an image whose device origin is not the
// paper's corner), values are clamped, and none draws as before.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ink.h"
#include "pdf_probe.h"
#include "printing/drawing_styles.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"

namespace vellumo {
namespace {

class CalibratedPdf : public ::testing::Test {
 protected:
  // "Marker" with its baseline start at (x, y) on each of `pages` pages.
  std::vector<PdfWord> Markers(const PrinterCalibration& calibration, double x, double y, int pages = 1) {
    const QString pdf = dir_.filePath(QStringLiteral("calibrated.pdf"));
    TReportPdf report(pdf, PageMetrics{});
    report.SetCalibration(calibration);
    report.OnPrint = [&](TBaseReport& r) {
      for (int page = 1; page <= pages; ++page) {
        if (page > 1) r.NewPage();
        r.SetFont(QStringLiteral("Arial"), 12);
        r.MoveCursor(x, y);
        r.PrintLeftAt(QStringLiteral("Marker"), x);
      }
    };
    EXPECT_TRUE(report.Execute()) << report.LastError().toStdString();
    return WordsOf(pdf);
  }

  QTemporaryDir dir_;
};

TEST_F(CalibratedPdf, OffsetMovesTheTextOnEveryPage) {
  const std::vector<PdfWord> plain = Markers({}, 2, 3);
  const std::vector<PdfWord> moved = Markers({0.25, -0.125, 0}, 2, 3, 2);
  ASSERT_EQ(plain.size(), 1u);
  ASSERT_EQ(moved.size(), 2u);
  for (const PdfWord& w : moved) {
    EXPECT_NEAR(w.x_min - plain[0].x_min, 18, 0.2) << "page " << w.page;
    EXPECT_NEAR(w.y_min - plain[0].y_min, -9, 0.2) << "page " << w.page;
    EXPECT_NEAR(w.x_max - w.x_min, plain[0].x_max - plain[0].x_min, 0.2);
  }
}

TEST_F(CalibratedPdf, ScaleStretchesPositionsAndSizesFromThePapersCorner) {
  const std::vector<PdfWord> plain = Markers({}, 4, 6);
  const std::vector<PdfWord> scaled = Markers({0, 0, 2}, 4, 6);
  ASSERT_EQ(plain.size(), 1u);
  ASSERT_EQ(scaled.size(), 1u);
  EXPECT_NEAR(scaled[0].x_min, plain[0].x_min * 1.02, 0.2);
  EXPECT_NEAR(scaled[0].y_max, plain[0].y_max * 1.02, 0.3);
  EXPECT_NEAR(scaled[0].x_max - scaled[0].x_min, (plain[0].x_max - plain[0].x_min) * 1.02, 0.2);
}

TEST_F(CalibratedPdf, ValuesOutsideTheirRangesAreClamped) {
  TReportPdf report(dir_.filePath(QStringLiteral("unused.pdf")), PageMetrics{});
  report.SetCalibration({1.5, -0.75, -5});
  EXPECT_EQ(report.Calibration(), (PrinterCalibration{0.5, -0.5, -2}));
  const std::vector<PdfWord> plain = Markers({}, 2, 3);
  const std::vector<PdfWord> moved = Markers({3, 0, 0}, 2, 3);
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_NEAR(moved[0].x_min - plain[0].x_min, 36, 0.2);
}

// Images whose device cannot reach two inches along the top and left:
// its pixel (0, 0) is the paper point (2, 2).
class StripCanvas : public TCanvasReport {
 public:
  StripCanvas() : TCanvasReport(QSizeF(6, 6), 200) {}

 protected:
  QMarginsF Unprintable() const override { return {2, 2, 0, 0}; }
};

QRect BoxDrawn(const PrinterCalibration& calibration) {
  StripCanvas canvas;
  canvas.SetCalibration(calibration);
  canvas.OnPrint = [](TBaseReport& r) {
    r.SetBrush(Qt::black, bsSolid);
    r.SetPen(Qt::black, psClear, pmCopy, 1);
    r.DrawRectangle(3, 3, 5, 4);
  };
  EXPECT_TRUE(canvas.Execute());
  return InkBox(canvas.pages().front());
}

TEST(CalibratedCanvas, CorrectionIsAboutThePapersCornerWhereverTheDeviceBegins) {
  EXPECT_EQ(BoxDrawn({}), QRect(200, 200, 400, 200));
  // Paper x 3 → 0.1 + 3.06 = 3.16, less the strip: pixel 232; x 5 → 5.2: pixel 640.
  const QRect box = BoxDrawn({0.1, -0.2, 2});
  EXPECT_NEAR(box.left(), 232, 1);
  EXPECT_NEAR(box.right() + 1, 640, 1);
  EXPECT_NEAR(box.top(), 172, 1);         // -0.2 + 3.06 - 2 = 0.86
  EXPECT_NEAR(box.bottom() + 1, 376, 1);  // -0.2 + 4.08 - 2 = 1.88
}

}  // namespace
}  // namespace vellumo
