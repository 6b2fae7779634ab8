// TSortBulkMail ("Bulk Mail Presorting"): the modal window in which a
// presort runs over the records the address table shows. The job starts
// as soon as the window is on screen; "Cancel" (also Escape) asks
// "Cancel PRESORT?" and on Yes stops after the current record. exec()
// returns Accepted only when the presort completed, and only then has a
// new presort file been written. A failure is told to the user here.
#pragma once

#include <QDialog>

#include "postal/presort_job.h"

class QLabel;
class QPushButton;

namespace xbase {
class Table;
}

namespace vellumo {

class JobRunner;

class TSortBulkMail : public QDialog {
  Q_OBJECT

 public:
  // Writes to PresortFilePath().
  explicit TSortBulkMail(xbase::Table& table, QWidget* parent = nullptr);
  TSortBulkMail(xbase::Table& table, QString file_path, QWidget* parent = nullptr);

  bool completed() const { return run_.outcome == PresortOutcome::kCompleted; }
  // The outcome, with the records the list leaves out.
  const PresortRun& run() const { return run_; }

  // The question "Cancel PRESORT?"; true on Yes.
  static bool AskCancelPresort();

  QLabel* status_line() const { return status_; }
  QPushButton* cancel_button() const { return cancel_; }

 private:
  QString Run();

  xbase::Table& table_;
  QString file_path_;
  PresortRun run_;
  JobRunner* runner_;
  QLabel* status_;
  QPushButton* cancel_;
};

}  // namespace vellumo
