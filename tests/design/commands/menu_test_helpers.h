// Reading menu item lists in tests: captions, items found by caption
// (also inside sub-menus), and the items that can be chosen.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "design/commands/menu_items.h"

namespace vellumo::design::testing {

inline QStringList Captions(const MenuItems& items) {
  QStringList captions;
  for (const MenuItem& item : items) captions << item.caption;
  return captions;
}

// The first item with the caption, looking into sub-menus; fails the test when there is none.
inline const MenuItem& ItemCaptioned(const MenuItems& items, const QString& caption) {
  static const MenuItem none;
  for (const MenuItem& item : items) {
    if (item.caption == caption) return item;
  }
  for (const MenuItem& item : items) {
    for (const MenuItem& sub : item.items) {
      if (sub.caption == caption) return sub;
    }
  }
  ADD_FAILURE() << "no item " << caption.toStdString();
  return none;
}

inline bool HasItem(const MenuItems& items, const QString& caption) { return Captions(items).contains(caption); }

// The captions of the items that can be chosen.
inline QStringList Enabled(const MenuItems& items) {
  QStringList captions;
  for (const MenuItem& item : items) {
    if (!item.IsSeparator() && item.enabled) captions << item.caption;
  }
  return captions;
}

// The captions of the checked items of a sub-menu.
inline QStringList CheckedIn(const MenuItem& menu) {
  QStringList captions;
  for (const MenuItem& item : menu.items) {
    if (item.checked) captions << item.caption;
  }
  return captions;
}

}  // namespace vellumo::design::testing
