// Field values by name from a record's bytes, for Table and Record.
#include "record_fields.h"

#include "dbf_file.h"
#include "xbase/record.h"

namespace xbase {
namespace {

const FieldDef* Find(const Schema& schema, std::string_view name) {
  const int i = schema.FieldIndex(name);
  return i < 0 ? nullptr : &schema.field(static_cast<size_t>(i));
}

}  // namespace

std::string FieldString(const Schema& schema, const char* record, std::string_view field) {
  const FieldDef* f = Find(schema, field);
  if (f == nullptr) return "";
  switch (f->type) {
    case field_type::kCharacter:
    case field_type::kNumeric:
    case field_type::kFloat:
    case field_type::kDate:
    case field_type::kLogical:
      return std::string(DbfFile::RawField(*f, record));
    default:
      return DbfFile::FieldAsText(*f, record);
  }
}

std::string FieldTrimString(const Schema& schema, const char* record, std::string_view field) {
  std::string s = FieldString(schema, record, field);
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

bool FieldLogical(const Schema& schema, const char* record, std::string_view field) {
  const FieldDef* f = Find(schema, field);
  if (f == nullptr || f->type != field_type::kLogical) return false;
  const char c = record[f->offset];
  return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

bool Record::has_fields() const { return schema_ != nullptr && bytes_.size() >= schema_->record_length(); }

std::string Record::GetString(std::string_view field) const {
  return has_fields() ? FieldString(*schema_, bytes_.data(), field) : "";
}

std::string Record::GetTrimString(std::string_view field) const {
  return has_fields() ? FieldTrimString(*schema_, bytes_.data(), field) : "";
}

bool Record::GetLogical(std::string_view field) const {
  return has_fields() && FieldLogical(*schema_, bytes_.data(), field);
}

}  // namespace xbase
