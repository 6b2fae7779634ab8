// Starting, stopping and finishing a long job in its window.
#include "widgets/job_runner.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>

namespace vellumo {

JobRunner::JobRunner(QDialog* window, Job job) : QObject(window), window_(window), job_(std::move(job)) {
  window->installEventFilter(this);
}

void JobRunner::StartOnFirstShow() { start_on_show_ = true; }

void JobRunner::Run() {
  if (running_) return;
  started_ = true;
  running_ = true;
  stop_requested_ = false;
  const QString outcome = job_();
  running_ = false;
  if (OnFinished) {
    OnFinished(outcome);
  } else {
    window_->accept();
  }
}

bool JobRunner::KeepGoing() {
  QCoreApplication::processEvents();
  return !stop_requested_;
}

void JobRunner::RequestStop() {
  if (!running_ || stop_requested_) return;
  if (ConfirmStop && !ConfirmStop()) return;
  stop_requested_ = true;
  if (OnStop) OnStop();
}

bool JobRunner::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  if (event->type() == QEvent::Show && start_on_show_ && !started_) {
    started_ = true;
    // After the window is on screen, so that it shows while the job runs.
    QTimer::singleShot(0, this, &JobRunner::Run);
    return false;
  }
  if (!running_) return false;
  const bool escape =
      event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
  if (escape || event->type() == QEvent::Close) {
    event->ignore();
    RequestStop();
    return true;
  }
  return false;
}

}  // namespace vellumo
