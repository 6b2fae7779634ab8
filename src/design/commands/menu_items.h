// The items of a pop-up menu as plain data: caption, what choosing the
// item does, whether it can be chosen, its check mark and its sub-items.
// The page and object menus are lists of these, built when the menu
// opens, so that what a menu offers can be tested without showing it.
#pragma once

#include <QString>
#include <vector>

namespace vellumo::design {

enum class MenuCommand {
  kNone,  // separators and sub-menu headings
  // Page and object menus alike.
  kBringToFront, kSendToBack, kCut, kCopy, kDelete, kCenterVertically, kCenterHorizontally, kFont,
  // Page menu.
  kPaste, kAlignLeft, kAlignRight, kAlignTops, kAlignBottoms, kLockAll, kUnlockAll, kMarkAllSelectable,
  kMarkAllUnselectable, kSelectAll, kUndo, kRedo,
  // Every object's menu.
  kClone, kLocked, kUnselectable,
  // Text objects.
  k3DEffects, kAlignment, kBackgroundColor, kTransparent, kText, kRotation, kWordWrap, kField, kMemoField,
  kAddressLayout, kCounterSettings, kSymbolSelector, kDateFormat, kTimeFormat,
  // Shapes, lines and pictures.
  kLineColor, kLineThickness, kRounding, kLineStyle, kStretchToEdges, kLoadImage, kStretchToFit, kAutoSize,
  // Barcodes.
  kFimType, kBarcodeIdentifiers,
};

// What the user chose: the command and, for items that pick one of
// several values (an angle, a thickness, an alignment), the value.
struct MenuChoice {
  MenuCommand command = MenuCommand::kNone;
  int value = 0;

  bool operator==(const MenuChoice&) const = default;
};

struct MenuItem {
  QString caption;  // "-" for a separator
  MenuChoice choice;
  bool enabled = true;
  bool checkable = false;
  bool checked = false;
  std::vector<MenuItem> items;  // a sub-menu's items

  [[nodiscard]] bool IsSeparator() const { return caption == QLatin1String("-"); }
};

using MenuItems = std::vector<MenuItem>;

[[nodiscard]] MenuItem Separator();
[[nodiscard]] MenuItem Item(const QString& caption, MenuCommand command, int value = 0);
// An item with a check mark, shown when `checked`.
[[nodiscard]] MenuItem CheckItem(const QString& caption, MenuCommand command, bool checked, int value = 0);
[[nodiscard]] MenuItem SubMenu(const QString& caption, MenuItems items);

// Whether the items hold `choice` as an item that can be chosen.
[[nodiscard]] bool Offers(const MenuItems& items, const MenuChoice& choice);

// The caption of the top-level item that holds `choice` (the item itself
// or the sub-menu it lies in): the name of the step it makes.
[[nodiscard]] QString StepName(const MenuItems& items, const MenuChoice& choice);

}  // namespace vellumo::design
