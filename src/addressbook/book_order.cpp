// Sort order, search by key and the filter of the open database.
#include "addressbook/address_book.h"

#include "addressbook/sort_orders.h"
#include "core/text_codec.h"

namespace vellumo {

void AddressBook::SetCurrentOrder(const QString& tag) {
  order_tag_ = tag;
  if (tag.isEmpty() || !table_) return;
  // A missing tag leaves the order as it was.
  int area = table_->TagArea(tag.toStdString());
  if (area > 0) (void)table_->SetOrder(area);
}

void AddressBook::SetOrderTo(const QString& sort_name) {
  checked_sort_item_ = SortOrderIndex(sort_name);
  if (checked_sort_item_ >= 0) SetCurrentOrder(QLatin1String(SortOrders()[checked_sort_item_].tag));
  sort_status_ = SortStatusText(sort_name);
}

bool AddressBook::Search(const QString& sort_name, const QString& text) {
  if (text.isEmpty() || !table_ || editing()) return false;
  SetOrderTo(sort_name);
  const bool had_record = has_record();
  const uint32_t remembered = table_->RecNo();
  const bool was_exact = table_->exact();
  table_->SetExact(false);
  table_->SetSoftSeek(true);
  // Seek errors count as not found.
  const bool found = table_->Seek(ToTable(text.toUpper())).ok() && table_->Found();
  table_->SetSoftSeek(false);
  table_->SetExact(was_exact);
  if (!found && had_record) (void)table_->Go(remembered);
  return found;
}

uint32_t AddressBook::SetFilter(const FilterConditions& conditions) {
  conditions_ = conditions;
  ApplyFilter();
  if (table_) (void)table_->GoTop();
  return filter_set() ? VisibleRecordCount() : 0;
}

void AddressBook::ClearFilter() {
  conditions_.Clear();
  ApplyFilter();
  if (table_) (void)table_->GoTop();
}

void AddressBook::ApplyFilter() {
  if (table_) {
    vellumo::ApplyFilter(*table_, conditions_, tag_id_);
    if (!CurrentIsVisible()) (void)table_->GoTop();
  }
  // Built again: applying clears conditions that are refused or match nothing.
  filter_expression_ = BuildQueryString(conditions_, tag_id_);
}

void AddressBook::DropFilterIfEmpty() {
  if (filter_set() && VisibleRecordCount() == 0) ApplyFilter();
}

bool AddressBook::CurrentIsVisible() const {
  if (!has_record()) return false;
  if (table_->deleted_hidden() && table_->Deleted()) return false;
  bool visible = true;
  return table_->filter().empty() || (table_->EvalLogical(table_->filter(), &visible).ok() && visible);
}

uint32_t AddressBook::VisibleRecordCount() const {
  uint32_t count = 0;
  if (table_ && !table_->QueryRecCount(&count).ok()) return 0;
  return count;
}

QString AddressBook::FilterStatus() const { return FilterStatusText(is_open(), filter_set(), VisibleRecordCount()); }

}  // namespace vellumo
