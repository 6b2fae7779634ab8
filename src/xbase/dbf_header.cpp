// Encoding of the DBF table header and field descriptors.
#include "dbf_header.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "coding.h"

namespace xbase {

void DbfHeader::SetDateToToday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  year = static_cast<uint8_t>(local.tm_year);
  month = static_cast<uint8_t>(local.tm_mon + 1);
  day = static_cast<uint8_t>(local.tm_mday);
}

void DbfHeader::EncodeTo(char* dst) const {
  std::memset(dst, 0, kDbfHeaderSize);
  dst[kVersionOffset] = static_cast<char>(version);
  dst[kDateOffset] = static_cast<char>(year);
  dst[kDateOffset + 1] = static_cast<char>(month);
  dst[kDateOffset + 2] = static_cast<char>(day);
  EncodeLE32(dst + kRecordCountOffset, record_count);
  EncodeLE16(dst + kHeaderLengthOffset, header_length);
  EncodeLE16(dst + kRecordLengthOffset, record_length);
  dst[kTableFlagsOffset] = static_cast<char>(table_flags);
  dst[kCodePageOffset] = static_cast<char>(code_page);
}

DbfHeader DbfHeader::DecodeFrom(const char* src) {
  DbfHeader h;
  h.version = static_cast<uint8_t>(src[kVersionOffset]);
  h.year = static_cast<uint8_t>(src[kDateOffset]);
  h.month = static_cast<uint8_t>(src[kDateOffset + 1]);
  h.day = static_cast<uint8_t>(src[kDateOffset + 2]);
  h.record_count = DecodeLE32(src + kRecordCountOffset);
  h.header_length = DecodeLE16(src + kHeaderLengthOffset);
  h.record_length = DecodeLE16(src + kRecordLengthOffset);
  h.table_flags = static_cast<uint8_t>(src[kTableFlagsOffset]);
  h.code_page = static_cast<uint8_t>(src[kCodePageOffset]);
  return h;
}

void DbfFieldDescriptor::EncodeTo(const FieldDef& field, bool with_offset, char* dst) {
  std::memset(dst, 0, kDbfFieldDescriptorSize);
  std::memcpy(dst, field.name.data(), std::min(field.name.size(), kDbfFieldNameSize - 1));
  dst[kTypeOffset] = field.type;
  if (with_offset) EncodeLE32(dst + kFieldOffsetOffset, field.offset);
  dst[kLengthOffset] = static_cast<char>(field.length);
  dst[kDecimalsOffset] = static_cast<char>(field.decimals);
  dst[kFlagsOffset] = static_cast<char>(field.flags);
}

Status DbfFieldDescriptor::DecodeFrom(const char* src, FieldDef* field) {
  size_t name_length = 0;
  while (name_length < kDbfFieldNameSize && src[name_length] != '\0') ++name_length;
  // Some writers pad names with blanks instead of NULs.
  while (name_length > 0 && src[name_length - 1] == ' ') --name_length;
  if (name_length == 0) return Status::Corruption("field descriptor without a name");
  if (name_length == kDbfFieldNameSize) {
    return Status::Corruption("field name is not terminated");
  }
  for (size_t i = 0; i < name_length; ++i) {
    unsigned char c = static_cast<unsigned char>(src[i]);
    if (c < 0x20 || c == 0x7F) return Status::Corruption("field name holds control characters");
  }
  field->name.assign(src, name_length);
  field->type = src[kTypeOffset];
  field->offset = DecodeLE32(src + kFieldOffsetOffset);
  field->length = static_cast<uint8_t>(src[kLengthOffset]);
  field->decimals = static_cast<uint8_t>(src[kDecimalsOffset]);
  field->flags = static_cast<uint8_t>(src[kFlagsOffset]);
  return Status::OK();
}

}  // namespace xbase
