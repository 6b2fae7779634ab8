// The design tool bar: an exclusive group of tool actions and free
// toggle actions, all with painted icons and their hints as tool tips.
#include "design/toolbar/design_tool_bar.h"

#include <QAction>
#include <QActionGroup>

namespace vellumo::design {
namespace {

constexpr int kIconSide = 24;

QAction* NewButton(QToolBar* bar, const QString& hint, DesignIcon icon) {
  QAction* action = bar->addAction(DesignToolIcon(icon), hint);
  action->setToolTip(hint);
  action->setStatusTip(hint);
  action->setCheckable(true);
  return action;
}

}  // namespace

TDesignToolBar::TDesignToolBar(QWidget* parent) : QToolBar(parent), tools_(new QActionGroup(this)) {
  setIconSize(QSize(kIconSide, kIconSide));
  setMovable(false);
  setFloatable(false);
  tools_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

QAction* TDesignToolBar::AddTool(int id, const QString& hint, DesignIcon icon) {
  QAction* action = NewButton(this, hint, icon);
  action->setData(id);
  tools_->addAction(action);
  if (by_id_.empty()) action->setChecked(true);
  by_id_[id] = action;
  // triggered comes from the user only, never from setChecked.
  connect(action, &QAction::triggered, this, [this, id] {
    if (ToolPicked) ToolPicked(id);
  });
  return action;
}

QAction* TDesignToolBar::AddToggle(const QString& hint, DesignIcon icon, bool down) {
  QAction* action = NewButton(this, hint, icon);
  action->setChecked(down);
  return action;
}

void TDesignToolBar::SetCurrent(int id) {
  if (QAction* action = ToolAction(id)) action->setChecked(true);
}

int TDesignToolBar::Current() const {
  const QAction* checked = tools_->checkedAction();
  return checked ? checked->data().toInt() : -1;
}

QAction* TDesignToolBar::ToolAction(int id) const {
  const auto found = by_id_.find(id);
  return found == by_id_.end() ? nullptr : found->second;
}

}  // namespace vellumo::design
