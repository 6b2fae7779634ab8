// Start on first show, cancel between records, outcome at the end.
#include "addressbook/windows/long_job_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vellumo {

LongJobWindow::LongJobWindow(const QString& caption, std::function<bool()> confirm_cancel,
                             bool closes_itself, QWidget* parent)
    : QDialog(parent), confirm_cancel_(std::move(confirm_cancel)), closes_itself_(closes_itself) {
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
  connect(cancel_, &QPushButton::clicked, this, &LongJobWindow::CancelClick);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void LongJobWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  // After the window is on screen, so that it shows while the job runs.
  QTimer::singleShot(0, this, &LongJobWindow::Start);
}

void LongJobWindow::Start() {
  running_ = true;
  const QString outcome = Run();
  running_ = false;
  if (closes_itself_) {
    accept();
    return;
  }
  activity_->setText(outcome);
  count_->clear();
  cancel_->hide();
  ok_->show();
  ok_->setDefault(true);
}

bool LongJobWindow::KeepGoing() {
  QApplication::processEvents();
  return !cancelled_;
}

void LongJobWindow::CancelClick() {
  if (!running_ || cancelled_) return;
  if (!confirm_cancel_ || confirm_cancel_()) cancelled_ = true;
}

void LongJobWindow::reject() {
  // Escape and the close box act as "Cancel" while the job runs.
  if (running_) {
    CancelClick();
    return;
  }
  QDialog::reject();
}

}  // namespace vellumo
