// The scan of a presort over the records an address table shows (its
// filter and the hiding of deleted records decide which), in record-number
// order. It reads as many records at a time as its caller asks, so that a
// window can let events through and stop it between records, and at the
// end arranges the counted keys into the presort list.
//
// Records whose ZIP fails the key tests (empty, Canadian, beginning with
// a blank ...) have no place in the list; the result names them so that a
// label run can say so and print them after the sorted groups.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "postal/zip_tally.h"
#include "xbase/status.h"

namespace xbase {
class Table;
}

namespace vellumo {

struct PresortResult {
  // The presort list, as PresortLines gives it.
  std::vector<std::string> lines;
  // Record numbers, ascending, of the records read whose ZIP fails the tests.
  std::vector<uint32_t> left_out;
  uint64_t records_read = 0;
};

class PresortScan {
 public:
  // The table must outlive the scan. The scan moves its cursor and leaves
  // it in record-number order; the caller puts its own order back.
  explicit PresortScan(xbase::Table& table);

  // Record-number order, on the first record shown. InvalidArgument when
  // the table has no ZIP field; else the engine's error.
  xbase::Status Start();
  // Reads up to `max_records` records from where the scan stands, or
  // fewer when the table ends. A record that cannot be read stops the scan
  // with the engine's reason. REQUIRES: Start() succeeded.
  xbase::Status Read(uint64_t max_records);
  // Every record has been read.
  bool done() const;
  // The number of the record read last, 0 before the first.
  uint32_t last_record() const { return last_record_; }

  // Sorts and groups what was read. REQUIRES: done().
  PresortResult Finish() const;

 private:
  xbase::Table& table_;
  ZipTally tally_;
  std::vector<uint32_t> left_out_;
  uint32_t last_record_ = 0;
  bool started_ = false;
};

}  // namespace vellumo
