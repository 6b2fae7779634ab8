// DesignHistory: undo and redo for a design page. It needs nothing from
// the code that edits the page: it listens to the page's change
// notifications, and once a burst of them is over (one pass of the event
// loop later, or when the mouse button that is dragging is released) it
// takes a snapshot of the design and, when that differs from the last
// one, records one step holding both. Undoing or redoing a step puts the
// page's objects back as the snapshot holds them, with the selection as it
// was (by object names, where they still exist).
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;

namespace vellumo::design {

class TGBasePanel;

class DesignHistory : public QObject {
  Q_OBJECT

 public:
  // Steps kept before the oldest are dropped.
  static constexpr int kStepLimit = 200;

  // Chains itself into the page's LabelChangedEvent (the handler set
  // before keeps being called first) and takes the page as it is now as
  // the baseline. REQUIRES: page outlives the history; handlers set on the
  // page afterwards must keep calling the one they replace.
  explicit DesignHistory(TGBasePanel& page, QObject* parent = nullptr);
  // Gives the page back the handler it had before.
  ~DesignHistory() override;

  // The page as it is now becomes the baseline (after loading a design);
  // every step is dropped.
  void Reset();

  // Names the step now in the making, or the next one ("Move", "Paste");
  // a step without a name is "Change". A name no change follows is
  // dropped once the event loop has run.
  void SetNextText(const QString& text);
  // Runs `command` as one step named `text`: whatever it changes, also
  // inside dialogs it opens, is recorded once, when it has returned.
  void RunStep(const QString& text, const std::function<void()>& command);

  [[nodiscard]] bool CanUndo() const { return stack_.canUndo(); }
  [[nodiscard]] bool CanRedo() const { return stack_.canRedo(); }
  // The name of the step Undo or Redo would take back or do again.
  [[nodiscard]] QString UndoText() const { return stack_.undoText(); }
  [[nodiscard]] QString RedoText() const { return stack_.redoText(); }
  // A change still waiting to be recorded is recorded first.
  void Undo();
  void Redo();
  // Records a pending change now rather than from the event loop.
  void Flush();

  // "Undo" (Ctrl+Z) and "Redo" (Ctrl+Shift+Z, Ctrl+Y), enabled while
  // there is something to undo or redo, their texts naming the step.
  [[nodiscard]] QAction* UndoAction() const { return undo_action_; }
  [[nodiscard]] QAction* RedoAction() const { return redo_action_; }
  [[nodiscard]] const QUndoStack& Stack() const { return stack_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Step;
  using Snapshot = std::shared_ptr<const std::string>;

  void PageChanged();
  void NoteStart();
  void PostCheck();
  void Check();
  // Puts the page back as `snapshot` holds it, selecting `selection`.
  void Restore(const Snapshot& snapshot, const std::vector<std::string>& selection);
  [[nodiscard]] std::vector<std::string> SelectedNames() const;
  void UpdateActions();

  TGBasePanel& page_;
  std::function<void()> earlier_handler_;
  QUndoStack stack_;
  Snapshot last_;
  // The selection when the step in the making began.
  std::vector<std::string> start_selection_;
  bool step_started_ = false;
  bool check_posted_ = false;
  bool waiting_for_release_ = false;
  bool restoring_ = false;
  int holding_ = 0;
  QString next_text_;
  QAction* undo_action_;
  QAction* redo_action_;
};

}  // namespace vellumo::design
