// A copy of one record of a table, read by number without moving the
// table's current record (Table::Read), with its fields read by name as
// the current record's are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "xbase/field.h"

namespace xbase {

class Record {
 public:
  Record() = default;

  uint32_t recno() const { return recno_; }
  // The record carries the deletion mark.
  bool deleted() const { return !bytes_.empty() && bytes_[0] == '*'; }
  // As Table::GetString and friends: unknown names give "" (false). A
  // default-constructed Record, or one whose read failed, has no fields.
  std::string GetString(std::string_view field) const;
  std::string GetTrimString(std::string_view field) const;
  bool GetLogical(std::string_view field) const;
  // The raw record bytes, deletion flag first.
  std::string_view bytes() const { return bytes_; }

 private:
  friend class Table;
  bool has_fields() const;
  // REQUIRES: the table the record was read from stays open while its
  // fields are read (the schema is the table's).
  const Schema* schema_ = nullptr;
  std::string bytes_;
  uint32_t recno_ = 0;
};

}  // namespace xbase
