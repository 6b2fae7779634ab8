// The records of a label run: which records are chosen (all, those the
// filter passes, or the current one only), where the run starts, and
// putting the table's filter, order and record back afterwards. Shared by
// the label window and the command line.
#pragma once

#include <cstdint>
#include <string>

#include "xbase/status.h"

namespace xbase {
class Table;
}

namespace vellumo {

enum class LabelRecordChoice { kAll, kMatchingFilter, kCurrentOnly };

inline constexpr char kOutOfRangeMessage[] = "Current record is out of range. Starting with first record";

struct ChosenRecords {
  // The current record is not among the chosen ones: the run starts at
  // the first (tell the user kOutOfRangeMessage).
  bool out_of_range = false;
};

// Remembers a table's filter text, order and current record when made,
// and puts them back on Restore() or, failing that, when destroyed.
// REQUIRES: the table outlives the keeper.
class TableStateKeeper {
 public:
  explicit TableStateKeeper(xbase::Table& table);
  ~TableStateKeeper();
  TableStateKeeper(const TableStateKeeper&) = delete;
  TableStateKeeper& operator=(const TableStateKeeper&) = delete;

  uint32_t record() const { return record_; }
  const std::string& filter() const { return filter_; }
  int order() const { return order_; }

  // Puts filter, order and record back (once); the engine's error when
  // one of them cannot be.
  xbase::Status Restore();

 private:
  xbase::Table& table_;
  std::string filter_;
  int order_ = 0;
  uint32_t record_ = 0;
  bool exact_ = false;
  bool restored_ = false;
};

// Applies the choice: "NOT ISDEL" for all records, "Recno()=" +
// `current_record` for the current one only, the filter in force kept
// for the records matching it. Then goes to `current_record` when
// `start_from_current` and it is among the chosen (else sets
// result->out_of_range and goes to the first), or to the first record.
// The engine's error when the filter cannot be applied or the table read.
xbase::Status ChooseLabelRecords(xbase::Table& table, LabelRecordChoice choice, uint32_t current_record,
                                 bool start_from_current, ChosenRecords* result);

}  // namespace vellumo
