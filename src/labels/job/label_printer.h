// TLabelPrinter: the status window a label run goes through, printing
// ("Print Status " with "Cancel", which asks "Cancel Label Printing?")
// or previewing ("Preview Status" with "Stop"). It ends with how the run
// went and what it printed short of what was asked; a complete preview
// with nothing to report closes the window by itself.
#pragma once

#include <cstdint>

#include "printing/windows/print_status_window.h"

namespace vellumo {

class LabelRun;

inline constexpr char kCancelLabelQuestion[] = "Cancel Label Printing?";

class TLabelPrinter : public PrintStatusWindow {
  Q_OBJECT

 public:
  // `report`: a TReportPrinter, or a TPreviewFiler when previewing; `run`
  // is attached to it here. `records_chosen` and `copies` are what was
  // asked, for the shortfall at the end.
  // REQUIRES: report and run outlive the window.
  TLabelPrinter(TBaseReport& report, LabelRun& run, bool previewing, uint64_t records_chosen, int copies,
                QWidget* parent = nullptr);
};

// The text the window ends with: the outcome (its page number filled in
// from `report`) and the lines of the run's tally.
QString LabelPrinterOutcomeText(const PrintStatusWindow::Outcome& outcome, bool previewing, TBaseReport& report,
                                const LabelRun& run, uint64_t records_chosen, int copies);

}  // namespace vellumo
