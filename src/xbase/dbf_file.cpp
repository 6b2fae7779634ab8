// Record access, commit, pack and zap on an open table.
#include "dbf_file.h"

#include <algorithm>
#include <cstring>

#include "coding.h"
#include "dbf_header.h"

namespace xbase {
namespace {

// Pack reads and writes in pieces of about this size.
constexpr size_t kPackBufferSize = 1 << 20;
// Appended records wait in memory until this many bytes of them do.
constexpr size_t kPendingAppendBytes = 256 << 10;
// Visual FoxPro memo pointers are binary; the others are digits.
constexpr uint16_t kBinaryMemoPointerWidth = 4;

}  // namespace

DbfFile::~DbfFile() = default;

bool DbfFile::has_structural_index_flag() const {
  return (table_flags_ & kDbfFlagStructuralIndex) != 0;
}

Status DbfFile::RequireWritable() const {
  if (!writable_) return Status::InvalidArgument(path_ + ": table is open read-only");
  return Status::OK();
}

Status DbfFile::ValidateRecordNumber(uint32_t recno) const {
  if (recno == 0 || recno > record_count_) {
    return Status::NotFound(path_ + ": record " + std::to_string(recno) + " does not exist (" +
                            std::to_string(record_count_) + " records)");
  }
  return Status::OK();
}

Status DbfFile::ReadRecord(uint32_t recno, char* buf) {
  XBASE_RETURN_IF_ERROR(ValidateRecordNumber(recno));
  if (const char* pending = PendingRecord(recno)) {
    std::memcpy(buf, pending, record_length_);
    return Status::OK();
  }
  size_t read;
  XBASE_RETURN_IF_ERROR(file_->ReadAt(RecordOffset(recno), record_length_, buf, &read));
  if (read != record_length_) {
    return Status::Corruption(path_ + ": record " + std::to_string(recno) +
                              " lies past the end of the file");
  }
  return Status::OK();
}

Status DbfFile::ReadRecords(uint32_t first, uint32_t count, char* buf) const {
  if (count == 0) return Status::OK();
  XBASE_RETURN_IF_ERROR(ValidateRecordNumber(first));
  XBASE_RETURN_IF_ERROR(ValidateRecordNumber(first + count - 1));
  const uint32_t written = WrittenCount();
  const uint32_t from_file = first > written ? 0 : std::min(count, written - first + 1);
  if (from_file > 0) {
    size_t wanted = static_cast<size_t>(from_file) * record_length_;
    size_t read = 0;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(RecordOffset(first), wanted, buf, &read));
    if (read != wanted) {
      return Status::Corruption(path_ + ": records up to " + std::to_string(first + from_file - 1) +
                                " lie past the end of the file");
    }
  }
  if (from_file < count) {
    std::memcpy(buf + static_cast<size_t>(from_file) * record_length_, PendingRecord(first + from_file),
                static_cast<size_t>(count - from_file) * record_length_);
  }
  return Status::OK();
}

Status DbfFile::RecordView(uint32_t recno, std::string_view* record) {
  XBASE_RETURN_IF_ERROR(ValidateRecordNumber(recno));
  if (const char* pending = PendingRecord(recno)) {
    *record = std::string_view(pending, record_length_);
    return Status::OK();
  }
  uint64_t offset = RecordOffset(recno);
  if (offset + record_length_ > view_.size()) {
    XBASE_RETURN_IF_ERROR(file_->View(&view_));
    if (offset + record_length_ > view_.size()) {
      view_ = {};
      return Status::Corruption(path_ + ": record " + std::to_string(recno) +
                                " lies past the end of the file");
    }
  }
  *record = view_.substr(offset, record_length_);
  return Status::OK();
}

Status DbfFile::WriteRecord(uint32_t recno, std::string_view record) {
  XBASE_RETURN_IF_ERROR(RequireWritable());
  XBASE_RETURN_IF_ERROR(ValidateRecordNumber(recno));
  if (record.size() != record_length_) {
    return Status::InvalidArgument(path_ + ": record of " + std::to_string(record.size()) +
                                   " bytes, the table's have " + std::to_string(record_length_));
  }
  if (const size_t at = PendingOffset(recno); at != std::string::npos) {
    pending_.replace(at, record_length_, record);
    return Status::OK();
  }
  view_ = {};
  return file_->WriteAt(RecordOffset(recno), record);
}

Status DbfFile::AppendRecord(std::string_view record, uint32_t* recno) {
  XBASE_RETURN_IF_ERROR(RequireWritable());
  if (record.size() != record_length_) {
    return Status::InvalidArgument(path_ + ": record of " + std::to_string(record.size()) +
                                   " bytes, the table's have " + std::to_string(record_length_));
  }
  if (record_count_ == UINT32_MAX) return Status::InvalidArgument(path_ + ": table is full");
  pending_.append(record);
  *recno = ++record_count_;
  if (pending_.size() >= kPendingAppendBytes) return WritePending();
  return Status::OK();
}

Status DbfFile::WritePending() {
  if (pending_.empty()) return Status::OK();
  // Records and end mark go out in one write so that a reader never sees
  // the records without the mark after them.
  const uint64_t offset = RecordOffset(WrittenCount() + 1);
  pending_.push_back(kDbfEndOfFile);
  view_ = {};
  Status s = file_->WriteAt(offset, pending_);
  pending_.pop_back();
  if (s.ok()) pending_.clear();  // a failed write keeps them for the next try
  return s;
}

