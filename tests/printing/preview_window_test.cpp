// The preview window's page count and page jumps, and a preview that
// opens while its job still records: it shows the finished pages, grows
// with the job, stops it on "Stop" or when closed, and becomes the modal
// preview of every page when the job ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ink.h"
#include "pdf_job_fixture.h"
#include "printing/windows/preview_form.h"
#include "printing/windows/preview_job.h"
#include "printing/windows/print_status_window.h"
#include "printing/windows/printer_jobs.h"

namespace vellumo {
namespace {

// Draws "Page n" in large type on each of `pages` pages; `on_page` runs
// after page n is begun, between the job's items.
void DrawPages(TBaseReport& r, int pages, const std::function<bool(int page)>& keep_going) {
  r.SetFont(QStringLiteral("Arial"), 48);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) r.NewPage();
    if (!keep_going(page)) return;
    r.PrintLeftAt(QStringLiteral("Page %1").arg(page), 1);
  }
}

QString OutcomeOf(const PrintStatusWindow::Outcome& outcome, int page) {
  if (outcome.aborted) return QStringLiteral("\rPreview Canceled!");
  if (outcome.stopped) return QStringLiteral("\rPreview Stopped at page %1!").arg(page);
  return QString();
}

class PreviewWindowTest : public PdfJobTest {
 protected:
  PageStore Recorded(int pages) {
    PageStore store;
    TPreviewFiler filer(&store);
    filer.OnPrint = [pages](TBaseReport& r) { DrawPages(r, pages, [](int) { return true; }); };
    EXPECT_TRUE(filer.Execute());
    return store;
  }

  // Closes the modal preview once its job has ended, noting what it showed.
  void CloseFinishedPreview() {
    QObject::connect(&closer_, &QTimer::timeout, [this] {
      auto* form = qobject_cast<TPreviewForm*>(QApplication::activeModalWidget());
      if (form == nullptr || form->recording()) return;
      closer_.stop();
      final_count_ = form->page_count();
      final_progress_ = form->progress()->text();
      form->accept();
    });
    closer_.start(0);
  }

  // Runs a preview of `pages` pages in its status window; `during(page,
  // status)` runs between the job's items.
  PrintStatusWindow::Outcome RunPreview(int pages, const std::function<void(int, PrintStatusWindow&)>& during) {
    TPreviewFiler filer(&store_);
    PrintStatusWindow status(QStringLiteral("Preview Status"), filer, true, nullptr,
                             [&filer](const PrintStatusWindow::Outcome& o) { return OutcomeOf(o, filer.PageNumber()); });
    status.CloseAtEnd = [](const PrintStatusWindow::Outcome& o) { return !o.aborted && !o.stopped; };
    filer.OnPrint = [&](TBaseReport& r) {
      DrawPages(r, pages, [&](int page) {
        during(page, status);
        return status.KeepGoing();
      });
    };
    CloseFinishedPreview();
    return RunPreviewJob(status, store_, QStringLiteral("Preview Labels"), 100, nullptr);
  }

  static TPreviewForm* OpenPreview() { return qobject_cast<TPreviewForm*>(QApplication::activeModalWidget()); }

  QTimer closer_;
  PageStore store_;
  size_t final_count_ = 0;
  QString final_progress_ = QStringLiteral("(not shown)");
};

