// The modal window every print or preview job runs in: it starts the job
// when first shown, shows the job's progress, lets "Cancel" (printing) or
// "Stop" (preview) act between items, then shows the outcome with "Ok".
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace vellumo {

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

  bool stop_requested() const { return outcome_.stopped; }
  const Outcome& outcome() const { return outcome_; }
  QLabel* status() const { return status_; }
  QPushButton* button() const { return button_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void ButtonClick();
  void Run();

  TBaseReport& report_;
  bool previewing_;
  std::function<bool()> confirm_cancel_;
  std::function<QString(const Outcome&)> outcome_text_;
  bool started_ = false;
  bool running_ = false;
  Outcome outcome_;
  QLabel* status_;
  QPushButton* button_;
};

}  // namespace vellumo
