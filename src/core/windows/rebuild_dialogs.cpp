// The rebuild windows over the core's rebuild steps.
#include "core/windows/rebuild_dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/address_database.h"
#include "core/system_tables.h"
#include "core/windows/help.h"
#include "widgets/job_runner.h"
#include "xbase/table.h"

namespace vellumo {

RebuildDialog::RebuildDialog(const QString& caption, int help_context, QWidget* parent)
    : QDialog(parent), runner_(new JobRunner(this, [this] { return RebuildBusy(); })) {
  setWindowTitle(caption);
  gauge_ = new QProgressBar(this);
  gauge_->setRange(0, 100);
  gauge_->hide();
  status_ = new QLabel(this);
  status_->setMinimumWidth(320);
  reindex_ = new QPushButton(QStringLiteral("Reindex"), this);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  help_ = new QPushButton(QStringLiteral("Help"), this);
  reindex_->setDefault(true);
  connect(reindex_, &QPushButton::clicked, this, &RebuildDialog::ReindexButtonClick);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(help_, &QPushButton::clicked, this, [this, help_context] { ShowHelpTopic(help_context, this); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(reindex_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(gauge_);
  layout->addWidget(status_);
  layout->addLayout(buttons);
}

void RebuildDialog::SetStatus(const QString& text) {
  status_->setText(text);
  runner_->KeepGoing();
}

void RebuildDialog::SetGauge(int percent) {
  gauge_->setValue(percent);
  runner_->KeepGoing();
}

// The window closes when the rebuild is done (the runner has no outcome
// to show).
void RebuildDialog::ReindexButtonClick() { runner_->Run(); }

QString RebuildDialog::RebuildBusy() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  gauge_->show();
  reindex_->setEnabled(false);
  cancel_->hide();
  help_->hide();
  SetStatus(QString());
  Rebuild();
  gauge_->hide();
  gauge_->setValue(0);
  reindex_->setEnabled(true);
  cancel_->show();
  help_->show();
  QApplication::restoreOverrideCursor();
  return {};
}

TVelReindex::TVelReindex(xbase::Table& table, QWidget* parent)
    : RebuildDialog(QStringLiteral("Rebuild indexes for ") +
                        QFileInfo(QString::fromStdString(table.path())).fileName(),
                    kHelpContext, parent),
      table_(table) {}

void TVelReindex::Rebuild() {
  succeeded_ = RebuildAddressDatabase(
      table_, [this](const QString& text) { SetStatus(text); }, [this](int g) { SetGauge(g); });
}

TSystemReindex::TSystemReindex(QWidget* parent)
    : RebuildDialog(QStringLiteral("Rebuild System Indexes"), kHelpContext, parent) {}

void TSystemReindex::Rebuild() {
  for (const SystemRebuildStep& step : SystemRebuildSteps()) {
    SetStatus(QLatin1String(step.status));
    RebuildSystemTable(step.table, [this](xbase::ProgressPhase, int percent) { SetGauge(percent); });
  }
  SetGauge(0);
}

}  // namespace vellumo
