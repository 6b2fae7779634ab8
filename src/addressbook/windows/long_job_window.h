// A small modal window for a loop over records that the user may stop,
// run by the job runner: the job starts when the window is first shown,
// "Cancel" works between records, and the outcome shows with "Ok".
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace vellumo {

class JobRunner;

class LongJobWindow : public QDialog {
  Q_OBJECT

 public:
  QLabel* activity() const { return activity_; }
  QLabel* count() const { return count_; }
  QPushButton* cancel_button() const { return cancel_; }
  QPushButton* ok_button() const { return ok_; }
  bool cancelled() const;

 protected:
  // `confirm_cancel` decides whether a press of "Cancel" stops the job
  // (null: always). With `closes_itself`, the window closes when the job
  // ends; otherwise "Ok" replaces "Cancel".
  LongJobWindow(const QString& caption, std::function<bool()> confirm_cancel, bool closes_itself,
                QWidget* parent);
  // Runs the job; returns the outcome text.
  virtual QString Run() = 0;
  // To be called after each record: lets events through; false once the
  // user has stopped the job.
  bool KeepGoing();

 private:
  void ShowOutcome(const QString& outcome);

  JobRunner* runner_;
  QLabel* activity_;
  QLabel* count_;
  QPushButton* cancel_;
  QPushButton* ok_;
};

}  // namespace vellumo
