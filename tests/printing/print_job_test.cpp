// Print jobs: drawing outside a running job is refused, jobs that cannot
// start or are aborted count as aborted and leave no PDF behind, a job
// that throws frees the printer, and copies are the shared printer's.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <stdexcept>

#include "pdf_probe.h"
#include "printing/drawing_styles.h"
#include "printing/paper.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"
#include "pdf_job_fixture.h"

namespace vellumo {
namespace {

class PrintJobTest : public PdfJobTest {
 protected:
  // Every file in the folder of the job's PDF.
  QStringList FilesBeside() const {
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  }
};

TEST_F(PrintJobTest, DrawingOutsideARunningJobIsRefused) {
  const std::vector<std::function<void(TBaseReport&)>> drawing = {
      [](TBaseReport& r) { r.PrintText(QStringLiteral("x")); },
      [](TBaseReport& r) { r.PrintTextLn(QStringLiteral("x")); },
      [](TBaseReport& r) { r.PrintLeftAt(QStringLiteral("x"), 1); },
      [](TBaseReport& r) { r.PrintCenterAt(QStringLiteral("x"), 1); },
      [](TBaseReport& r) { r.PrintRightAt(QStringLiteral("x"), 1); },
      [](TBaseReport& r) { r.TextInRect(r.MakeRect(0, 0, 1, 1), 0, 0, QStringLiteral("x")); },
      [](TBaseReport& r) { r.NextTab(); },
      [](TBaseReport& r) { r.NewPage(); },
      [](TBaseReport& r) { r.MoveTo(1, 1); },
      [](TBaseReport& r) { r.LineTo(2, 2); },
      [](TBaseReport& r) { r.DrawRectangle(1, 1, 2, 2); },
      [](TBaseReport& r) { r.DrawRoundRect(1, 1, 2, 2, 0.1, 0.1); },
      [](TBaseReport& r) { r.DrawEllipse(1, 1, 2, 2); },
      [](TBaseReport& r) { r.DrawBitmapInRect(QImage(2, 2, QImage::Format_RGB32), 1, 1, 2, 2); },
      [](TBaseReport& r) { r.DrawGraphicInRect(r.MakeRect(1, 1, 2, 2), QPicture()); },
  };
  TCanvasReport job(QSizeF(8.5, 11), 30);
  for (size_t i = 0; i < drawing.size(); ++i) {
    EXPECT_THROW(drawing[i](job), std::logic_error) << "before the job, call " << i;
  }
  // Also from OnBeforePrint, which runs before the job starts.
  job.OnBeforePrint = [](TBaseReport& r) { r.PrintText(QStringLiteral("early")); };
  EXPECT_THROW(job.Execute(), std::logic_error);
  job.OnBeforePrint = nullptr;
  job.OnPrint = [&drawing](TBaseReport& r) {
    for (const auto& draw : drawing) draw(r);
  };
  ASSERT_TRUE(job.Execute());
  for (size_t i = 0; i < drawing.size(); ++i) {
    EXPECT_THROW(drawing[i](job), std::logic_error) << "after the job, call " << i;
  }
  // Measuring and laying out need no job.
  job.SetFont(QStringLiteral("Arial"), 10);
  EXPECT_GT(job.TextWidth(QStringLiteral("x")), 0);
  job.CursorHome();
  job.NewLine();
}

TEST_F(PrintJobTest, AJobThatThrowsFreesThePrinterAndLeavesNoFile) {
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.OnPrint = [](TBaseReport& r) {
    r.PrintLeftAt(QStringLiteral("Half"), 1);
    // Changing the paper while the job runs is a programming error.
    TheSharedPrinter().SetPaperSize(9, Length(), Length());
  };
  EXPECT_THROW(job.Execute(), std::logic_error);
  EXPECT_TRUE(job.IsAborted());
  EXPECT_FALSE(job.Printing());
  EXPECT_FALSE(TheSharedPrinter().JobRunning());
  EXPECT_TRUE(FilesBeside().isEmpty()) << FilesBeside().join(QLatin1Char(' ')).toStdString();
  // The printer is free again for changes and the next job.
  EXPECT_TRUE(TheSharedPrinter().SetPaperSize(1, Length(), Length()));
  job.OnPrint = [](TBaseReport& r) { r.PrintLeftAt(QStringLiteral("Whole"), 1); };
  ASSERT_TRUE(job.Execute());
  ASSERT_EQ(WordsOf(Pdf()).size(), 1u);
  EXPECT_EQ(WordsOf(Pdf()).front().text, QStringLiteral("Whole"));
}

TEST_F(PrintJobTest, PrinterSettingsCannotChangeWhileAJobRuns) {
  PageStore store;
  TPreviewFiler preview(&store);
  int refused = 0;
  preview.OnPrint = [&refused](TBaseReport&) {
    SharedPrinter& printer = TheSharedPrinter();
    const std::vector<std::function<void()>> changes = {
        [&] { printer.SetCopies(2); },
        [&] { printer.SetOrientation(poLandScape); },
        [&] { printer.SelectPaperByName(QStringLiteral("A4")); },
        [&] { printer.SelectBinByName(QStringLiteral("Upper")); },
        [&] { printer.SetPrinterIndex(0); },
        [&] { printer.Reset(); },
    };
    for (const auto& change : changes) {
      try {
        change();
      } catch (const std::logic_error&) {
        ++refused;
      }
    }
  };
  ASSERT_TRUE(preview.Execute());
  EXPECT_EQ(refused, 6);
  EXPECT_EQ(TheSharedPrinter().copies(), 1);
  EXPECT_EQ(TheSharedPrinter().Orientation(), poPortrait);
}

TEST_F(PrintJobTest, AJobThatCannotStartCountsAsAbortedAndIsReported) {
  TReportPrinter job;
  job.OutputFile = dir_.filePath(QStringLiteral("no such folder/job.pdf"));
  bool printed = false;
  job.OnPrint = [&printed](TBaseReport&) { printed = true; };
  EXPECT_FALSE(job.Execute());
  EXPECT_TRUE(job.IsAborted());
  EXPECT_FALSE(printed);
  // The reason is the job's to give; the window that ran it tells the user.
  EXPECT_TRUE(job.LastError().startsWith(QStringLiteral("Unable to write the file "))) << job.LastError().toStdString();
  EXPECT_TRUE(messenger_.said.isEmpty());
  EXPECT_FALSE(TheSharedPrinter().JobRunning());
  EXPECT_FALSE(QFileInfo::exists(job.OutputFile));
}

TEST_F(PrintJobTest, AFinishedPdfHasTheOrdinaryPermissionsOfANewFile) {
  QFile plain(dir_.filePath(QStringLiteral("plain.txt")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.OnPrint = [](TBaseReport& r) { r.PrintLeftAt(QStringLiteral("Shared"), 1); };
  ASSERT_TRUE(job.Execute());
  EXPECT_EQ(QFileInfo(Pdf()).permissions(), QFileInfo(plain.fileName()).permissions());
  EXPECT_EQ(FilesBeside(), (QStringList{QStringLiteral("job.pdf"), QStringLiteral("plain.txt")}));
}

TEST_F(PrintJobTest, AnAbortedPdfJobLeavesNoFileAndKeepsAnEarlierOne) {
  {
    QFile earlier(Pdf());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
  }
  TReportPrinter job;
  job.OutputFile = Pdf();
  job.OnPrint = [](TBaseReport& r) {
    r.PrintLeftAt(QStringLiteral("Started"), 1);
    r.NewPage();
    r.Abort();
    r.PrintLeftAt(QStringLiteral("Ignored"), 1);  // does nothing once aborted
  };
  EXPECT_FALSE(job.Execute());
  EXPECT_TRUE(job.IsAborted());
  EXPECT_EQ(FilesBeside(), QStringList{QStringLiteral("job.pdf")});
  QFile earlier(Pdf());
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
  EXPECT_TRUE(job.LastError().isEmpty());
}

TEST_F(PrintJobTest, CopiesAreTheSharedPrintersOwn) {
  TheSharedPrinter().SetCopies(3);
  TReportPrinter job;
  job.OutputFile = Pdf();
  EXPECT_EQ(job.Copies(), 3);
  job.OnPrint = [](TBaseReport& r) { r.PrintLeftAt(QStringLiteral("Copy"), 1); };
  ASSERT_TRUE(job.Execute());
  // The job leaves the count as it was chosen.
  EXPECT_EQ(TheSharedPrinter().copies(), 3);
  EXPECT_EQ(TheSharedPrinter().printer().copyCount(), 3);
  job.SetCopies(2);
  EXPECT_EQ(TheSharedPrinter().copies(), 2);
  TReportPrinter another;
  EXPECT_EQ(another.Copies(), 2);
  job.SetCopies(0);  // at least one
  EXPECT_EQ(TheSharedPrinter().copies(), 1);
}

}  // namespace
}  // namespace vellumo
