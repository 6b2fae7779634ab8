// The canvas: positions on printed pages, lines at the bottom of the area,
// tabs, page ranges, and preview pages against directly drawn ones.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>

#include "ink.h"
#include "pdf_probe.h"
#include "printing/page_store.h"
#include "printing/paper.h"
#include "printing/windows/preview_form.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"
#include "pdf_job_fixture.h"

namespace vellumo {
namespace {

using CanvasTest = PdfJobTest;

TEST_F(CanvasTest, TextLandsWhereItWasPrinted) {
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.OnPrint = [](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 12);
    r.TextInRect(r.MakeRect(0, 0, r.PageWidth(), r.PageHeight()), 1.0, 1.0, QStringLiteral("Corner"));
    r.MoveCursor(1.0, 3.0);  // a baseline
    r.PrintText(QStringLiteral("Baseline"));
    r.PrintRightAt(QStringLiteral("Right"), 7.5);
    r.OriginX = 1.0;
    r.PrintLeftAt(QStringLiteral("Shifted"), 1.0);
  };
  ASSERT_TRUE(job.Execute());
  const std::vector<PdfWord> words = WordsOf(Pdf());
  for (const char* word : {"Corner", "Baseline", "Right", "Shifted"}) {
    ASSERT_NE(FindWord(words, QLatin1String(word)), nullptr) << word;
  }
  const PdfWord* corner = FindWord(words, QStringLiteral("Corner"));
  ASSERT_NE(corner, nullptr);
  EXPECT_NEAR(corner->x_min, 72.0, 0.72);
  EXPECT_NEAR(corner->y_min, 72.0, 0.72);
  const PdfWord* baseline = FindWord(words, QStringLiteral("Baseline"));
  ASSERT_NE(baseline, nullptr);
  EXPECT_NEAR(baseline->x_min, 72.0, 0.72);
  EXPECT_LT(baseline->y_min, 216.0);
  EXPECT_GT(baseline->y_max, 216.0);  // the descent lies below the baseline
  EXPECT_NEAR(FindWord(words, QStringLiteral("Right"))->x_max, 540.0, 0.72);
  EXPECT_NEAR(FindWord(words, QStringLiteral("Shifted"))->x_min, 144.0, 0.72);
}

TEST_F(CanvasTest, PositionsAreFromThePaperCornerWhateverThePrintersMargins) {
  // As the print dialog may leave the PDF printer: with margins. The PDF
  // file is drawn on whole all the same.
  QPrinter& printer = TheSharedPrinter().printer();
  printer.setFullPage(false);
  printer.setPageMargins(QMarginsF(0.5, 0.25, 0.5, 0.25), QPageLayout::Inch);
  EXPECT_EQ(TheSharedPrinter().Unprintable(), QMarginsF());
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.OnPrint = [](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 12);
    r.TextInRect(r.MakeRect(0, 0, r.PageWidth(), r.PageHeight()), 1.0, 1.0, QStringLiteral("Corner"));
  };
  ASSERT_TRUE(job.Execute());
  const std::vector<PdfWord> words = WordsOf(Pdf());
  const PdfWord* corner = FindWord(words, QStringLiteral("Corner"));
  ASSERT_NE(corner, nullptr);
  EXPECT_NEAR(corner->x_min, 72.0, 0.72);
  EXPECT_NEAR(corner->y_min, 72.0, 0.72);
}

TEST_F(CanvasTest, CustomPaperIsThePdfPage) {
  ASSERT_TRUE(TheSharedPrinter().SetPaperSize(kCustomPaper, Length::Inches(2.625), Length::Inches(1.0)));
  EXPECT_EQ(TheSharedPrinter().requested_tenths_mm(), QSize(667, 254));
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.OnPrint = [](TBaseReport& r) { r.PrintLeftAt(QStringLiteral("Label"), 0.1); };
  ASSERT_TRUE(job.Execute());
  const QSizeF points = PageSizeOf(Pdf());
  EXPECT_NEAR(points.width(), 189.0, 0.5);
  EXPECT_NEAR(points.height(), 72.0, 0.5);
}

TEST_F(CanvasTest, LinesRemainingCountsDownToTheAreaBottom) {
  TCanvasReport job(QSizeF(8.5, 11), 72);
  int lines = 0;
  int remaining_at_home = -1;
  job.OnPrint = [&](TBaseReport& r) {
    r.SetFont(QStringLiteral("Times"), 10);  // lines of 1/6 inch
    r.SetMarginTop(1);
    r.SetMarginBottom(1);
    r.AreaFromMargins();
    r.CursorHome();
    remaining_at_home = r.LinesRemaining();
    while (r.LinesRemaining() > 0) {
      r.NewLine();
      ++lines;
    }
    // A line whose bottom lies exactly on the area's bottom still counts.
    r.AreaBottom = r.CursorY + r.FontDescent();
    EXPECT_EQ(r.LinesRemaining(), 1);
    r.AreaBottom -= 0.001;
    EXPECT_EQ(r.LinesRemaining(), 0);
  };
  ASSERT_TRUE(job.Execute());
  EXPECT_EQ(remaining_at_home, 54);  // 9 inches of 1/6-inch lines
  EXPECT_EQ(lines, 54);
}

