// TDesignToolBar: the drawing tools of a design window, exactly one of
// them down at a time, followed by toggle buttons. The user picking a tool
// is reported through ToolPicked; SetCurrent puts a tool down from code
// without reporting it. Each window lists its own tools (labels, envelopes
// and report bands share most of them).
#pragma once

#include <QToolBar>
#include <functional>
#include <map>

#include "design/toolbar/tool_icons.h"

class QAction;
class QActionGroup;

namespace vellumo::design {

class TDesignToolBar : public QToolBar {
 public:
  explicit TDesignToolBar(QWidget* parent = nullptr);

  // Adds a tool button; the first tool added is down at first. `id` is
  // the window's own number for the tool (its page state).
  QAction* AddTool(int id, const QString& hint, DesignIcon icon);
  // Adds a toggle button (not one of the tools); the caller connects to
  // its toggled signal.
  QAction* AddToggle(const QString& hint, DesignIcon icon, bool down = false);

  // Puts the tool down; an unknown id changes nothing.
  void SetCurrent(int id);
  // The tool that is down, -1 when none is.
  [[nodiscard]] int Current() const;
  // The tool's button action, or null.
  [[nodiscard]] QAction* ToolAction(int id) const;

  // Called with the tool's id when the user puts a tool down.
  std::function<void(int)> ToolPicked;

 private:
  QActionGroup* tools_;
  std::map<int, QAction*> by_id_;
};

}  // namespace vellumo::design
