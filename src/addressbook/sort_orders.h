// The fourteen sort orders of the "&Sort" menu: the menu caption, the sort
// name shown in the status line and the search dialog, and the index tag.
#pragma once

#include <QString>
#include <vector>

namespace vellumo {

struct SortOrder {
  const char* menu_caption;  // "&Last Name"
  const char* tag;           // "LNAME"
  // The caption without its leading "&": "Last Name".
  QString name() const;
};

// In menu order.
const std::vector<SortOrder>& SortOrders();
// The order whose name equals `name` without regard to case; -1 when none.
int SortOrderIndex(const QString& name);
// The sort name of a menu caption: its text from the second character, at
// most 30 characters.
QString SortNameOfCaption(const QString& caption);
// "Sorted by " + the name as given.
QString SortStatusText(const QString& name);

}  // namespace vellumo
