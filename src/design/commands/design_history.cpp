// The undo history of a design page: snapshots taken after each burst of
// changes, and steps that put one back.
#include "design/commands/design_history.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QTimer>
#include <QUndoCommand>

#include "design/model/base_panel.h"

namespace vellumo::design {
namespace {

const QString kUnnamedStep = QStringLiteral("Change");

// "Undo", or "Undo Move" when the step has a name.
QString ActionText(const QString& verb, const QString& step) {
  return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
}

}  // namespace

// One recorded change: the design and the selection before and after it.
class DesignHistory::Step : public QUndoCommand {
 public:
  Step(DesignHistory& history, const QString& text, Snapshot before, std::vector<std::string> before_selection,
       Snapshot after, std::vector<std::string> after_selection)
      : QUndoCommand(text),
        history_(history),
        before_(std::move(before)),
        after_(std::move(after)),
        before_selection_(std::move(before_selection)),
        after_selection_(std::move(after_selection)) {}

  void undo() override { history_.Restore(before_, before_selection_); }
  // The stack redoes a step when it is pushed; the page already is so.
  void redo() override {
    if (pushed_) history_.Restore(after_, after_selection_);
    pushed_ = true;
  }

 private:
  DesignHistory& history_;
  Snapshot before_;
  Snapshot after_;
  std::vector<std::string> before_selection_;
  std::vector<std::string> after_selection_;
  bool pushed_ = false;
};

DesignHistory::DesignHistory(TGBasePanel& page, QObject* parent)
    : QObject(parent), page_(page), earlier_handler_(page.LabelChangedEvent) {
  stack_.setUndoLimit(kStepLimit);
  undo_action_ = new QAction(QStringLiteral("Undo"), this);
  undo_action_->setShortcut(QKeySequence::Undo);
  redo_action_ = new QAction(QStringLiteral("Redo"), this);
  redo_action_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(undo_action_, &QAction::triggered, this, &DesignHistory::Undo);
  connect(redo_action_, &QAction::triggered, this, &DesignHistory::Redo);
  connect(&stack_, &QUndoStack::indexChanged, this, &DesignHistory::UpdateActions);
  connect(&stack_, &QUndoStack::canUndoChanged, this, &DesignHistory::UpdateActions);
  connect(&stack_, &QUndoStack::canRedoChanged, this, &DesignHistory::UpdateActions);
  page_.LabelChangedEvent = [this] {
    if (earlier_handler_) earlier_handler_();
    PageChanged();
  };
  Reset();
}

DesignHistory::~DesignHistory() {
  if (waiting_for_release_) QCoreApplication::instance()->removeEventFilter(this);
  page_.LabelChangedEvent = earlier_handler_;
}

void DesignHistory::Reset() {
  stack_.clear();
  Result<std::string> now = page_.DesignSnapshot();
  last_ = std::make_shared<const std::string>(now.ok() ? std::move(now).value() : std::string());
  step_started_ = false;
  next_text_.clear();
  UpdateActions();
}

void DesignHistory::SetNextText(const QString& text) {
  next_text_ = text;
  NoteStart();
  PostCheck();
}

void DesignHistory::RunStep(const QString& text, const std::function<void()>& command) {
  // A change made before belongs to a step of its own.
  Flush();
  NoteStart();
  ++holding_;
  command();
  --holding_;
  next_text_ = text;
  PostCheck();
}

void DesignHistory::Undo() {
  Flush();
  stack_.undo();
}

void DesignHistory::Redo() {
  Flush();
  stack_.redo();
}

void DesignHistory::PageChanged() {
  if (restoring_) return;
  NoteStart();
  PostCheck();
}

void DesignHistory::NoteStart() {
  if (step_started_) return;
  start_selection_ = SelectedNames();
  step_started_ = true;
}

void DesignHistory::PostCheck() {
  if (check_posted_) return;
  check_posted_ = true;
  QTimer::singleShot(0, this, [this] {
    check_posted_ = false;
    Check();
  });
}

void DesignHistory::Check() {
  // RunStep checks once its command has returned.
  if (holding_ > 0) return;
  // A drag is one step: it ends when the button is released.
  if (QGuiApplication::mouseButtons() != Qt::NoButton) {
    if (!waiting_for_release_) QCoreApplication::instance()->installEventFilter(this);
    waiting_for_release_ = true;
    return;
  }
  Flush();
}

bool DesignHistory::eventFilter(QObject*, QEvent*) {
  if (waiting_for_release_ && QGuiApplication::mouseButtons() == Qt::NoButton) {
    waiting_for_release_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    PostCheck();
  }
  return false;
}

void DesignHistory::Flush() {
  const QString text = next_text_.isEmpty() ? kUnnamedStep : next_text_;
  next_text_.clear();
  std::vector<std::string> before_selection = step_started_ ? std::move(start_selection_) : SelectedNames();
  step_started_ = false;
  Result<std::string> now = page_.DesignSnapshot();
  // A design the stream cannot hold cannot be put back either; such a
  // change is not recorded (saving it fails and says why).
  if (!now.ok() || *now == *last_) return;
  auto after = std::make_shared<const std::string>(std::move(now).value());
  stack_.push(new Step(*this, text, last_, std::move(before_selection), after, SelectedNames()));
  last_ = std::move(after);
}

void DesignHistory::Restore(const Snapshot& snapshot, const std::vector<std::string>& selection) {
  restoring_ = true;
  if (page_.RestoreSnapshot(*snapshot).ok()) {
    last_ = snapshot;
  } else {
    // Only a design whose classes are no longer known cannot be read back;
    // the page stays as it is, and so does what later steps compare with.
    Result<std::string> now = page_.DesignSnapshot();
    if (now.ok()) last_ = std::make_shared<const std::string>(std::move(now).value());
  }
  for (const std::string& name : selection) {
    if (TGGraphicControl* object = page_.FindObject(name)) page_.AddToSelection(object);
  }
  step_started_ = false;
  next_text_.clear();
  page_.NotifyChanged();
  restoring_ = false;
}

std::vector<std::string> DesignHistory::SelectedNames() const {
  std::vector<std::string> names;
  for (const TGGraphicControl* object : page_.Selection()) names.push_back(object->Name());
  return names;
}

void DesignHistory::UpdateActions() {
  undo_action_->setEnabled(stack_.canUndo());
  undo_action_->setText(ActionText(QStringLiteral("Undo"), stack_.undoText()));
  redo_action_->setEnabled(stack_.canRedo());
  redo_action_->setText(ActionText(QStringLiteral("Redo"), stack_.redoText()));
}

}  // namespace vellumo::design
