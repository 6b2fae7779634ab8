// Text on the canvas: measured widths agree with where text lands at
// printer, PDF and image resolutions; cell justification; rotation about
// the anchor; opaque and transparent backgrounds.
#include <gtest/gtest.h>

#include <functional>

#include "ink.h"
#include "pdf_probe.h"
#include "printing/drawing_styles.h"
#include "printing/report_destinations.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"
#include "pdf_job_fixture.h"

namespace vellumo {
namespace {

const QString kSentence = QStringLiteral("The quick brown fox jumps over the lazy dog and HILL");

using TextPlacementTest = PdfJobTest;

TEST_F(TextPlacementTest, MeasuredWidthIsTheDrawnWidthInPdf) {
  for (const double points : {10.0, 10.5, 7.0, 23.0}) {
    double width = 0;
    TReportPrinter job;
    job.OutputFile = Pdf();
    job.OnPrint = [&](TBaseReport& r) {
      r.SetFont(QStringLiteral("Times"), points);
      width = r.TextWidth(kSentence);
      r.MoveCursor(0.5, 2);
      r.PrintText(kSentence);
      r.MoveCursor(r.CursorX, 4);
      r.PrintRightAt(kSentence, 8);  // ends on the cursor of the line above
    };
    ASSERT_TRUE(job.Execute());
    const std::vector<PdfWord> words = WordsOf(Pdf());
    std::vector<const PdfWord*> first, last;
    for (const PdfWord& w : words) {
      if (w.text == QLatin1String("The")) first.push_back(&w);
      if (w.text == QLatin1String("HILL")) last.push_back(&w);
    }
    ASSERT_EQ(first.size(), 2u) << points;
    ASSERT_EQ(last.size(), 2u) << points;
    EXPECT_GT(width, 2.0);
    EXPECT_NEAR(first[0]->x_min, 36.0, 0.3) << points;
    EXPECT_NEAR(last[0]->x_max, (0.5 + width) * 72, 0.3) << points;
    EXPECT_NEAR(first[1]->x_min, (8 - width) * 72, 0.3) << points;
    EXPECT_NEAR(last[1]->x_max, 8 * 72, 0.3) << points;
  }
}

// The canvas keeps the font it measures with between calls; every change
// of face, size or style must be measured in the new font.
TEST(TextMeasure, WidthsFollowEveryFontChange) {
  TCanvasReport canvas(QSizeF(4, 2), 300);
  canvas.SetFont(QStringLiteral("Arial"), 10);
  const double plain = canvas.TextWidth(kSentence);
  canvas.SetBold(true);
  const double bold = canvas.TextWidth(kSentence);
  EXPECT_GT(bold, plain * 1.03);
  canvas.SetBold(false);
  EXPECT_DOUBLE_EQ(canvas.TextWidth(kSentence), plain);
  canvas.SetFont(QStringLiteral("Arial"), 20);
  EXPECT_NEAR(canvas.TextWidth(kSentence), plain * 2, plain * 0.02);
  canvas.SetFont(QStringLiteral("Courier"), 10);
  EXPECT_GT(std::abs(canvas.TextWidth(kSentence) - plain), plain * 0.05);
  canvas.SetFont(QStringLiteral("Arial"), 10);
  canvas.SetBold(true);
  EXPECT_DOUBLE_EQ(canvas.TextWidth(kSentence), bold);
  canvas.SetFont(QStringLiteral("Arial"), 10);  // resets the styles
  EXPECT_DOUBLE_EQ(canvas.TextWidth(kSentence), plain);
}

TEST_F(TextPlacementTest, MeasuredWidthIsTheDrawnWidthOnImagesOfAnyResolution) {
  for (const double dpi : {72.0, 96.0, 300.0}) {
    double width = 0;
    TCanvasReport job(QSizeF(8.5, 2), dpi);
    job.OnPrint = [&](TBaseReport& r) {
      r.SetFont(QStringLiteral("Arial"), 10);
      width = r.TextWidth(kSentence);
      r.MoveCursor(0.5, 1);
      r.PrintText(kSentence);
    };
    ASSERT_TRUE(job.Execute());
    const QRect ink = InkBox(job.pages().front());
    // Glyph edges sit within a pixel or two of their advances.
    EXPECT_NEAR(ink.left(), 0.5 * dpi, 2) << dpi;
    EXPECT_NEAR(ink.right() + 1, (0.5 + width) * dpi, 2.5) << dpi;
  }
}

TEST_F(TextPlacementTest, CellsPlaceTextByJustificationAndStartAgainOnEveryLine) {
  TReportPrinter job;
  job.OutputFile = Pdf();
  double centre_width = 0;
  job.OnPrint = [&](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 10);
    r.SetMarginLeft(1);
    r.AreaFromMargins();
    r.CursorHome();
    r.AddTab(1, kJustifyCenter, 4, 10, 0, 0);
    r.AddTab(1, kJustifyBlock, 4, 10, 0, 0);
    r.AddTab(1, kJustifyRight, 4, 10, 0, 0);
    r.NextTab();
    centre_width = r.TextWidth(QStringLiteral("Middle"));
    r.PrintText(QStringLiteral("Middle"));
    r.NewLine();
    r.PrintText(QStringLiteral("\t\tspread over cell"));  // the second cell on its own line
    r.NewLine();
    r.NextTab();
    r.NextTab();
    r.NextTab();
    r.PrintText(QStringLiteral("Flush"));
    // Back to an earlier line number: a new line all the same, so the
    // first cell is current again.
    r.CursorHome();
    r.NewLine();
    r.NewLine();
    r.NewLine();
    r.NextTab();
    r.PrintText(QStringLiteral("Again"));
  };
  ASSERT_TRUE(job.Execute());
  const std::vector<PdfWord> words = WordsOf(Pdf());
  for (const char* word : {"Middle", "spread", "cell", "Flush", "Again"}) {
    ASSERT_NE(FindWord(words, QLatin1String(word)), nullptr) << word;
  }
  const PdfWord* middle = FindWord(words, QStringLiteral("Middle"));
  EXPECT_NEAR((middle->x_min + middle->x_max) / 2, 3 * 72, 0.3);
  EXPECT_NEAR(middle->x_max - middle->x_min, centre_width * 72, 0.3);
  EXPECT_NEAR(FindWord(words, QStringLiteral("spread"))->x_min, 1.1 * 72, 0.3);
  EXPECT_NEAR(FindWord(words, QStringLiteral("cell"))->x_max, 4.9 * 72, 0.3);
  EXPECT_NEAR(FindWord(words, QStringLiteral("Flush"))->x_max, 4.9 * 72, 0.3);
  const PdfWord* again = FindWord(words, QStringLiteral("Again"));
  EXPECT_NEAR((again->x_min + again->x_max) / 2, 3 * 72, 0.3);
}

TEST_F(TextPlacementTest, TurnedTextTurnsAboutItsAnchor) {
  constexpr double kDpi = 100;
  double width = 0, ascent = 0, descent = 0;
  auto turned = [&](const std::function<void(TBaseReport&)>& print) {
    TCanvasReport job(QSizeF(8, 8), kDpi);
    job.OnPrint = [&](TBaseReport& r) {
      r.SetFont(QStringLiteral("Arial"), 20);
      width = r.TextWidth(QStringLiteral("HHHH"));
      ascent = r.FontAscent();
      descent = r.FontDescent();
      print(r);
    };
    EXPECT_TRUE(job.Execute());
    return InkBox(job.pages().front());
  };
  // Ending at (4, 5), turned a quarter counter-clockwise: the text runs up
  // to the anchor, its glyphs to the left of it.
  QRect ink = turned([](TBaseReport& r) {
    r.SetFontAngle(90);
    r.MoveCursor(0, 5);
    r.PrintRightAt(QStringLiteral("HHHH"), 4);
  });
  EXPECT_NEAR(ink.bottom() + 1, (5 + width) * kDpi, 3);
  EXPECT_NEAR(ink.top(), 5 * kDpi, 3);
  EXPECT_GE(ink.left(), (4 - ascent) * kDpi - 1);
  EXPECT_LE(ink.right(), 4 * kDpi + 1);
  // Centred on (4, 5) and upside down: centred on the anchor still.
  ink = turned([](TBaseReport& r) {
    r.SetFontAngle(180);
    r.MoveCursor(0, 5);
    r.PrintCenterAt(QStringLiteral("HHHH"), 4);
  });
  EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 4 * kDpi, 3);
  EXPECT_GE(ink.top(), 5 * kDpi - 1);
  EXPECT_LE(ink.bottom(), (5 + ascent) * kDpi + 1);
  // In a rectangle, turned a quarter: the text's top-left corner stays on
  // (2, 6); the text rises from there with its glyphs right of the corner.
  ink = turned([](TBaseReport& r) {
    r.SetFontAngle(90);
    r.TextInRect(r.MakeRect(0, 0, 8, 8), 2, 6, QStringLiteral("HHHH"));
  });
  EXPECT_GE(ink.left(), 2 * kDpi - 1);
  EXPECT_LE(ink.right(), (2 + ascent + descent) * kDpi + 1);
  EXPECT_NEAR(ink.bottom() + 1, 6 * kDpi, 3);
  EXPECT_NEAR(ink.top(), (6 - width) * kDpi, 3);
}

TEST_F(TextPlacementTest, OpaqueTextStandsOnTheBrushColourAndTransparentTextDoesNot) {
  constexpr double kDpi = 50;
  auto red_pixels = [](TextBackground mode) {
    TCanvasReport job(QSizeF(4, 2), kDpi);
    job.OnPrint = [mode](TBaseReport& r) {
      r.SetFont(QStringLiteral("Arial"), 14);
      r.SetBrush(Qt::red, bsClear);  // the colour counts, not the style
      r.TextBKMode = mode;
      r.MoveCursor(1, 1);
      r.PrintText(QStringLiteral("Boxed text"));
    };
    EXPECT_TRUE(job.Execute());
    return PixelsOfColor(job.pages().front(), job.pages().front().rect(), Qt::red);
  };
  EXPECT_EQ(red_pixels(bkTransparent), 0);
  // Most of the text's box (about 1 × 0.22 inch) is red.
  EXPECT_GT(red_pixels(bkOpaque), 0.5 * 1.0 * 0.2 * kDpi * kDpi);
}

}  // namespace
}  // namespace vellumo
