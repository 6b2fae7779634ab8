// The sort-order table.
#include "addressbook/sort_orders.h"

namespace vellumo {

namespace {
constexpr int kMaxSortNameLength = 30;
}

QString SortOrder::name() const { return SortNameOfCaption(QString::fromLatin1(menu_caption)); }

const std::vector<SortOrder>& SortOrders() {
  static const std::vector<SortOrder> orders{
      {"&Last Name", "LNAME"}, {"&First Name", "FNAME"}, {"&Title", "TITLE"},   {"&Organization", "ORG"},
      {"&Street", "STREET"},   {"&City", "CITY"},        {"&State", "STATE"},   {"&Zip", "ZIP"},
      {"&Country", "COUNTRY"}, {"&Phone", "PHONE"},      {"&E-mail", "EMAIL"},  {"&Fax", "FAX"},
      {"&Date", "DATE"},       {"&Codes", "CODES"},
  };
  return orders;
}

int SortOrderIndex(const QString& name) {
  const auto& orders = SortOrders();
  for (size_t i = 0; i < orders.size(); ++i) {
    if (orders[i].name().compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  }
  return -1;
}

QString SortNameOfCaption(const QString& caption) { return caption.mid(1, kMaxSortNameLength); }

QString SortStatusText(const QString& name) { return QStringLiteral("Sorted by ") + name; }

}  // namespace vellumo
