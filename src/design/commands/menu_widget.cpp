// Building and running a Qt menu from a menu item list.
#include "design/commands/menu_widget.h"

#include <QAction>
#include <QVariantList>

namespace vellumo::design {
namespace {

void AddItems(QMenu& menu, const MenuItems& items) {
  for (const MenuItem& item : items) {
    if (item.IsSeparator()) {
      menu.addSeparator();
      continue;
    }
    if (!item.items.empty()) {
      QMenu* sub = menu.addMenu(item.caption);
      sub->setEnabled(item.enabled);
      AddItems(*sub, item.items);
      continue;
    }
    QAction* action = menu.addAction(item.caption);
    action->setEnabled(item.enabled);
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    action->setData(QVariantList{int(item.choice.command), item.choice.value});
  }
}

}  // namespace

std::unique_ptr<QMenu> BuildMenu(const MenuItems& items, QWidget* parent) {
  auto menu = std::make_unique<QMenu>(parent);
  AddItems(*menu, items);
  return menu;
}

std::optional<MenuChoice> ChoiceOf(const QAction* action) {
  if (!action) return std::nullopt;
  const QVariantList data = action->data().toList();
  if (data.size() != 2) return std::nullopt;
  return MenuChoice{MenuCommand(data[0].toInt()), data[1].toInt()};
}

std::optional<MenuChoice> ExecMenu(const MenuItems& items, QPoint global_pos, QWidget* parent) {
  const std::unique_ptr<QMenu> menu = BuildMenu(items, parent);
  return ChoiceOf(menu->exec(global_pos));
}

}  // namespace vellumo::design
