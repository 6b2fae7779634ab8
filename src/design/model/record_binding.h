// How the text objects see the page's record: its fields as the text
// library reads them (a field the record lacks is missing, so the address
// block stops there), the one field bound by a display label, and whether
// the page shows values or field names.
#pragma once

#include <QString>

#include "design/model/record_source.h"
#include "design/text/data_field.h"

namespace vellumo::design {

class TGBasePanel;

// REQUIRES: record outlives the result.
FieldText FieldsOf(const RecordSource& record);

// The record with the field whose display label is `descript` (if any).
// REQUIRES: record outlives the result.
BoundRecord BindByLabel(const RecordSource& record, const QString& descript);

// Memo texts of the record. REQUIRES: record outlives the result.
MemoReader MemosOf(const RecordSource& record);

// Values while the page prints or shows record values; names otherwise
// and for objects on no page.
ShowState ShowStateOf(const TGBasePanel* page);

}  // namespace vellumo::design
