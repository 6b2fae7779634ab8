// The job runner: a job starts when its window is first shown (once),
// pending events reach the window between items, a stop is asked for and
// granted or refused, Escape and the close box stop a running job, and
// the outcome reaches the window or closes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "widgets/job_runner.h"

namespace vellumo {
namespace {

// A job of up to `items` items that stops when the runner says so.
struct CountingJob {
  int items = 1000;
  int done = 0;
  int runs = 0;
  JobRunner* runner = nullptr;
  std::function<void(int)> at_item;  // before item n is done

  QString operator()() {
    ++runs;
    for (done = 0; done < items; ++done) {
      if (at_item) at_item(done);
      if (!runner->KeepGoing()) return QStringLiteral("Stopped after %1").arg(done);
    }
    return QStringLiteral("Finished");
  }
};

class JobRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    runner_ = new JobRunner(&window_, [this] { return job_(); });
    job_.runner = runner_;
    runner_->OnFinished = [this](const QString& outcome) { outcome_ = outcome; };
  }
  // Lets events through until the job has run and ended.
  void WaitForTheJob() {
    for (int i = 0; i < 1000 && (job_.runs == 0 || runner_->running()); ++i) QApplication::processEvents();
  }

  QDialog window_;
  JobRunner* runner_ = nullptr;
  CountingJob job_;
  QString outcome_;
};

TEST_F(JobRunnerTest, StartsOnceWhenTheWindowIsFirstShown) {
  job_.items = 3;
  runner_->StartOnFirstShow();
  QApplication::processEvents();
  EXPECT_EQ(job_.runs, 0);
  window_.show();
  WaitForTheJob();
  EXPECT_EQ(job_.runs, 1);
  EXPECT_EQ(outcome_, QStringLiteral("Finished"));
  window_.hide();
  window_.show();
  QApplication::processEvents();
  EXPECT_EQ(job_.runs, 1);
  EXPECT_TRUE(window_.isVisible());  // an outcome was shown: the window stays
}

TEST_F(JobRunnerTest, AStopPostedDuringTheJobActsAtTheNextItem) {
  job_.at_item = [this](int item) {
    if (item == 5) QTimer::singleShot(0, runner_, &JobRunner::RequestStop);
  };
  runner_->Run();
  EXPECT_EQ(outcome_, QStringLiteral("Stopped after 5"));
  EXPECT_TRUE(runner_->stop_requested());
  EXPECT_FALSE(runner_->running());
}

TEST_F(JobRunnerTest, TheQuestionDecidesWhetherTheJobStops) {
  int asked = 0, stopped = 0;
  bool answer = false;
  runner_->ConfirmStop = [&] {
    ++asked;
    return answer;
  };
  runner_->OnStop = [&stopped] { ++stopped; };
  job_.at_item = [&](int item) {
    if (item == 2) runner_->RequestStop();  // refused
    if (item == 4) {
      answer = true;
      runner_->RequestStop();  // granted
      runner_->RequestStop();  // already stopping: not asked again
    }
  };
  runner_->Run();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(stopped, 1);
  EXPECT_EQ(outcome_, QStringLiteral("Stopped after 4"));
  // Once the job has ended there is nothing to stop.
  runner_->RequestStop();
  EXPECT_EQ(asked, 2);
}

TEST_F(JobRunnerTest, EscapeAndTheCloseBoxStopARunningJobButLeaveTheWindowOpen) {
  window_.show();
  job_.at_item = [this](int item) {
    if (item == 3) QTest::keyClick(&window_, Qt::Key_Escape);
  };
  runner_->Run();
  EXPECT_EQ(outcome_, QStringLiteral("Stopped after 3"));
  EXPECT_TRUE(window_.isVisible());

  job_.at_item = [this](int item) {
    if (item == 7) window_.close();
  };
  runner_->Run();
  EXPECT_EQ(outcome_, QStringLiteral("Stopped after 7"));
  EXPECT_TRUE(window_.isVisible());
  // After the job Escape is the window's own again.
  QTest::keyClick(&window_, Qt::Key_Escape);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(window_.result(), QDialog::Rejected);
}

TEST_F(JobRunnerTest, WithoutAnOutcomeToShowTheWindowClosesAccepted) {
  runner_->OnFinished = nullptr;
  job_.items = 2;
  runner_->StartOnFirstShow();
  window_.show();
  WaitForTheJob();
  EXPECT_EQ(job_.runs, 1);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(window_.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vellumo
