// Label jobs through their windows: printing to the built-in PDF printer
// with "Cancel" asked and answered, previews stopped, completed and
// opened early, the outcome texts, and the paper question turned down.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "core/printer_calibrations.h"
#include "label_run_fixture.h"
#include "labels/job/label_job.h"
#include "labels/job/label_printer.h"
#include "pdf_job_fixture.h"
#include "printing/report_destinations.h"
#include "printing/windows/preview_form.h"

namespace vellumo {
namespace {

class LabelJobTest : public LabelRunTest {
 protected:
  void SetUp() override {
    LabelRunTest::SetUp();
    ASSERT_TRUE(UseThePdfPrinter());
    // Between the job's items and while a window waits: the test's own
    // step first, then the windows are closed as a user would once done.
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      if (step_ && step_(modal)) return;
      if (auto* status = qobject_cast<TLabelPrinter*>(modal)) {
        if (status->button()->text() != QLatin1String("Ok")) return;
        status_caption_ = status->windowTitle();
        outcome_ = status->status()->text();
        status->button()->click();
      } else if (auto* preview = qobject_cast<TPreviewForm*>(modal)) {
        if (preview->recording()) return;
        preview_caption_ = preview->windowTitle();
        preview_pages_ = preview->page_count();
        preview_progress_ = preview->progress()->text();
        preview_zoom_ = preview->view()->zoom();
        preview->accept();
      }
    });
    poll_.start(0);
  }

  LabelJobRequest Request(int records, bool preview) {
    table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(records));
    LabelJobRequest request;
    request.design = page_.get();
    request.table = table_.get();
    request.geometry = AddressStock();
    request.records_chosen = static_cast<uint64_t>(records);
    request.preview = preview;
    request.pdf_file = Pdf();
    return request;
  }

  // The test's step on the modal window up; true when it dealt with it.
  std::function<bool(QWidget*)> step_;
  QTimer poll_;
  QString status_caption_, outcome_ = QStringLiteral("(no outcome shown)");
  QString preview_caption_ = QStringLiteral("(no preview)"), preview_progress_;
  size_t preview_pages_ = 0;
  double preview_zoom_ = 0;
};

TEST_F(LabelJobTest, PrintingToThePdfPrinterCompletes) {
  QString button;
  step_ = [&button](QWidget* modal) {
    if (auto* status = qobject_cast<TLabelPrinter*>(modal); status && button.isEmpty()) {
      button = status->button()->text();
    }
    return false;
  };
  EXPECT_TRUE(RunLabelJob(Request(35, false), nullptr));
  EXPECT_EQ(button, QStringLiteral("Cancel"));
  EXPECT_EQ(status_caption_, QStringLiteral("Print Status "));
  EXPECT_EQ(outcome_, QStringLiteral("\rLabel Print Completed!"));
  words_ = WordsOf(Pdf());
  geometry_ = AddressStock();
  EXPECT_EQ(Cells(), Consecutive(1, 0, 1, 35));
  EXPECT_EQ(preview_caption_, QStringLiteral("(no preview)"));
}

TEST_F(LabelJobTest, PrintingTakesThePrintersCalibration) {
  const LabelJobRequest request = Request(1, false);
  ASSERT_TRUE(RunLabelJob(request, nullptr));
  const std::vector<PdfWord> plain = WordsOf(Pdf());
  ASSERT_EQ(plain.size(), 1u);
  ASSERT_TRUE(WritePrinterCalibration(TheSharedPrinter().PrinterName(), {.offset_x = 0.25, .offset_y = -0.125}));
  ASSERT_TRUE(table_->GoTop().ok());
  ASSERT_TRUE(RunLabelJob(request, nullptr));
  const std::vector<PdfWord> moved = WordsOf(Pdf());
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_NEAR(moved[0].x_min - plain[0].x_min, 18, 0.5);
  EXPECT_NEAR(moved[0].y_min - plain[0].y_min, -9, 0.5);
}

TEST_F(LabelJobTest, CancelAnsweredYesAbortsThePrintAndLeavesNoFile) {
  messenger_.answer = true;
  step_ = [](QWidget* modal) {
    auto* status = qobject_cast<TLabelPrinter*>(modal);
    if (status == nullptr || status->button()->text() != QLatin1String("Cancel")) return false;
    status->button()->click();
    return true;
  };
  EXPECT_FALSE(RunLabelJob(Request(35, false), nullptr));
  ASSERT_FALSE(messenger_.said.isEmpty());
  EXPECT_EQ(messenger_.said.first(), QStringLiteral("Cancel Label Printing?"));
  EXPECT_TRUE(outcome_.startsWith(QStringLiteral("\rLabel Print Canceled!"))) << outcome_.toStdString();
  EXPECT_TRUE(outcome_.contains(QStringLiteral(" of 35 labels were printed."))) << outcome_.toStdString();
  EXPECT_FALSE(QFileInfo::exists(Pdf()));
}

