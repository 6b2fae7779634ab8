// Reading the ZIP codes of the chosen records.
#include "postal/presort_scan.h"

#include <string>

#include "postal/presort_groups.h"
#include "postal/zip_key.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

constexpr char kZipField[] = "ZIP";

}  // namespace

PresortScan::PresortScan(xbase::Table& table) : table_(table) {}

xbase::Status PresortScan::Start() {
  if (table_.FieldIndex(kZipField) < 0) return xbase::Status::InvalidArgument("the table has no ZIP field");
  XBASE_RETURN_IF_ERROR(table_.SetOrder(0));
  XBASE_RETURN_IF_ERROR(table_.GoTop());
  started_ = true;
  return xbase::Status::OK();
}

xbase::Status PresortScan::Read(uint64_t max_records) {
  for (uint64_t n = 0; n < max_records && !table_.Eof(); ++n) {
    const uint32_t record = table_.RecNo();
    if (xbase::Status s = table_.RecordStatus(); !s.ok()) return s.WithContext("record " + std::to_string(record));
    const std::string zip = table_.GetTrimString(kZipField);
    const std::string_view key = ZipKey(zip);
    if (IsUsZipKey(key)) {
      tally_.Add(key);
    } else {
      left_out_.push_back(record);
    }
    last_record_ = record;
    XBASE_RETURN_IF_ERROR(table_.Skip(1));
  }
  return xbase::Status::OK();
}

bool PresortScan::done() const { return started_ && table_.Eof(); }

PresortResult PresortScan::Finish() const {
  PresortResult result;
  result.lines = PresortLines(tally_.SortedRecords());
  result.left_out = left_out_;
  result.records_read = tally_.total() + left_out_.size();
  return result;
}

}  // namespace vellumo
