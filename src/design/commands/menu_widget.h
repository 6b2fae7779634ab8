// Menu item lists as Qt menus: each item an action (checkable where it has
// a check mark, disabled where it cannot be chosen), each sub-menu a menu.
#pragma once

#include <QMenu>
#include <QPoint>
#include <memory>
#include <optional>

#include "design/commands/menu_items.h"

namespace vellumo::design {

[[nodiscard]] std::unique_ptr<QMenu> BuildMenu(const MenuItems& items, QWidget* parent);
// The choice an action of such a menu stands for; none for other actions.
[[nodiscard]] std::optional<MenuChoice> ChoiceOf(const QAction* action);
// Shows the items at a screen position until one is chosen or the menu
// is closed (none then).
[[nodiscard]] std::optional<MenuChoice> ExecMenu(const MenuItems& items, QPoint global_pos, QWidget* parent);

}  // namespace vellumo::design
