// Field definitions and the record layout of a table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

// Field type letters as stored in the DBF field descriptor.
namespace field_type {
inline constexpr char kCharacter = 'C';
inline constexpr char kNumeric = 'N';
inline constexpr char kFloat = 'F';
inline constexpr char kLogical = 'L';
inline constexpr char kDate = 'D';
inline constexpr char kMemo = 'M';
inline constexpr char kGeneral = 'G';
inline constexpr char kPicture = 'P';
inline constexpr char kInteger = 'I';      // 4-byte little-endian (Visual FoxPro)
inline constexpr char kCurrency = 'Y';     // 8-byte integer, 4 implied decimals
inline constexpr char kDateTime = 'T';     // 8 bytes: Julian day, milliseconds
inline constexpr char kDouble = 'B';       // 8-byte IEEE double (Visual FoxPro)
inline constexpr char kVarchar = 'V';
inline constexpr char kVarbinary = 'Q';
inline constexpr char kBlob = 'W';
}  // namespace field_type

struct FieldDef {
  std::string name;       // upper case, 1 to 10 characters
  char type = field_type::kCharacter;
  uint16_t length = 0;    // bytes in the record
  uint8_t decimals = 0;
  uint8_t flags = 0;      // Visual FoxPro field flags, 0 otherwise
  uint32_t offset = 0;    // byte offset within the record; the deletion flag is byte 0

  bool operator==(const FieldDef&) const = default;
};

// The fields of a table with their offsets, and lookup by name.
class Schema {
 public:
  Schema() = default;
  // Assigns offsets in order, starting after the deletion flag byte.
  explicit Schema(std::vector<FieldDef> fields);

  const std::vector<FieldDef>& fields() const { return fields_; }
  size_t size() const { return fields_.size(); }
  const FieldDef& field(size_t i) const { return fields_[i]; }
  // Index of the field called `name`, compared without regard to case; -1 if none.
  int FieldIndex(std::string_view name) const;
  // Deletion flag plus every field.
  uint32_t record_length() const { return record_length_; }
  bool has_memo_fields() const;

 private:
  std::vector<FieldDef> fields_;
  uint32_t record_length_ = 1;
};

}  // namespace xbase
