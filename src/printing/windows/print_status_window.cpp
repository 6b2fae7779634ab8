// Running a print job in its status window.
#include "printing/windows/print_status_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/messages.h"
#include "printing/base_report.h"
#include "widgets/job_runner.h"

namespace vellumo {

PrintStatusWindow::PrintStatusWindow(const QString& caption, TBaseReport& report, bool previewing,
                                     std::function<bool()> confirm_cancel,
                                     std::function<QString(const Outcome&)> outcome_text, QWidget* parent)
    : QDialog(parent),
      report_(report),
      previewing_(previewing),
      outcome_text_(std::move(outcome_text)),
      runner_(new JobRunner(this, [this] { return Run(); })) {
  setWindowTitle(caption);
  status_ = new QLabel(this);
  status_->setAlignment(Qt::AlignCenter);
  status_->setMinimumSize(280, 70);
  button_ = new QPushButton(previewing ? QStringLiteral("Stop") : QStringLiteral("Cancel"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_, 1);
  layout->addWidget(button_, 0, Qt::AlignHCenter);
  connect(button_, &QPushButton::clicked, this, &PrintStatusWindow::ButtonClick);
  // A preview's "Stop" only records the request; printing's "Cancel"
  // asks, then aborts the job.
  if (!previewing) {
    runner_->ConfirmStop = std::move(confirm_cancel);
    runner_->OnStop = [this] { report_.Abort(); };
  }
  runner_->OnFinished = [this](const QString& outcome) { ShowOutcome(outcome); };
  runner_->StartOnFirstShow();
}

bool PrintStatusWindow::stop_requested() const { return previewing_ && runner_->stop_requested(); }

bool PrintStatusWindow::KeepGoing() { return runner_->KeepGoing() && !report_.IsAborted(); }

QString PrintStatusWindow::Run() {
  report_.OnStatus = [this](const QString& text) {
    status_->setText(text);
    if (OnProgress) OnProgress();
    runner_->KeepGoing();
  };
  report_.Execute();
  report_.OnStatus = nullptr;
  if (!report_.LastError().isEmpty()) ShowInformation(report_.LastError());
  outcome_.aborted = report_.IsAborted();
  outcome_.stopped = stop_requested();
  return outcome_text_(outcome_);
}

void PrintStatusWindow::ShowOutcome(const QString& outcome) {
  status_->setText(outcome);
  button_->setText(QStringLiteral("Ok"));
  button_->setDefault(true);
  if (CloseAtEnd && CloseAtEnd(outcome_)) accept();
}

void PrintStatusWindow::ButtonClick() {
  if (runner_->running()) {
    runner_->RequestStop();
  } else {
    accept();
  }
}

}  // namespace vellumo
