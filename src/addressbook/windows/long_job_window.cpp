// A record loop's window over the job runner.
#include "addressbook/windows/long_job_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/job_runner.h"

namespace vellumo {

LongJobWindow::LongJobWindow(const QString& caption, std::function<bool()> confirm_cancel,
                             bool closes_itself, QWidget* parent)
    : QDialog(parent), runner_(new JobRunner(this, [this] { return Run(); })) {
  setWindowTitle(caption);
  activity_ = new QLabel(this);
  count_ = new QLabel(this);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  ok_ = new QPushButton(QStringLiteral("Ok"), this);
  ok_->hide();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(activity_);
  layout->addWidget(count_);
  layout->addLayout(buttons);
  setMinimumWidth(280);
  runner_->ConfirmStop = std::move(confirm_cancel);
  if (!closes_itself) runner_->OnFinished = [this](const QString& outcome) { ShowOutcome(outcome); };
  runner_->StartOnFirstShow();
  connect(cancel_, &QPushButton::clicked, runner_, &JobRunner::RequestStop);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

bool LongJobWindow::cancelled() const { return runner_->stop_requested(); }

bool LongJobWindow::KeepGoing() { return runner_->KeepGoing(); }

void LongJobWindow::ShowOutcome(const QString& outcome) {
  activity_->setText(outcome);
  count_->clear();
  cancel_->hide();
  ok_->show();
  ok_->setDefault(true);
}

}  // namespace vellumo
