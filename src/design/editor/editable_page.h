// TEditablePage: what makes a design page editable in a design window:
// the page editor for the mouse and keys, the undo history, and the page
// and object pop-up menus that the editor's right-clicks and double-clicks
// open. The label, envelope and report design windows each hold one.
#pragma once

#include <QObject>
#include <vector>

#include "design/commands/command_context.h"
#include "design/commands/design_history.h"
#include "design/editor/page_editor.h"

namespace vellumo::design {

class TEditablePage : public QObject {
 public:
  // The history chains into the page's LabelChangedEvent: set the window's
  // own handler first. A page whose drawings another function makes sets
  // the editor's CreateObject before, so that each drawing is one step. Menus, their dialogs and failure messages open over
  // `window`. REQUIRES: the view's page outlives this; window is not null.
  TEditablePage(TPageView* view, QWidget* window);

  [[nodiscard]] TPageEditor& Editor() { return *editor_; }
  [[nodiscard]] DesignHistory& History() { return history_; }
  // The fields the menus' field choosers offer: those of the bound table.
  void SetTableFields(std::vector<xbase::FieldDef> fields) { context_.table_fields = std::move(fields); }
  // What the menus are given; tests put their own choosers in.
  [[nodiscard]] CommandContext& Context() { return context_; }

 private:
  TPageView* view_;
  TPageEditor* editor_;
  DesignHistory history_;
  CommandContext context_;
};

}  // namespace vellumo::design
