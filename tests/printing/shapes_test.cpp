// Pens and brushes on the canvas: styles, the pen modes shapes use, hatch
// and pattern brushes, and outlines kept inside the frame.
#include <gtest/gtest.h>

#include <functional>

#include "ink.h"
#include "printing/drawing_styles.h"
#include "printing/windows/printer_jobs.h"
#include "test_home.h"

namespace vellumo {
namespace {

constexpr double kDpi = 50;

// One page of 4 × 4 inches at kDpi with `draw` on it.
QImage Drawn(const std::function<void(TBaseReport&)>& draw) {
  TCanvasReport job(QSizeF(4, 4), kDpi);
  job.OnPrint = draw;
  EXPECT_TRUE(job.Execute());
  return job.pages().front();
}

// The rectangle from 1 to 3 inches, in pixels.
const QRect kInside(QPoint(1 * 50 + 3, 1 * 50 + 3), QPoint(3 * 50 - 4, 3 * 50 - 4));

TEST(ShapesTest, PenModesThatDrawNothingBlackOrCombineWithThePage) {
  // pmNop leaves the page as it was.
  QImage page = Drawn([](TBaseReport& r) {
    r.SetPen(Qt::black, psSolid, pmNop, 3);
    r.SetBrush(Qt::black, bsSolid);
    r.DrawRectangle(1, 1, 3, 3);
    r.MoveTo(0, 0);
    r.LineTo(4, 4);
  });
  EXPECT_TRUE(InkBox(page).isEmpty());
  // pmBlack draws black whatever the colours.
  page = Drawn([](TBaseReport& r) {
    r.SetPen(Qt::red, psSolid, pmBlack, 1);
    r.SetBrush(Qt::yellow, bsSolid);
    r.DrawRectangle(1, 1, 3, 3);
  });
  EXPECT_EQ(PixelsOfColor(page, kInside, Qt::black), kInside.width() * kInside.height());
  // pmXor twice over white paper gives the paper back; once, the inverse.
  auto xor_times = [](int times) {
    return Drawn([times](TBaseReport& r) {
      r.SetPen(Qt::white, psClear, pmXor, 1);
      r.SetBrush(Qt::white, bsSolid);
      for (int i = 0; i < times; ++i) r.DrawRectangle(1, 1, 3, 3);
    });
  };
  EXPECT_EQ(PixelsOfColor(xor_times(1), kInside, Qt::black), kInside.width() * kInside.height());
  EXPECT_TRUE(InkBox(xor_times(2)).isEmpty());
  // pmNotCopy draws in the inverse of the pen's colour.
  page = Drawn([](TBaseReport& r) {
    r.SetPen(Qt::white, psSolid, pmNotCopy, 4);
    r.MoveTo(1, 2);
    r.LineTo(3, 2);
  });
  EXPECT_GT(PixelsOfColor(page, QRect(60, 98, 80, 4), Qt::black), 200);
}

TEST(ShapesTest, ClearPensAndBrushesAndOutlinesInsideTheFrame) {
  // A clear pen: the fill and nothing outside the rectangle.
  QImage page = Drawn([](TBaseReport& r) {
    r.SetPen(Qt::black, psClear, pmCopy, 8);
    r.SetBrush(Qt::blue, bsSolid);
    r.DrawRectangle(1, 1, 3, 3);
  });
  EXPECT_EQ(PixelsOfColor(page, page.rect(), Qt::black), 0);
  EXPECT_EQ(PixelsOfColor(page, kInside, Qt::blue), kInside.width() * kInside.height());
  // A clear brush: the outline only.
  page = Drawn([](TBaseReport& r) {
    r.SetPen(Qt::black, psSolid, pmCopy, 2);
    r.SetBrush(Qt::blue, bsClear);
    r.DrawEllipse(1, 1, 3, 3);
  });
  EXPECT_EQ(PixelsOfColor(page, page.rect(), Qt::blue), 0);
  EXPECT_GT(PixelsOfColor(page, page.rect(), Qt::black), 0);
  // A thick outline straddles the rectangle's edge; inside-frame keeps it within.
  auto outline = [](int style) {
    return InkBox(Drawn([style](TBaseReport& r) {
      r.SetPen(Qt::black, style, pmCopy, 10);
      r.DrawRectangle(1, 1, 3, 3);
    }));
  };
  EXPECT_EQ(outline(psSolid), QRect(QPoint(45, 45), QPoint(154, 154)));
  EXPECT_EQ(outline(psInsideFrame), QRect(QPoint(50, 50), QPoint(149, 149)));
}

TEST(ShapesTest, HatchAndPatternBrushesFillWithTheirMarks) {
  auto filled = [](int style, const QImage& pattern) {
    return Drawn([style, pattern](TBaseReport& r) {
      r.SetPen(Qt::black, psClear, pmCopy, 1);
      r.SetBrush(Qt::black, style, pattern);
      r.DrawRectangle(1, 1, 3, 3);
    });
  };
  const int area = kInside.width() * kInside.height();
  for (int style : {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross}) {
    const int black = PixelsOfColor(filled(style, QImage()), kInside, Qt::black);
    EXPECT_GT(black, area / 20) << style;
    EXPECT_LT(black, area * 3 / 4) << style;
  }
  QImage checker(2, 2, QImage::Format_RGB32);
  checker.fill(Qt::white);
  checker.setPixelColor(0, 0, Qt::red);
  checker.setPixelColor(1, 1, Qt::red);
  const QImage patterned = filled(bsSolid, checker);
  EXPECT_NEAR(PixelsOfColor(patterned, kInside, Qt::red), area / 2, area / 20);
  // A clear style stays clear with a pattern.
  EXPECT_TRUE(InkBox(filled(bsClear, checker)).isEmpty());
}

}  // namespace
}  // namespace vellumo
