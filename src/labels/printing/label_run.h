// One label run: the loop that puts the design on every chosen position
// of the sheet, once per copy of each record, sheet after sheet, in the
// table's order or group by group in presort order with a separator label
// before each group. It draws through any canvas (printer, preview, PDF)
// and counts what it printed, so that a run that printed fewer labels
// than asked never passes for a complete one.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "design/model/data_panel.h"
#include "labels/setup/sheet_position_mask.h"
#include "labels/stock/stock_geometry.h"
#include "printing/base_report.h"

namespace xbase {
class Table;
}

namespace vellumo {

inline constexpr int kMaxLabelCopies = 99;

struct LabelRunInput {
  design::TGLabelPanel* design = nullptr;  // bound to the table and in printing mode for the run
  // The record choice (engine filter) and order in force; the run starts
  // at the current record (the caller positions it) and ends past the
  // last one. A presort run uses the "ZIP" tag with exact comparison off
  // and puts the exact setting back afterwards.
  xbase::Table* table = nullptr;
  StockGeometry geometry;
  SheetPositionMask mask;
  int copies = 1;  // 1..99; other values are brought into that range
  bool presort = false;
  std::vector<std::string> presort_lines;  // the lines of PRESORT.PSL as read
  // Chosen records without a usable ZIP: printed after the sorted groups
  // behind one separator label of their own (when not empty).
  std::vector<uint32_t> unsorted_records;
  uint64_t records_chosen = 0;  // for the shortfall check (0 = unknown)
  // Called between positions; false asks the run to stop there (a window
  // lets pending events through in it).
  std::function<bool()> keep_going;
};

struct LabelRunTally {
  uint64_t labels_printed = 0;  // address labels, copies included, separators not
  uint64_t records_printed = 0;
  uint64_t separators = 0;
  uint64_t shrunk_labels = 0;           // labels whose text had to be shrunk to fit
  std::vector<uint32_t> unfit_records;  // records whose text did not fit at the smallest size
  bool stopped = false;                 // keep_going asked to stop
  bool no_position_chosen = false;      // the mask chose none of the sheet's cells: nothing ran
  QString error;                        // why the table could not be read to the end; empty when it could
  int pages = 0;
};

class LabelRun {
 public:
  // REQUIRES: input.design and input.table outlive the run. The design
  // is left unbound from any record afterwards.
  explicit LabelRun(LabelRunInput input);
  ~LabelRun();
  LabelRun(const LabelRun&) = delete;
  LabelRun& operator=(const LabelRun&) = delete;

  // Sets OnBeforePrint and OnPrint of `report` to this run, clears its
  // other events, and gives the status format at the first page
  // ("Printing Page %p\r%0\r%1" or "Preparing Preview Page %p\r%0\r%1").
  // REQUIRES: the run outlives the report's Execute.
  void AttachTo(TBaseReport& report, bool previewing);

  const LabelRunTally& tally() const { return tally_; }
  // LabelTallyText of this run's tally, records chosen and copies.
  QString TallyText() const;

 private:
  void BeforePrint(TBaseReport& report, bool previewing);
  void Print(TBaseReport& report);

  LabelRunInput input_;
  LabelRunTally tally_;
};

enum class LabelOutcome { kPrintAborted, kPreviewAborted, kPreviewStopped, kPrintCompleted, kPreviewCompleted };

// "\rLabel Print Canceled!", "\rLabel Preview Canceled!", "\rPreview
// Stopped at page %p!", "\rLabel Print Completed!"; "" for a completed
// preview (its window closes at once).
QString LabelOutcomeText(LabelOutcome outcome);

// Lines to add to the outcome: labels whose text was shrunk or still did
// not fit, no chosen position, a table error, and any shortfall (fewer
// labels printed than records chosen × copies, when the count chosen is
// known). Empty when there is nothing to say.
QString LabelTallyText(const LabelRunTally& tally, uint64_t records_chosen, int copies);

}  // namespace vellumo
