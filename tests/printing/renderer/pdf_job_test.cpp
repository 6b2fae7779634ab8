// Jobs drawn without any widget: into a PDF file (placed only when the job
// completes, its failures kept as the job's reason) and into a page store
// on the metrics it is given.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "pdf_probe.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"

namespace vellumo {
namespace {

PageMetrics A4Landscape() {
  PageMetrics metrics;
  metrics.width = Length::Millimetres(297);
  metrics.height = Length::Millimetres(210);
  metrics.dpi = 1200;
  return metrics;
}

class PdfJobTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Pdf() const { return dir_.filePath(QStringLiteral("batch.pdf")); }
  QStringList FilesBeside() const {
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  QTemporaryDir dir_;
};

TEST_F(PdfJobTest, AJobPrintsToPdfWithoutAnyWidget) {
  ASSERT_FALSE(QCoreApplication::instance()->inherits("QApplication"));
  TReportPdf job(Pdf(), A4Landscape());
  job.Title = QStringLiteral("Batch");
  QStringList statuses;
  job.OnStatus = [&statuses](const QString& text) { statuses << text; };
  job.OnPrint = [](TBaseReport& r) {
    r.SetFont(QStringLiteral("Arial"), 12);
    r.TextInRect(r.MakeRect(0, 0, r.PageWidth(), r.PageHeight()), 1, 1, QStringLiteral("Corner"));
    r.NewPage();
    r.MoveCursor(2, 3);
    r.PrintText(QStringLiteral("Second"));
  };
  ASSERT_TRUE(job.Execute());
  EXPECT_TRUE(job.LastError().isEmpty());
  EXPECT_EQ(statuses, (QStringList{QStringLiteral("Printing page 1"), QStringLiteral("Printing page 2")}));
  EXPECT_NEAR(job.PageWidth(), 297 / 25.4, 1e-9);
  const QSizeF points = PageSizeOf(Pdf());
  EXPECT_NEAR(points.width(), 842, 1);
  EXPECT_NEAR(points.height(), 595, 1);
  EXPECT_EQ(PageCountOf(Pdf()), 2);
  const std::vector<PdfWord> words = WordsOf(Pdf());
  const PdfWord* corner = FindWord(words, QStringLiteral("Corner"));
  ASSERT_NE(corner, nullptr);
  EXPECT_NEAR(corner->x_min, 72, 0.72);
  EXPECT_NEAR(corner->y_min, 72, 0.72);
  const PdfWord* second = FindWord(words, QStringLiteral("Second"));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->page, 2);
  EXPECT_NEAR(second->x_min, 144, 0.72);
  EXPECT_EQ(FilesBeside(), QStringList{QStringLiteral("batch.pdf")});
}

TEST_F(PdfJobTest, AFileThatCannotBeWrittenIsTheJobsReason) {
  TReportPdf job(dir_.filePath(QStringLiteral("no such folder/batch.pdf")), A4Landscape());
  bool printed = false;
  job.OnPrint = [&printed](TBaseReport&) { printed = true; };
  EXPECT_FALSE(job.Execute());
  EXPECT_TRUE(job.IsAborted());
  EXPECT_FALSE(printed);
  EXPECT_EQ(job.LastError(), QStringLiteral("Unable to write the file ") +
                                 QDir::toNativeSeparators(dir_.filePath(QStringLiteral("no such folder/batch.pdf"))));
  // The next run starts without the old reason.
  job.OutputFile = Pdf();
  ASSERT_TRUE(job.Execute());
  EXPECT_TRUE(job.LastError().isEmpty());
}

TEST_F(PdfJobTest, AnAbortedJobLeavesNoFileAndKeepsAnEarlierOne) {
  {
    QFile earlier(Pdf());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
  }
  TReportPdf job(Pdf(), A4Landscape());
  job.OnPrint = [](TBaseReport& r) {
    r.PrintLeftAt(QStringLiteral("Started"), 1);
    r.Abort();
  };
  EXPECT_FALSE(job.Execute());
  EXPECT_TRUE(job.LastError().isEmpty());
  EXPECT_EQ(FilesBeside(), QStringList{QStringLiteral("batch.pdf")});
  QFile earlier(Pdf());
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
}

TEST_F(PdfJobTest, OnlyPagesInTheRangeAreOutput) {
  TReportPdf job(Pdf(), A4Landscape());
  job.FirstPage = 2;
  job.LastPage = 3;
  job.OnPrint = [](TBaseReport& r) {
    for (int page = 1; page <= 4; ++page) {
      if (page > 1) r.NewPage();
      r.PrintLeftAt(QStringLiteral("Page%1").arg(r.PageNumber()), 1);
    }
  };
  ASSERT_TRUE(job.Execute());
  EXPECT_EQ(PageCountOf(Pdf()), 2);
  const std::vector<PdfWord> words = WordsOf(Pdf());
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].text, QStringLiteral("Page2"));
  EXPECT_EQ(words[1].text, QStringLiteral("Page3"));
}

TEST_F(PdfJobTest, AFilerRecordsOnTheMetricsItIsGiven) {
  PageMetrics metrics;
  metrics.width = Length::Inches(4);
  metrics.height = Length::Inches(6);
  metrics.dpi = 300;
  metrics.unprintable_left = Length::Points(18);
  metrics.unprintable_top = Length::Millimetres(5);
  PageStore store;
  TReportFiler filer(&store, metrics);
  EXPECT_DOUBLE_EQ(filer.PageWidth(), 4);
  EXPECT_DOUBLE_EQ(filer.UnprintableLeft(), 0.25);
  EXPECT_DOUBLE_EQ(filer.UnprintableTop(), 5 / 25.4);
  filer.OnPrint = [](TBaseReport& r) {
    r.SetPen(Qt::black, 0, 4, 3);
    r.MoveTo(1, 1);
    r.LineTo(3, 1);
  };
  ASSERT_TRUE(filer.Execute());
  ASSERT_EQ(store.pages.size(), 1u);
  EXPECT_EQ(store.dpi, 300);
  EXPECT_EQ(store.page_inches, QSizeF(4, 6));
  // The whole paper is recorded, from its corner whatever the strips.
  const QImage page = store.Render(0, 100);
  EXPECT_EQ(page.size(), QSize(400, 600));
  EXPECT_LT(qGray(page.pixel(200, 100)), 128);
  EXPECT_EQ(qGray(page.pixel(200, 110)), 255);
}

}  // namespace
}  // namespace vellumo
