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
  if (area > 0) Check(table_->SetOrder(area));
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
  // A seek that fails is told, and finds nothing.
  const bool found = Check(table_->Seek(ToTable(text.toUpper()))) && table_->Found();
  table_->SetSoftSeek(false);
  table_->SetExact(was_exact);
  if (!found && had_record) Check(table_->Go(remembered));
  return found;
}

uint32_t AddressBook::SetFilter(const FilterConditions& conditions) {
  conditions_ = conditions;
  ApplyFilter();
  if (table_) Check(table_->GoTop());
  return filter_set() ? VisibleRecordCount() : 0;
}

void AddressBook::ClearFilter() {
  conditions_.Clear();
  ApplyFilter();
  if (table_) Check(table_->GoTop());
}

void AddressBook::ApplyFilter() {
  filter_failure_.clear();
  if (table_) {
    uint32_t count = 0;
    const xbase::Status s = vellumo::ApplyFilter(*table_, conditions_, tag_id_, &count);
    if (!s.ok()) filter_failure_ = QString::fromStdString(s.message());
    if (!CurrentIsVisible()) Check(table_->GoTop());
  }
  // Built again: applying clears conditions that are refused or match
  // nothing. A failed filter keeps its conditions but is not in force.
  filter_expression_ = filter_failed() ? QString() : BuildQueryString(conditions_, tag_id_);
}

void AddressBook::DropFilterIfEmpty() {
  if (filter_set() && VisibleRecordCount() == 0) ApplyFilter();
}

bool AddressBook::CurrentIsVisible() const {
  if (!has_record()) return false;
  if (table_->deleted_hidden() && table_->Deleted()) return false;
  bool visible = true;
  return table_->filter().empty() || (Check(table_->EvalLogical(table_->filter(), &visible)) && visible);
}

uint32_t AddressBook::VisibleRecordCount() const {
  uint32_t count = 0;
  if (table_ && !Check(table_->QueryRecCount(&count))) return 0;
  return count;
}

QString AddressBook::FilterStatus() const {
  if (is_open() && filter_failed()) return FilterFailedText();
  return FilterStatusText(is_open(), filter_set(), VisibleRecordCount());
}

}  // namespace vellumo
