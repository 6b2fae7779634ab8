// A whole presort as its window runs it: the scan with its status texts
// and a chance to stop after every record, then the grouping and the
// presort file, which is written only when the scan was complete.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace xbase {
class Table;
}

namespace vellumo {

inline constexpr char kReadingRecordsStatus[] = "Reading database records...";
inline constexpr char kReadingRecordStatus[] = "Reading record ";
inline constexpr char kSortingStatus[] = "Sorting Zip Codes...";
// "Reading record " + n is shown when n is a multiple of this.
inline constexpr uint32_t kStatusEveryRecords = 100;

struct PresortHooks {
  // Shows a status text; may be null.
  std::function<void(const QString&)> status;
  // Called after every record; false stops the scan. Null: never stops.
  std::function<bool()> keep_going;
};

// Letting a window's events through costs more than reading a record.
// The wrapper calls `keep_going` on its first call and then only once
// `interval` has passed since the last time; in between it repeats the
// last answer, which only that call can change. The window stays as
// responsive as with a call per record.
std::function<bool()> PacedKeepGoing(std::function<bool()> keep_going,
                                     std::chrono::milliseconds interval = std::chrono::milliseconds(10));

enum class PresortOutcome { kCompleted, kCancelled, kFailed };

struct PresortRun {
  PresortOutcome outcome = PresortOutcome::kFailed;
  // Why it failed, worded for the user.
  QString error;
  // Record numbers of the chosen records that the list leaves out because
  // their ZIP fails the key tests (see PresortResult).
  std::vector<uint32_t> left_out;
  uint64_t records_read = 0;
};

// Presorts the records `table` shows and writes the list to `path`
// (normally PresortFilePath()). Cancelled or failed: nothing is written
// and an older file stays as it was.
PresortRun RunPresort(xbase::Table& table, const QString& path, const PresortHooks& hooks);

}  // namespace vellumo
