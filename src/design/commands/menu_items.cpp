// Building menu item lists.
#include "design/commands/menu_items.h"

namespace vellumo::design {
namespace {

// The item or sub-item that stands for `choice`, or null.
const MenuItem* ItemOf(const MenuItem& item, const MenuChoice& choice) {
  if (item.items.empty()) return !item.IsSeparator() && item.choice == choice ? &item : nullptr;
  for (const MenuItem& sub : item.items) {
    if (const MenuItem* found = ItemOf(sub, choice)) return found;
  }
  return nullptr;
}

}  // namespace

MenuItem Separator() {
  MenuItem item;
  item.caption = QStringLiteral("-");
  return item;
}

MenuItem Item(const QString& caption, MenuCommand command, int value) {
  MenuItem item;
  item.caption = caption;
  item.choice = MenuChoice{command, value};
  return item;
}

MenuItem CheckItem(const QString& caption, MenuCommand command, bool checked, int value) {
  MenuItem item = Item(caption, command, value);
  item.checkable = true;
  item.checked = checked;
  return item;
}

MenuItem SubMenu(const QString& caption, MenuItems items) {
  MenuItem item;
  item.caption = caption;
  item.items = std::move(items);
  return item;
}

bool Offers(const MenuItems& items, const MenuChoice& choice) {
  for (const MenuItem& item : items) {
    if (const MenuItem* found = ItemOf(item, choice)) return item.enabled && found->enabled;
  }
  return false;
}

QString StepName(const MenuItems& items, const MenuChoice& choice) {
  for (const MenuItem& item : items) {
    if (ItemOf(item, choice)) return item.caption;
  }
  return {};
}

}  // namespace vellumo::design
