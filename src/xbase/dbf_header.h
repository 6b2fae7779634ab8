// The on-disk pieces of a DBF file's header: the 32-byte table header and
// the 32-byte field descriptors that follow it, with their encoding.
#pragma once

#include <cstdint>
#include <string_view>

#include "xbase/field.h"
#include "xbase/status.h"

namespace xbase {

inline constexpr size_t kDbfHeaderSize = 32;
inline constexpr size_t kDbfFieldDescriptorSize = 32;
inline constexpr size_t kDbfFieldNameSize = 11;  // 10 characters and a NUL
inline constexpr char kDbfHeaderTerminator = 0x0D;
inline constexpr char kDbfEndOfFile = 0x1A;
// Visual FoxPro keeps the path of the owning database after the terminator.
inline constexpr size_t kDbfBacklinkSize = 263;

// Table flags (header byte 28).
inline constexpr uint8_t kDbfFlagStructuralIndex = 0x01;
inline constexpr uint8_t kDbfFlagMemo = 0x02;

// Version bytes we write.
inline constexpr uint8_t kDbfVersionFoxBase = 0x03;
inline constexpr uint8_t kDbfVersionFoxProMemo = 0xF5;

struct DbfHeader {
  static constexpr size_t kVersionOffset = 0;
  static constexpr size_t kDateOffset = 1;  // YY (since 1900), MM, DD
  static constexpr size_t kRecordCountOffset = 4;
  static constexpr size_t kHeaderLengthOffset = 8;
  static constexpr size_t kRecordLengthOffset = 10;
  static constexpr size_t kTableFlagsOffset = 28;
  static constexpr size_t kCodePageOffset = 29;
  static_assert(kCodePageOffset + 1 + 2 == kDbfHeaderSize);

  uint8_t version = 0;
  uint8_t year = 0;  // since 1900
  uint8_t month = 0;
  uint8_t day = 0;
  uint32_t record_count = 0;
  uint16_t header_length = 0;
  uint16_t record_length = 0;
  uint8_t table_flags = 0;
  uint8_t code_page = 0;

  // Sets the date of last update to today's local date.
  void SetDateToToday();
  // Writes kDbfHeaderSize bytes.
  void EncodeTo(char* dst) const;
  // REQUIRES: src holds at least kDbfHeaderSize bytes.
  static DbfHeader DecodeFrom(const char* src);
};

struct DbfFieldDescriptor {
  static constexpr size_t kTypeOffset = 11;
  static constexpr size_t kFieldOffsetOffset = 12;  // Visual FoxPro only
  static constexpr size_t kLengthOffset = 16;
  static constexpr size_t kDecimalsOffset = 17;
  static constexpr size_t kFlagsOffset = 18;
  static_assert(kTypeOffset == kDbfFieldNameSize);
  static_assert(kFlagsOffset < kDbfFieldDescriptorSize);

  // Writes kDbfFieldDescriptorSize bytes; the offset is written only when
  // `with_offset` (Visual FoxPro keeps it, FoxPro 2.x leaves zero).
  static void EncodeTo(const FieldDef& field, bool with_offset, char* dst);
  // Decodes name, type, length, decimals, flags and the stored offset.
  // Corruption when the name is empty or not printable.
  // REQUIRES: src holds at least kDbfFieldDescriptorSize bytes.
  static Status DecodeFrom(const char* src, FieldDef* field);
};

}  // namespace xbase