TEST_F(PreviewWindowTest, ShowsThePageCountAndJumpsToATypedPage) {
  const PageStore store = Recorded(5);
  TPreviewForm form(store, QStringLiteral("Preview Labels"), 100);
  form.show();
  EXPECT_EQ(form.page_count_label()->text(), QStringLiteral("Page 1 of 5"));
  ASSERT_FALSE(form.page_box()->isHidden());
  EXPECT_EQ(form.page_box()->maximum(), 5);

  form.page_box()->selectAll();
  QTest::keyClicks(form.page_box(), QStringLiteral("4"));
  QTest::keyClick(form.page_box(), Qt::Key_Return);
  EXPECT_TRUE(form.isVisible()) << "Enter in the page box jumps instead of closing the window";
  EXPECT_EQ(form.view()->page(), 3u);
  EXPECT_EQ(form.page_count_label()->text(), QStringLiteral("Page 4 of 5"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 4 of 5 ( 100% )"));

  form.page_button(QStringLiteral("First page"))->click();
  EXPECT_EQ(form.page_box()->value(), 1);
  form.page_button(QStringLiteral("Last page"))->click();
  EXPECT_EQ(form.page_count_label()->text(), QStringLiteral("Page 5 of 5"));
  EXPECT_EQ(form.page_box()->value(), 5);
  // A number past the end shows the last page.
  form.GoToPage(40);
  EXPECT_EQ(form.view()->page(), 4u);

  const PageStore single = Recorded(1);
  TPreviewForm one(single, QStringLiteral("Preview Labels"), 100);
  EXPECT_TRUE(one.page_box()->isHidden());
  EXPECT_EQ(one.page_count_label()->text(), QStringLiteral("Page 1 of 1"));
}

TEST_F(PreviewWindowTest, AStoreStillRecordingShowsOnlyItsFinishedPages) {
  const PageStore store = Recorded(5);
  TPreviewForm form(store, QStringLiteral("Preview Labels"), 100);
  form.SetPageCount(1);
  EXPECT_TRUE(form.page_button(QStringLiteral("Last page"))->isHidden());
  form.SetPageCount(3);
  EXPECT_FALSE(form.page_button(QStringLiteral("Last page"))->isHidden());
  form.page_button(QStringLiteral("Last page"))->click();
  EXPECT_EQ(form.view()->page(), 2u);
  EXPECT_EQ(form.page_box()->maximum(), 3);
  EXPECT_EQ(form.page_count_label()->text(), QStringLiteral("Page 3 of 3"));
  form.page_button(QStringLiteral("Next page"))->click();
  EXPECT_EQ(form.view()->page(), 2u) << "the page being drawn is never shown";
  // More pages than the store holds show what it holds.
  form.SetPageCount(9);
  EXPECT_EQ(form.page_count(), 5u);
}

TEST_F(PreviewWindowTest, ALongPreviewOpensOnItsFirstPageWhileTheJobRecords) {
  bool status_hidden = false;
  size_t count_at_page3 = 0;
  bool ink_on_first_page = false;
  QString progress_at_page3;
  const auto outcome = RunPreview(4, [&](int page, PrintStatusWindow& status) {
    if (page == 1) {
      EXPECT_EQ(OpenPreview(), nullptr) << "no page is finished yet";
    }
    if (page != 3) return;
    TPreviewForm* form = OpenPreview();
    ASSERT_NE(form, nullptr);
    status_hidden = status.isHidden();
    count_at_page3 = form->page_count();
    progress_at_page3 = form->progress()->text();
    EXPECT_TRUE(form->recording());
    EXPECT_FALSE(form->stop_button()->isHidden());
    EXPECT_EQ(form->view()->page(), 0u);
    // The page lies inside the view's margin of 2.5 % of its longer side.
    const int margin = qRound(store_.page_inches.height() * 96 * 0.025);
    const QRect paper(margin, margin, qRound(store_.page_inches.width() * 96), qRound(store_.page_inches.height() * 96));
    ink_on_first_page = !InkBox(form->view()->grab().toImage().copy(paper)).isEmpty();
  });
  EXPECT_FALSE(outcome.aborted);
  EXPECT_FALSE(outcome.stopped);
  EXPECT_TRUE(status_hidden);
  EXPECT_EQ(count_at_page3, 2u);
  EXPECT_EQ(progress_at_page3, QStringLiteral("Printing page 3"));
  EXPECT_TRUE(ink_on_first_page);
  // Then the modal preview of every page, with nothing left to report.
  EXPECT_EQ(final_count_, 4u);
  EXPECT_EQ(final_progress_, QString());
  EXPECT_EQ(store_.pages.size(), 4u);
}

TEST_F(PreviewWindowTest, StopInTheEarlyPreviewKeepsThePagesSoFar) {
  const auto outcome = RunPreview(50, [](int page, PrintStatusWindow&) {
    if (page == 3) OpenPreview()->stop_button()->click();
  });
  EXPECT_TRUE(outcome.stopped);
  EXPECT_FALSE(outcome.aborted);
  EXPECT_EQ(store_.pages.size(), 3u);
  EXPECT_EQ(final_count_, 3u);
  EXPECT_EQ(final_progress_, QStringLiteral("Preview Stopped at page 3!"));
}

TEST_F(PreviewWindowTest, ClosingTheEarlyPreviewStopsTheJobAndShowsNoMore) {
  const auto outcome = RunPreview(50, [](int page, PrintStatusWindow&) {
    if (page == 2) QTest::keyClick(OpenPreview(), Qt::Key_Escape);
  });
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(store_.pages.size(), 2u);
  EXPECT_EQ(final_progress_, QStringLiteral("(not shown)"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PreviewWindowTest, AnAbortedPreviewClosesItsEarlyWindow) {
  const auto outcome = RunPreview(5, [](int page, PrintStatusWindow& status) {
    if (page == 3) status.report().Abort();
  });
  EXPECT_TRUE(outcome.aborted);
  EXPECT_EQ(final_progress_, QStringLiteral("(not shown)"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PreviewWindowTest, AOnePagePreviewOpensWhenItsJobHasEnded) {
  const auto outcome = RunPreview(1, [](int, PrintStatusWindow&) { EXPECT_EQ(OpenPreview(), nullptr); });
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(final_count_, 1u);
}

}  // namespace
}  // namespace vellumo
