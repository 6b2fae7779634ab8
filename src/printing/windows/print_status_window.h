// The modal window every print or preview job runs in, driven by the job
// runner: it starts the job when first shown, shows the job's progress,
// lets "Cancel" (printing) or "Stop" (preview) act between items, then
// shows the outcome with "Ok". A job that failed has its reason shown to
// the user here.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace vellumo {

class JobRunner;
class TBaseReport;

class PrintStatusWindow : public QDialog {
  Q_OBJECT

 public:
  struct Outcome {
    bool aborted = false;
    bool stopped = false;
  };
  // `report` runs the job; `previewing` makes the button "Stop" (a stop
  // request the job tests) instead of "Cancel" (which aborts, after
  // `confirm_cancel` agrees when given). `outcome_text` gives the text
  // shown at the end.
  PrintStatusWindow(const QString& caption, TBaseReport& report, bool previewing, std::function<bool()> confirm_cancel,
                    std::function<QString(const Outcome&)> outcome_text, QWidget* parent = nullptr);

  // Called after each progress text is shown (at every new page).
  std::function<void()> OnProgress;
  // Whether the window closes by itself once the job has ended (instead
  // of waiting for "Ok"); null: it waits.
  std::function<bool(const Outcome&)> CloseAtEnd;

  bool stop_requested() const;
  // For the job between its items: lets pending events through; false
  // once the user has stopped or cancelled the job.
  bool KeepGoing();
  const Outcome& outcome() const { return outcome_; }
  QLabel* status() const { return status_; }
  TBaseReport& report() const { return report_; }
  QPushButton* button() const { return button_; }

 private:
  void ButtonClick();
  QString Run();
  void ShowOutcome(const QString& outcome);

  TBaseReport& report_;
  bool previewing_;
  std::function<QString(const Outcome&)> outcome_text_;
  Outcome outcome_;
  QLabel* status_;
  QPushButton* button_;
  JobRunner* runner_;
};

}  // namespace vellumo
