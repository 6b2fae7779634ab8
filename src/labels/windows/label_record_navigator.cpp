// Moving through an address table for the label preview.
#include "label_record_navigator.h"

#include "design/model/record_source.h"

namespace vellumo {

xbase::Status TableRecordNavigator::First() { return table_.GoTop(); }

xbase::Status TableRecordNavigator::Prior() { return table_.Skip(-1); }

xbase::Status TableRecordNavigator::Next() {
  xbase::Status status = table_.Skip(1);
  // Past the last record there is nothing to show: stay on the last.
  if (status.ok() && table_.Eof()) status = table_.GoBottom();
  return status;
}

xbase::Status TableRecordNavigator::Last() { return table_.GoBottom(); }

std::vector<xbase::FieldDef> TableRecordNavigator::Fields() const { return design::FieldsOfferedBy(table_); }

}  // namespace vellumo