Status DbfFile::Commit(bool durable) {
  XBASE_RETURN_IF_ERROR(RequireWritable());
  XBASE_RETURN_IF_ERROR(WritePending());
  // The records must be on stable storage before a count covers them.
  if (durable && record_count_ != committed_count_) XBASE_RETURN_IF_ERROR(file_->Sync());
  DbfHeader header;
  header.SetDateToToday();
  header.record_count = record_count_;
  char bytes[kDbfHeaderSize];
  header.EncodeTo(bytes);
  // Only the date and count change; the rest of the header stays as found.
  view_ = {};
  XBASE_RETURN_IF_ERROR(file_->WriteAt(
      DbfHeader::kDateOffset,
      std::string_view(bytes + DbfHeader::kDateOffset,
                       DbfHeader::kHeaderLengthOffset - DbfHeader::kDateOffset)));
  if (durable) XBASE_RETURN_IF_ERROR(file_->Sync());
  committed_count_ = record_count_;
  return file_->ChangeStamp(&change_stamp_);
}

Status DbfFile::Pack(const std::function<bool(uint32_t, std::string_view)>& keep,
                     const std::function<void(int)>& progress) {
  XBASE_RETURN_IF_ERROR(RequireWritable());
  XBASE_RETURN_IF_ERROR(WritePending());
  const uint32_t total = record_count_;
  const uint32_t per_chunk =
      std::clamp<uint32_t>(kPackBufferSize / record_length_, 1, std::max<uint32_t>(total, 1));
  std::string in(static_cast<size_t>(per_chunk) * record_length_, '\0');
  std::string out;
  out.reserve(in.size());
  uint64_t write_offset = header_length_;
  uint32_t kept = 0;
  view_ = {};
  for (uint64_t done = 0; done < total;) {
    const uint32_t first = static_cast<uint32_t>(done + 1);
    const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(per_chunk, total - done));
    const uint64_t read_offset = RecordOffset(first);
    const size_t bytes = static_cast<size_t>(n) * record_length_;
    size_t read;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(read_offset, bytes, in.data(), &read));
    if (read != bytes) {
      return Status::Corruption(path_ + ": records from " + std::to_string(first) +
                                " lie past the end of the file");
    }
    out.clear();
    for (uint32_t i = 0; i < n; ++i) {
      std::string_view record(in.data() + static_cast<size_t>(i) * record_length_, record_length_);
      if (keep(first + i, record)) out.append(record);
    }
    // Kept records only move down, never over records not yet read. While
    // nothing was dropped they are already in place.
    if (write_offset != read_offset || out.size() != bytes) {
      XBASE_RETURN_IF_ERROR(file_->WriteAt(write_offset, out));
    }
    write_offset += out.size();
    kept += static_cast<uint32_t>(out.size() / record_length_);
    done += n;
    if (progress) progress(static_cast<int>(100 * done / total));
  }
  XBASE_RETURN_IF_ERROR(file_->WriteAt(write_offset, std::string_view(&kDbfEndOfFile, 1)));
  XBASE_RETURN_IF_ERROR(file_->Truncate(write_offset + 1));
  record_count_ = kept;
  // A crash before this point leaves the old count, which the shortened file
  // caps at the records it holds.
  committed_count_ = UINT32_MAX;
  Status s = Commit();
  if (progress && total == 0) progress(100);
  return s;
}

Status DbfFile::Zap() {
  XBASE_RETURN_IF_ERROR(RequireWritable());
  view_ = {};
  record_count_ = WrittenCount();  // appended records not yet written just go
  pending_.clear();
  XBASE_RETURN_IF_ERROR(file_->WriteAt(header_length_, std::string_view(&kDbfEndOfFile, 1)));
  XBASE_RETURN_IF_ERROR(file_->Truncate(header_length_ + 1));
  record_count_ = 0;
  committed_count_ = UINT32_MAX;
  return Commit();
}

Status DbfFile::SetStructuralIndexFlag(bool present) {
  XBASE_RETURN_IF_ERROR(RequireWritable());
  uint8_t flags = present ? (table_flags_ | kDbfFlagStructuralIndex)
                          : (table_flags_ & ~kDbfFlagStructuralIndex);
  char byte = static_cast<char>(flags);
  view_ = {};
  XBASE_RETURN_IF_ERROR(file_->WriteAt(DbfHeader::kTableFlagsOffset, std::string_view(&byte, 1)));
  table_flags_ = flags;
  // The index stamped next must name the file as it is after this write.
  return file_->ChangeStamp(&change_stamp_);
}

std::string DbfFile::BlankRecord() const {
  std::string record(record_length_, ' ');
  for (const FieldDef& field : schema_.fields()) {
    bool text = field.type == field_type::kCharacter || field.type == field_type::kNumeric ||
                field.type == field_type::kFloat || field.type == field_type::kLogical ||
                field.type == field_type::kDate || field.type == field_type::kVarchar ||
                (IsMemoField(field) && field.length != kBinaryMemoPointerWidth);
    if (!text) std::memset(record.data() + field.offset, 0, field.length);
  }
  return record;
}

}  // namespace xbase