TEST_F(CanvasTest, TabCellsPlaceTextByTheirJustification) {
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.OnPrint = [](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 10);
    r.SetMarginLeft(1);
    r.AreaFromMargins();
    r.CursorHome();
    r.AddTab(kDefault, kJustifyLeft, 2, 10, kBorderBottom, 0);  // starts at the left margin
    r.AddTab(kDefault, kJustifyRight, 2, 10, 0, 20);
    EXPECT_DOUBLE_EQ(r.TabTextStart(1), 1.1);
    r.PrintText(QStringLiteral("\tLeftCell\tRightCell"));
    r.NewLine();
    r.NextTab();
    r.PrintText(QStringLiteral("Again"));
    r.PrintText(QStringLiteral("Cursor"));  // no tab: at the cursor again
  };
  ASSERT_TRUE(job.Execute());
  const std::vector<PdfWord> words = WordsOf(Pdf());
  // "Cursor" follows "Again" without a gap, so the two read as one word.
  for (const char* word : {"LeftCell", "RightCell", "AgainCursor"}) {
    ASSERT_NE(FindWord(words, QLatin1String(word)), nullptr) << word;
  }
  EXPECT_NEAR(FindWord(words, QStringLiteral("LeftCell"))->x_min, 1.1 * 72, 0.72);
  EXPECT_NEAR(FindWord(words, QStringLiteral("RightCell"))->x_max, 4.9 * 72, 0.72);
  EXPECT_NEAR(FindWord(words, QStringLiteral("AgainCursor"))->x_min, 1.1 * 72, 0.72);
}

TEST_F(CanvasTest, PagesOutsideTheRangeAreLaidOutButNotDrawn) {
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.FirstPage = 2;
  job.LastPage = 2;
  job.OnPrint = [](TBaseReport& r) {
    for (int page = 1; page <= 3; ++page) {
      if (page > 1) r.NewPage();
      r.PrintLeftAt(QStringLiteral("Page%1").arg(r.PageNumber()), 1);
    }
  };
  ASSERT_TRUE(job.Execute());
  const std::vector<PdfWord> words = WordsOf(Pdf());
  EXPECT_EQ(FindWord(words, QStringLiteral("Page1")), nullptr);
  EXPECT_NE(FindWord(words, QStringLiteral("Page2")), nullptr);
  EXPECT_EQ(FindWord(words, QStringLiteral("Page3")), nullptr);
  // Pages outside the range are not output as blank sheets either.
  EXPECT_EQ(PageCountOf(Pdf()), 1);
  job.FirstPage = 2;
  job.LastPage = 3;
  ASSERT_TRUE(job.Execute());
  EXPECT_EQ(PageCountOf(Pdf()), 2);
  EXPECT_EQ(WordsOf(Pdf()).back().page, 2);
}

TEST_F(CanvasTest, PreviewPagesMatchDirectlyDrawnPages) {
  auto draw = [](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 14);
    r.SetMarginLeft(1);
    r.SetMarginTop(1);
    r.AreaFromMargins();
    r.CursorHome();
    r.PrintTextLn(QStringLiteral("Preview and print agree"));
    r.SetPen(Qt::black, 0, 4, -2);
    r.SetBrush(QColor(200, 200, 255), 0);
    r.DrawRectangle(1, 2, 4, 3);
    r.DrawEllipse(5, 2, 7, 4);
    r.NewPage();
    r.DrawRoundRect(1, 1, 3, 2, 0.25, 0.25);
  };
  PageStore store;
  TPreviewFiler filer(&store);
  filer.OnPrint = draw;
  ASSERT_TRUE(filer.Execute());
  ASSERT_EQ(store.pages.size(), 2u);
  TCanvasReport direct(store.page_inches, 50);
  direct.OnPrint = draw;
  ASSERT_TRUE(direct.Execute());
  ASSERT_EQ(direct.pages().size(), 2u);
  for (size_t page = 0; page < 2; ++page) {
    const QImage replayed = store.Render(page, 50);
    const QImage drawn = direct.pages()[page];
    ASSERT_EQ(replayed.size(), drawn.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        const QRgb a = replayed.pixel(x, y);
        const QRgb b = drawn.pixel(x, y);
        if (std::abs(qGray(a) - qGray(b)) > 96) ++differing;
      }
    }
    // Glyphs are hinted at each resolution, so edges may move by a pixel.
    EXPECT_LT(differing, drawn.width() * drawn.height() / 200) << "page " << page + 1;
  }
}

