// The current record of an open table as the text objects read it: field
// values by name (a field the table lacks gives nullopt, so the address
// block stops there) and memo texts.
#pragma once

#include "design/text/data_field.h"
#include "design/text/field_source.h"
#include "xbase/table.h"

namespace vellumo {

// REQUIRES: the table outlives the results; they read whatever record is
// current when called.
FieldText FieldsOfTable(const xbase::Table& table);
MemoReader MemoOfTable(const xbase::Table& table);

}  // namespace vellumo
