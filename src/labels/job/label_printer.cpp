// The label run's status window.
#include "labels/job/label_printer.h"

#include <QLabel>

#include "core/messages.h"
#include "labels/printing/label_run.h"
#include "printing/base_report.h"

namespace vellumo {
namespace {

LabelOutcome OutcomeOf(const PrintStatusWindow::Outcome& outcome, bool previewing) {
  if (outcome.aborted) return previewing ? LabelOutcome::kPreviewAborted : LabelOutcome::kPrintAborted;
  if (!previewing) return LabelOutcome::kPrintCompleted;
  return outcome.stopped ? LabelOutcome::kPreviewStopped : LabelOutcome::kPreviewCompleted;
}

}  // namespace

QString LabelPrinterOutcomeText(const PrintStatusWindow::Outcome& outcome, bool previewing, TBaseReport& report,
                                const LabelRun& run, uint64_t records_chosen, int copies) {
  // The outcome's page number comes from the job's own progress codes.
  report.StatusFormat = LabelOutcomeText(OutcomeOf(outcome, previewing));
  report.StatusText.clear();
  return report.RefreshStatus() + LabelTallyText(run.tally(), records_chosen, copies);
}

TLabelPrinter::TLabelPrinter(TBaseReport& report, LabelRun& run, bool previewing, uint64_t records_chosen,
                             int copies, QWidget* parent)
    : PrintStatusWindow(
          previewing ? QStringLiteral("Preview Status") : QStringLiteral("Print Status "), report, previewing,
          [] { return AskYesNo(QLatin1String(kCancelLabelQuestion), QStringLiteral("Cancel")); },
          [&report, &run, previewing, records_chosen, copies](const Outcome& outcome) {
            return LabelPrinterOutcomeText(outcome, previewing, report, run, records_chosen, copies);
          },
          parent) {
  report.Title = QStringLiteral("Vellumo");
  run.AttachTo(report, previewing);
  // A complete preview goes straight on to the preview window, unless the
  // run has something to report.
  CloseAtEnd = [this, previewing](const Outcome& outcome) {
    return previewing && !outcome.aborted && !outcome.stopped && status()->text().isEmpty();
  };
}

}  // namespace vellumo