TEST_F(LabelJobTest, CancelAnsweredNoLetsThePrintFinish) {
  messenger_.answer = false;
  bool asked = false;
  step_ = [&asked](QWidget* modal) {
    auto* status = qobject_cast<TLabelPrinter*>(modal);
    if (asked || status == nullptr || status->button()->text() != QLatin1String("Cancel")) return false;
    asked = true;
    status->button()->click();
    return true;
  };
  EXPECT_TRUE(RunLabelJob(Request(35, false), nullptr));
  EXPECT_EQ(messenger_.said, QStringList{QStringLiteral("Cancel Label Printing?")});
  EXPECT_EQ(outcome_, QStringLiteral("\rLabel Print Completed!"));
  EXPECT_EQ(WordsOf(Pdf()).size(), 35u);
}

TEST_F(LabelJobTest, ACompletePreviewGoesStraightToThePreviewWindowInPageWidth) {
  EXPECT_TRUE(RunLabelJob(Request(5, true), nullptr));
  EXPECT_EQ(outcome_, QStringLiteral("(no outcome shown)")) << "the status window closes by itself";
  EXPECT_EQ(preview_caption_, QStringLiteral("Preview Labels"));
  EXPECT_EQ(preview_pages_, 1u);
  EXPECT_EQ(preview_progress_, QString());
  EXPECT_NE(preview_zoom_, 100) << "page width, not 100 %";
  EXPECT_FALSE(QFileInfo::exists(Pdf()));
}

TEST_F(LabelJobTest, APreviewShortOfWhatWasAskedSaysSoBeforeThePreview) {
  LabelJobRequest request = Request(5, true);
  request.records_chosen = 6;
  EXPECT_TRUE(RunLabelJob(request, nullptr));
  EXPECT_EQ(status_caption_, QStringLiteral("Preview Status"));
  EXPECT_EQ(outcome_, QStringLiteral("\rOnly 5 of 6 labels were printed."));
  EXPECT_EQ(preview_pages_, 1u);
}

TEST_F(LabelJobTest, StopInALongPreviewKeepsThePagesSoFar) {
  bool seen_recording = false;
  step_ = [&seen_recording](QWidget* modal) {
    auto* preview = qobject_cast<TPreviewForm*>(modal);
    if (preview == nullptr || !preview->recording()) return false;
    seen_recording = true;
    if (preview->page_count() >= 2) preview->stop_button()->click();
    return true;
  };
  EXPECT_TRUE(RunLabelJob(Request(200, true), nullptr));
  EXPECT_TRUE(seen_recording) << "the preview opened while the job recorded";
  EXPECT_EQ(preview_pages_, 3u);
  EXPECT_TRUE(preview_progress_.startsWith(QStringLiteral("Preview Stopped at page 3! Only ")))
      << preview_progress_.toStdString();
  EXPECT_TRUE(preview_progress_.endsWith(QStringLiteral(" of 200 labels were printed.")));
}

TEST_F(LabelJobTest, StopBeforeTheFirstPageEndsShowsTheStatusThenThePage) {
  step_ = [](QWidget* modal) {
    auto* status = qobject_cast<TLabelPrinter*>(modal);
    if (status == nullptr || status->button()->text() != QLatin1String("Stop")) return false;
    status->button()->click();
    return true;
  };
  EXPECT_TRUE(RunLabelJob(Request(35, true), nullptr));
  EXPECT_TRUE(outcome_.startsWith(QStringLiteral("\rPreview Stopped at page 1!\rOnly "))) << outcome_.toStdString();
  EXPECT_EQ(preview_pages_, 1u);
}

TEST_F(LabelJobTest, AnEmptyChoiceRunsButCountsAsNothingPrinted) {
  LabelJobRequest request = Request(0, false);
  request.records_chosen = 0;
  EXPECT_FALSE(RunLabelJob(request, nullptr));
  EXPECT_EQ(outcome_, QStringLiteral("\rLabel Print Completed!"));
}

TEST_F(LabelJobTest, EveryOutcomeHasItsText) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(0));
  LabelRun run(Input());
  TCanvasReport report(QSizeF(8.5, 11), 30);
  ASSERT_TRUE(report.Execute());  // a job of one page, ended
  using Outcome = PrintStatusWindow::Outcome;
  const auto text = [&](Outcome outcome, bool previewing) {
    return LabelPrinterOutcomeText(outcome, previewing, report, run, 0, 1);
  };
  EXPECT_EQ(text({}, false), QStringLiteral("\rLabel Print Completed!"));
  EXPECT_EQ(text({.aborted = true}, false), QStringLiteral("\rLabel Print Canceled!"));
  EXPECT_EQ(text({.aborted = true}, true), QStringLiteral("\rLabel Preview Canceled!"));
  EXPECT_EQ(text({.aborted = true, .stopped = true}, true), QStringLiteral("\rLabel Preview Canceled!"));
  EXPECT_EQ(text({.stopped = true}, true), QStringLiteral("\rPreview Stopped at page 1!"));
  EXPECT_EQ(text({}, true), QString());
}

TEST_F(LabelJobTest, ThePaperQuestionAnsweredNoPrintsNothing) {
  LabelJobRequest request = Request(5, false);
  request.geometry.sheet_depth = 14;  // letter is what the printer gives
  messenger_.answer = false;
  EXPECT_FALSE(RunLabelJob(request, nullptr));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said.first().startsWith(QStringLiteral("Unable to confirm")));
  EXPECT_EQ(outcome_, QStringLiteral("(no outcome shown)"));
  EXPECT_FALSE(QFileInfo::exists(Pdf()));
}

}  // namespace
}  // namespace vellumo
