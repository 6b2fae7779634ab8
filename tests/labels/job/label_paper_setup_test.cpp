// The stock's paper on the shared printer before a label job: what is
// requested, in which orientation, and when the user is asked.
#include <gtest/gtest.h>

#include "address_stock.h"
#include "labels/job/label_paper_setup.h"
#include "labels/printing/label_paper.h"
#include "pdf_job_fixture.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

class LabelPaperSetUpTest : public PdfJobTest {
 protected:
  static StockGeometry Custom(double width, double depth) {
    StockGeometry g = AddressStock();
    g.paper_size = "USERP";
    g.sheet_width = width;
    g.sheet_depth = depth;
    return g;
  }
  SharedPrinter& printer_ = TheSharedPrinter();
};

TEST_F(LabelPaperSetUpTest, LandscapeLetterStockIsLetterTurnedAndConfirmedWithoutAQuestion) {
  StockGeometry g = AddressStock();
  g.paper_size = "LTRL";
  g.sheet_width = 11;
  g.sheet_depth = 8.5;
  EXPECT_TRUE(SetUpLabelPaper(g, printer_, printer_.DriverName()));
  EXPECT_TRUE(messenger_.said.isEmpty()) << messenger_.said.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(printer_.Orientation(), poLandScape);
  EXPECT_EQ(printer_.CurrentPaperNumber(), 1);
  EXPECT_NEAR(printer_.PageWidth(), 11, 0.01);
  EXPECT_NEAR(printer_.PageHeight(), 8.5, 0.01);
}

TEST_F(LabelPaperSetUpTest, CustomStockIsRequestedAtItsSizeInPortrait) {
  printer_.SetOrientation(poLandScape);
  EXPECT_TRUE(SetUpLabelPaper(Custom(4, 6), printer_, printer_.DriverName()));
  EXPECT_TRUE(messenger_.said.isEmpty()) << messenger_.said.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(printer_.requested_tenths_mm(), QSize(1016, 1524));
  EXPECT_EQ(printer_.Orientation(), poPortrait);
  EXPECT_NEAR(printer_.PageWidth(), 4, 0.01);
  EXPECT_NEAR(printer_.PageHeight(), 6, 0.01);
}

TEST_F(LabelPaperSetUpTest, ADriverThatMayNotBeAskedForACustomSizeAlwaysGetsTheQuestion) {
  const QString driver = QStringLiteral("hpfdj 1200c");
  ASSERT_TRUE(printer_.SetPaperSize(0, Length::Inches(3), Length::Inches(5)));
  messenger_.answer = false;
  EXPECT_FALSE(SetUpLabelPaper(Custom(4, 6), printer_, driver));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.said.first(), PaperQuestionText(PaperForStock(Custom(4, 6))));
  EXPECT_TRUE(messenger_.said.first().contains(QStringLiteral("4.00\" by 6.00\"")));
  EXPECT_EQ(printer_.requested_tenths_mm(), QSize(762, 1270)) << "no size is asked of that driver";

  messenger_.answer = true;
  EXPECT_TRUE(SetUpLabelPaper(Custom(4, 6), printer_, driver));
  EXPECT_EQ(messenger_.said.size(), 2);
  // A standard paper is still requested there, and confirmed.
  EXPECT_TRUE(SetUpLabelPaper(AddressStock(), printer_, driver));
  EXPECT_EQ(messenger_.said.size(), 2);
}

TEST_F(LabelPaperSetUpTest, APageThatDiffersFromTheStockIsQuestioned) {
  // A legal-length sheet that names letter paper: letter is requested and
  // read back 3 inches short.
  StockGeometry g = AddressStock();
  g.sheet_depth = 14;
  messenger_.answer = false;
  EXPECT_FALSE(SetUpLabelPaper(g, printer_, printer_.DriverName()));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said.first().startsWith(QStringLiteral("Unable to confirm that the paper size was set to")));
}

}  // namespace
}  // namespace vellumo
