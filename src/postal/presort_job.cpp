// Running a presort from scan to file.
#include "postal/presort_job.h"

#include "core/messages.h"
#include "postal/presort_file.h"
#include "postal/presort_scan.h"

namespace vellumo {
namespace {

PresortRun Failed(const xbase::Status& status) {
  PresortRun run;
  run.error = WithReason(QStringLiteral("Unable to read the database records"), status);
  return run;
}

}  // namespace

std::function<bool()> PacedKeepGoing(std::function<bool()> keep_going, std::chrono::milliseconds interval) {
  using Clock = std::chrono::steady_clock;
  struct Pace {
    bool called = false;
    bool answer = true;
    Clock::time_point last;
  };
  return [keep_going = std::move(keep_going), interval, pace = Pace()]() mutable {
    const Clock::time_point now = Clock::now();
    if (!pace.called || now - pace.last >= interval) {
      pace.called = true;
      pace.last = now;
      pace.answer = keep_going();
    }
    return pace.answer;
  };
}

PresortRun RunPresort(xbase::Table& table, const QString& path, const PresortHooks& hooks) {
  const auto show = [&hooks](const QString& text) {
    if (hooks.status) hooks.status(text);
  };
  show(QLatin1String(kReadingRecordsStatus));
  PresortScan scan(table);
  if (xbase::Status s = scan.Start(); !s.ok()) return Failed(s);
  while (!scan.done()) {
    if (xbase::Status s = scan.Read(1); !s.ok()) return Failed(s);
    if (scan.last_record() % kStatusEveryRecords == 0) {
      show(QLatin1String(kReadingRecordStatus) + QString::number(scan.last_record()));
    }
    if (hooks.keep_going && !hooks.keep_going()) {
      PresortRun run;
      run.outcome = PresortOutcome::kCancelled;
      return run;
    }
  }

  show(QLatin1String(kSortingStatus));
  PresortResult result = scan.Finish();
  PresortRun run;
  run.records_read = result.records_read;
  if (!WritePresortFile(path, result.lines, &run.error)) return run;
  run.outcome = PresortOutcome::kCompleted;
  run.left_out = std::move(result.left_out);
  return run;
}

}  // namespace vellumo
