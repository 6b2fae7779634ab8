// Every job's preview shows what printing it produces: the same words on
// the same pages at the same places, and visibly, for text anywhere on the
// paper (before anything else drawn on the page, in cells, turned, clipped
// to rectangles) and over several pages.
#include <gtest/gtest.h>

#include <functional>

#include "pdf_job_fixture.h"
#include "preview_probe.h"
#include "printing/windows/printer_jobs.h"

namespace vellumo {
namespace {

class PreviewEqualsPrintTest : public PdfJobTest {
 protected:
  void ExpectPreviewEqualsPrint(const std::function<void(TBaseReport&)>& draw) {
    TReportPrinter printer;
    printer.OutputFile = Pdf();
    printer.OnPrint = draw;
    ASSERT_TRUE(printer.Execute());
    PageStore store;
    TPreviewFiler filer(&store);
    filer.OnPrint = draw;
    ASSERT_TRUE(filer.Execute());
    const std::vector<PdfWord> printed = WordsOf(Pdf());
    ASSERT_FALSE(printed.empty());
    EXPECT_TRUE(SameWords(printed, PreviewWords(store, dir_.filePath(QStringLiteral("preview.pdf")))));
    EXPECT_TRUE(PreviewShowsInk(store, printed));
  }
};

TEST_F(PreviewEqualsPrintTest, TextAboveAndBesideEverythingElse) {
  ExpectPreviewEqualsPrint([](TBaseReport& r) {
    r.SetFont(QStringLiteral("Times"), 10);
    r.MoveCursor(1, 0.7);
    r.PrintRightAt(QStringLiteral("Heading"), 7.5);  // nearer the paper's edge than anything drawn
    r.MoveTo(1, 1);
    r.LineTo(7.5, 1);
    r.DrawRectangle(2, 2, 4, 3);
    r.MoveCursor(0.3, 10.8);
    r.PrintText(QStringLiteral("Footing"));
  });
}

TEST_F(PreviewEqualsPrintTest, TextAloneOnThePage) {
  ExpectPreviewEqualsPrint([](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 12);
    r.MoveCursor(4, 5);
    r.PrintText(QStringLiteral("Alone"));
  });
}

TEST_F(PreviewEqualsPrintTest, CellsTurnedTextAndRectanglesOverSeveralPages) {
  ExpectPreviewEqualsPrint([](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 10);
    r.SetMarginLeft(1);
    r.SetMarginTop(1);
    r.AreaFromMargins();
    r.CursorHome();
    r.AddTab(kDefault, kJustifyLeft, 2, 10, kBorderBottom, 0);
    r.AddTab(kDefault, kJustifyRight, 2, 10, 0, 20);
    r.PrintText(QStringLiteral("\tLeftCell\tRightCell"));
    r.NewLine();
    r.TextInRect(r.MakeRect(1, 3, 3, 4), 1.1, 3.1, QStringLiteral("Boxed"));
    r.NewPage();
    r.SetFontAngle(90);
    r.MoveCursor(2, 6);
    r.PrintText(QStringLiteral("Upwards"));
    r.SetFontAngle(0);
    r.MoveCursor(6, 0.4);
    r.PrintText(QStringLiteral("Top"));
  });
}

}  // namespace
}  // namespace vellumo