TEST_F(CanvasTest, PreviewRecordsAtThePrintersResolutionAndReplaysAsPrinted) {
  // A small paper keeps the images at the printer's resolution small.
  ASSERT_TRUE(TheSharedPrinter().SetPaperSize(kCustomPaper, Length::Inches(2.5), Length::Inches(1.0)));
  auto draw = [](TBaseReport& r) {
    r.SetFont(QStringLiteral("Times"), 9);
    r.MoveCursor(0.1, 0.3);
    r.PrintText(QStringLiteral("Replayed exactly as printed, 9 points"));
    r.SetFontAngle(30);
    r.SetBold(true);
    r.PrintRightAt(QStringLiteral("Turned"), 2.4);
    r.SetFontAngle(0);
    r.SetPen(Qt::black, 1, 4, -1);
    r.SetBrush(Qt::gray, 6);
    r.DrawEllipse(0.1, 0.5, 1.0, 0.9);
  };
  PageStore store;
  TPreviewFiler filer(&store);
  filer.OnPrint = draw;
  ASSERT_TRUE(filer.Execute());
  EXPECT_EQ(store.dpi, TheSharedPrinter().printer().resolution());
  TCanvasReport direct(store.page_inches, store.dpi);
  direct.OnPrint = draw;
  ASSERT_TRUE(direct.Execute());
  const QImage replayed = store.Render(0, store.dpi);
  const QImage drawn = direct.pages().front();
  ASSERT_EQ(replayed.size(), drawn.size());
  EXPECT_GT(InkBox(drawn).width(), drawn.width() / 2);
  EXPECT_EQ(DifferingPixels(replayed, drawn), 0);
}

TEST_F(CanvasTest, OnePixelRulesStillShowInAScaledDownPreview) {
  PageStore store;
  TPreviewFiler filer(&store);
  filer.OnPrint = [](TBaseReport& r) {
    r.MoveTo(1, 1);  // the job's pen: black, one device pixel
    r.LineTo(7, 1);
    r.NextTab(1, 1, 0, 1, 1);  // no cell: draws nothing
    r.AddTab(1, kJustifyLeft, 6, 0, 0, 0);
    r.MoveCursor(1, 2);
    r.NextTab(0, 0, 0, 1, 0);  // a bottom edge one pixel wide
  };
  ASSERT_TRUE(filer.Execute());
  const QImage preview = store.Render(0, 96);
  const QRect rule = InkBox(preview);
  EXPECT_EQ(rule.left(), 96);
  EXPECT_EQ(rule.right(), 7 * 96 - 1);
  EXPECT_LE(rule.top(), 96);
  EXPECT_GE(rule.bottom(), 2 * 96 - 1);
}

TEST_F(CanvasTest, PreviewZoomStaysWithinItsLimitsAndHidesPageButtonsForOnePage) {
  EXPECT_EQ(ClampZoom(5), 10);
  EXPECT_EQ(ClampZoom(250), 200);
  PageStore store;
  TPreviewFiler filer(&store);
  filer.OnPrint = [](TBaseReport& r) { r.PrintLeftAt(QStringLiteral("Only"), 1); };
  ASSERT_TRUE(filer.Execute());
  TPreviewForm one(store, QStringLiteral("Preview Report"), 100);
  EXPECT_EQ(one.windowTitle(), QStringLiteral("Preview Report"));
  EXPECT_TRUE(one.page_button(QStringLiteral("Next page"))->isHidden());
  for (int i = 0; i < 15; ++i) one.ZoomIn();
  EXPECT_EQ(one.view()->zoom(), 200);
  EXPECT_EQ(one.windowTitle(), QStringLiteral("Preview Page 1 of 1 ( 200% )"));
  for (int i = 0; i < 25; ++i) one.ZoomOut();
  EXPECT_EQ(one.view()->zoom(), 10);

  filer.OnPrint = [](TBaseReport& r) { r.NewPage(); };
  ASSERT_TRUE(filer.Execute());
  TPreviewForm two(store, QStringLiteral("Preview Report"), 50);
  EXPECT_FALSE(two.page_button(QStringLiteral("Next page"))->isHidden());
  two.GoToPage(5);
  EXPECT_EQ(two.windowTitle(), QStringLiteral("Preview Page 2 of 2 ( 50% )"));
}

}  // namespace
}  // namespace vellumo
