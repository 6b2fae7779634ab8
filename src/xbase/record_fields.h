// Field values read by name from a record's bytes: the one reading shared
// by the table's current record and by copied records (xbase::Record).
#pragma once

#include <string>
#include <string_view>

#include "xbase/field.h"

namespace xbase {

// REQUIRES: `record` holds schema.record_length() bytes. Unknown names
// give "" (false).
std::string FieldString(const Schema& schema, const char* record, std::string_view field);
std::string FieldTrimString(const Schema& schema, const char* record, std::string_view field);
bool FieldLogical(const Schema& schema, const char* record, std::string_view field);

}  // namespace xbase
