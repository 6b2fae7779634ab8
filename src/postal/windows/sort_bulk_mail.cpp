// The presort's status window over the job runner.
#include "postal/windows/sort_bulk_mail.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/messages.h"
#include "postal/presort_file.h"
#include "widgets/job_runner.h"

namespace vellumo {

TSortBulkMail::TSortBulkMail(xbase::Table& table, QWidget* parent) : TSortBulkMail(table, PresortFilePath(), parent) {}

TSortBulkMail::TSortBulkMail(xbase::Table& table, QString file_path, QWidget* parent)
    : QDialog(parent),
      table_(table),
      file_path_(std::move(file_path)),
      runner_(new JobRunner(this, [this] { return Run(); })) {
  setWindowTitle(QStringLiteral("Bulk Mail Presorting"));
  status_ = new QLabel(this);
  QFont bold = status_->font();
  bold.setBold(true);
  status_->setFont(bold);
  status_->setAlignment(Qt::AlignCenter);
  status_->setMinimumWidth(260);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_, 1);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  runner_->ConfirmStop = &TSortBulkMail::AskCancelPresort;
  runner_->OnFinished = [this](const QString&) {
    if (completed()) {
      accept();
    } else {
      reject();
    }
  };
  runner_->StartOnFirstShow();
  connect(cancel_, &QPushButton::clicked, runner_, &JobRunner::RequestStop);
}

bool TSortBulkMail::AskCancelPresort() { return AskYesNo(QStringLiteral("Cancel PRESORT?"), QStringLiteral("Cancel")); }

QString TSortBulkMail::Run() {
  PresortHooks hooks;
  hooks.status = [this](const QString& text) { status_->setText(text); };
  hooks.keep_going = PacedKeepGoing([this] { return runner_->KeepGoing(); });
  run_ = RunPresort(table_, file_path_, hooks);
  if (run_.outcome == PresortOutcome::kFailed) ShowInformation(run_.error);
  return status_->text();
}

}  // namespace vellumo
