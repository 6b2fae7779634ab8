// Running a print job in its status window.
#include "printing/print_status_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "printing/base_report.h"

namespace vellumo {

PrintStatusWindow::PrintStatusWindow(const QString& caption, TBaseReport& report, bool previewing,
                                     std::function<bool()> confirm_cancel,
                                     std::function<QString(const Outcome&)> outcome_text, QWidget* parent)
    : QDialog(parent),
      report_(report),
      previewing_(previewing),
      confirm_cancel_(std::move(confirm_cancel)),
      outcome_text_(std::move(outcome_text)) {
  setWindowTitle(caption);
  status_ = new QLabel(this);
  status_->setAlignment(Qt::AlignCenter);
  status_->setMinimumSize(280, 70);
  button_ = new QPushButton(previewing ? QStringLiteral("Stop") : QStringLiteral("Cancel"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_, 1);
  layout->addWidget(button_, 0, Qt::AlignHCenter);
  connect(button_, &QPushButton::clicked, this, &PrintStatusWindow::ButtonClick);
}

void PrintStatusWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  QTimer::singleShot(0, this, &PrintStatusWindow::Run);
}

void PrintStatusWindow::Run() {
  report_.StatusLabel = status_;
  running_ = true;
  report_.Execute();
  running_ = false;
  report_.StatusLabel = nullptr;
  outcome_.aborted = report_.IsAborted();
  status_->setText(outcome_text_(outcome_));
  button_->setText(QStringLiteral("Ok"));
  button_->setDefault(true);
}

void PrintStatusWindow::ButtonClick() {
  if (!running_) {
    accept();
    return;
  }
  if (previewing_) {
    outcome_.stopped = true;
  } else if (!confirm_cancel_ || confirm_cancel_()) {
    report_.Abort();
  }
}

void PrintStatusWindow::reject() {
  if (running_) {
    ButtonClick();
    return;
  }
  QDialog::reject();
}

}  // namespace vellumo
