// A DBF table file: header, field descriptors and fixed-length records.
// Writes FoxPro 2.x tables (version 0x03, or 0xF5 with a memo file); reads
// dBASE III/IV, FoxPro and Visual FoxPro tables. The on-disk layout is
// described in docs/dbf-format.md.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/env.h"
#include "xbase/field.h"
#include "xbase/status.h"

namespace xbase {

// Which family of programs wrote the table; decides the memo file and the
// meaning of some field types.
enum class DbfDialect {
  kDBase3,       // 0x03 / 0x83, memo in .DBT (dBASE III layout)
  kDBase4,       // 0x8B and similar, memo in .DBT (dBASE IV layout)
  kFoxPro,       // 0x03 / 0xF5, memo in .FPT
  kVisualFoxPro  // 0x30 / 0x31 / 0x32, memo in .FPT, backlink area
};

class DbfFile {
 public:
  // Windows-1252 code page mark of the header's language-driver byte.
  static constexpr uint8_t kCodePageWindows1252 = 0x03;

  // Creates a FoxPro 2.x table with no records. Field names are upper-cased;
  // invalid definitions (bad name, type, width) give InvalidArgument.
  static Status Create(Env* env, const std::string& path, const std::vector<FieldDef>& fields,
                       LockMode lock, std::unique_ptr<DbfFile>* result);
  static Status Open(Env* env, const std::string& path, bool writable, LockMode lock,
                     std::unique_ptr<DbfFile>* result);

  ~DbfFile();

  const std::string& path() const { return path_; }
  const Schema& schema() const { return schema_; }
  DbfDialect dialect() const { return dialect_; }
  uint8_t version_byte() const { return version_; }
  bool writable() const { return writable_; }
  // The table says it has a structural index (header flag 0x01).
  bool has_structural_index_flag() const;
  // Records in the table, counting those appended since the last Commit.
  uint32_t record_count() const { return record_count_; }
  // Bytes per record, deletion flag included. Visual FoxPro tables may
  // keep bytes after the last field, so this can exceed the schema's.
  uint32_t record_length() const { return record_length_; }
  // What Open repaired on the way, for the log: "header says 100 records
  // but the file holds 37". Empty when nothing was.
  const std::string& open_note() const { return open_note_; }

  // Reads record `recno` (1-based) into buf, record_length() bytes.
  Status ReadRecord(uint32_t recno, char* buf);
  // The record's bytes without copying; valid until the next write. The
  // fast path for scans.
  Status RecordView(uint32_t recno, std::string_view* record);
  // Reads records first .. first + count - 1 into buf (count *
  // record_length() bytes). Safe to call from several threads at once while
  // nothing writes: the fast path for whole-table scans.
  Status ReadRecords(uint32_t first, uint32_t count, char* buf) const;
  Status WriteRecord(uint32_t recno, std::string_view record);
  // Adds a new record after the last one. Appended records are kept in
  // memory (and read from there) until Commit, Pack or a few hundred
  // kilobytes of them; they then go out in one write with the end-of-file
  // mark after them. The header's count is updated by Commit: until then a
  // reopened table does not contain the records.
  Status AppendRecord(std::string_view record, uint32_t* recno);
  // Makes appended records part of the table: writes them, then the header
  // (record count, date of last update), then records the file's change
  // stamp.
  // With `durable`, the records and then the header are also handed to
  // stable storage, so that the commit survives a crash of the system too;
  // without, it survives the process being killed at any instant.
  Status Commit(bool durable = true);
  // The table file's change stamp after our last Commit.
  uint64_t change_stamp() const { return change_stamp_; }

  // Removes records for which keep(recno, record) is false, moving later
  // records down, then truncates the file and commits. Reports progress in
  // percent. A crash midway leaves every kept record in the table, some
  // possibly twice.
  Status Pack(const std::function<bool(uint32_t, std::string_view)>& keep,
              const std::function<void(int)>& progress);
  // Removes every record.
  Status Zap();

  // Sets or clears the structural-index flag in the header.
  Status SetStructuralIndexFlag(bool present);

  // Field value helpers, operating on a record buffer.
  // The field's bytes as stored.
  static std::string_view RawField(const FieldDef& field, const char* record);
  // A text rendering of any field type: N and F as stored without the
  // surrounding blanks, D as YYYYMMDD ("" when blank), L as T/F/?, I as an
  // integer, B as a number, Y with 4 decimals, T as "YYYYMMDD HH:MM:SS",
  // V up to its stored length, types without a text form in hex. Memo
  // fields give their block number ("" for none). Trailing blanks are kept
  // for C fields. Safe for any bytes in the record.
  static std::string FieldAsText(const FieldDef& field, const char* record);
  // Stores `value` into a C, N, F, L, D or memo field, padded or cut to its
  // width; numbers are right-aligned, rounded (halves away from zero) to
  // the field's decimals. InvalidArgument, with the record unchanged, when
  // the text does not suit the type (a non-number into N, say) or a number
  // does not fit the width; NotSupported for other types.
  static Status StoreText(const FieldDef& field, std::string_view value, char* record);
  // A record with every field blank and no deletion mark.
  std::string BlankRecord() const;

  // Whether the field holds a memo block number (M, G, P, W, and the
  // 10-byte B of dBASE IV).
  static bool IsMemoField(const FieldDef& field);
  // The memo block a memo field points at; 0 when blank. Corruption when the
  // field holds something other than a block number.
  static Status MemoBlock(const FieldDef& field, const char* record, uint32_t* block);
  // Stores a block number (0 for none) into a memo field.
  static void StoreMemoBlock(const FieldDef& field, uint32_t block, char* record);

 private:
  DbfFile() = default;

  Status RequireWritable() const;
  Status ValidateRecordNumber(uint32_t recno) const;
  uint64_t RecordOffset(uint32_t recno) const {
    return header_length_ + static_cast<uint64_t>(recno - 1) * record_length_;
  }
  // Records in the file; those after them are still in pending_.
  uint32_t WrittenCount() const {
    return record_count_ - static_cast<uint32_t>(pending_.size() / record_length_);
  }
  // Where record `recno` starts in pending_, or npos when it is in the file.
  size_t PendingOffset(uint32_t recno) const {
    const uint32_t written = WrittenCount();
    return recno > written ? static_cast<size_t>(recno - written - 1) * record_length_ : std::string::npos;
  }
  // Record `recno` among the appended ones not yet written, else null.
  const char* PendingRecord(uint32_t recno) const {
    const size_t at = PendingOffset(recno);
    return at == std::string::npos ? nullptr : pending_.data() + at;
  }
  // Writes the pending records and the end-of-file mark after them.
  Status WritePending();

  std::string path_;
  std::unique_ptr<File> file_;
  Schema schema_;
  DbfDialect dialect_ = DbfDialect::kFoxPro;
  uint8_t version_ = 0x03;
  uint8_t table_flags_ = 0;
  bool writable_ = false;
  uint16_t header_length_ = 0;
  uint32_t record_length_ = 0;
  uint32_t record_count_ = 0;
  uint32_t committed_count_ = 0;
  uint64_t change_stamp_ = 0;
  std::string open_note_;
  // The file's bytes as last viewed; cleared by every write.
  std::string_view view_;
  // Appended records not yet written, in order.
  std::string pending_;
};

}  // namespace xbase
