// JobRunner drives a long job (printing, tagging, searching, rebuilding)
// in its modal status window: it starts the job when the window is first
// shown (or when asked), lets pending events through between items so
// that the window's Cancel or Stop can act, asks an optional question
// before stopping, and hands the outcome to the window when the job ends.
// While the job runs, Escape and the close box act as Cancel.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QDialog;

namespace vellumo {

class JobRunner : public QObject {
  Q_OBJECT

 public:
  // Runs the whole job, calling KeepGoing between items; returns the
  // outcome text.
  using Job = std::function<QString()>;

  JobRunner(QDialog* window, Job job);

  // Asked when the user stops the job; the job stops only on true. Null:
  // the job stops at once.
  std::function<bool()> ConfirmStop;
  // Called when a stop is granted, besides marking it (for example to
  // abort a print job at once).
  std::function<void()> OnStop;
  // Shows the outcome once the job has ended. Null: the window closes
  // (accepted) instead.
  std::function<void(const QString& outcome)> OnFinished;

  // The job starts as soon as the window is on screen for the first time.
  void StartOnFirstShow();
  // Runs the job now (nothing when it is running already).
  void Run();
  // Between items: lets pending events through; false once the user has
  // stopped the job.
  bool KeepGoing();
  // What the window's Cancel or Stop does: while the job runs and no stop
  // was granted yet, asks ConfirmStop and on yes stops the job.
  void RequestStop();

  bool running() const { return running_; }
  bool stop_requested() const { return stop_requested_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QDialog* window_;
  Job job_;
  bool start_on_show_ = false;
  bool started_ = false;
  bool running_ = false;
  bool stop_requested_ = false;
};

}  // namespace vellumo
