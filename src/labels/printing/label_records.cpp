// The record choice of a label run and the table state put back after it.
#include "labels/printing/label_records.h"

#include "xbase/table.h"

namespace vellumo {
namespace {

// Whether the current record is one the filter and the hiding of deleted
// records let through (Go reaches any record, shown or not).
xbase::Status IsShown(const xbase::Table& table, bool* shown) {
  *shown = false;
  if (table.Eof()) return xbase::Status::OK();
  if (table.deleted_hidden() && table.Deleted()) return xbase::Status::OK();
  if (table.filter().empty()) {
    *shown = true;
    return xbase::Status::OK();
  }
  return table.EvalLogical(table.filter(), shown);
}

}  // namespace

TableStateKeeper::TableStateKeeper(xbase::Table& table)
    : table_(table),
      filter_(table.filter()),
      order_(table.IndexOrd()),
      record_(table.RecNo()),
      exact_(table.exact()) {}

TableStateKeeper::~TableStateKeeper() {
  if (!restored_) (void)Restore();
}

xbase::Status TableStateKeeper::Restore() {
  restored_ = true;
  table_.SetExact(exact_);
  xbase::Status filter = table_.SetFilter(filter_);
  xbase::Status order = table_.SetOrder(order_);
  xbase::Status record = table_.Go(record_);
  // Each is put back even when another fails; the first failure is told.
  if (!filter.ok()) return filter;
  if (!order.ok()) return order;
  return record;
}

xbase::Status ChooseLabelRecords(xbase::Table& table, LabelRecordChoice choice, uint32_t current_record,
                                 bool start_from_current, ChosenRecords* result) {
  *result = ChosenRecords{};
  switch (choice) {
    case LabelRecordChoice::kAll:
      XBASE_RETURN_IF_ERROR(table.SetFilter("NOT ISDEL"));
      break;
    case LabelRecordChoice::kCurrentOnly:
      XBASE_RETURN_IF_ERROR(table.SetFilter("Recno()=" + std::to_string(current_record)));
      break;
    case LabelRecordChoice::kMatchingFilter:
      break;
  }
  if (start_from_current) {
    XBASE_RETURN_IF_ERROR(table.Go(current_record));
    bool shown = false;
    XBASE_RETURN_IF_ERROR(IsShown(table, &shown));
    if (shown) return xbase::Status::OK();
    result->out_of_range = true;
  }
  return table.GoTop();
}

}  // namespace vellumo
