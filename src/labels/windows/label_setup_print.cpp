// Print and Preview of the "Print Labels" window: the sheet positions, the
// design, the record choice, the presort with the records it leaves out,
// the run, and the address table put back as it was.
#include <QComboBox>
#include <QTableWidget>
#include <algorithm>

#include "core/application_home.h"
#include "core/messages.h"
#include "design/model/data_panel.h"
#include "labels/setup/design_file_names.h"
#include "labels/setup/setup_files.h"
#include "labels/windows/label_setup_screen.h"
#include "labels/windows/printer_list.h"
#include "postal/presort_file.h"

namespace vellumo {

void TLabelSetupScreen::PrintLabels(bool preview) {
  LabelSetup setup;
  if (grid_->rowCount() == 0 || !ReadCurrent(&setup)) return;
  const StockGeometry& geometry = setup.stock.geometry;
  if (const xbase::Status s = CheckSheetPositions(geometry); !s.ok()) {
    ShowInformation(QString::fromStdString(s.message()));
    return;
  }
  const std::optional<SheetPositionChoice> positions =
      actions_.choose_positions(geometry, mask_, what_.presort_checked(), this);
  ShowSelectedPrinter(printers_);
  if (!positions) return;
  mask_ = positions->mask;

  if (!DesignFileExists(xbase::Env::Default(), sysdata_, setup.design_file)) {
    ShowInformation(QString::fromLatin1(kMissingDesignFileMessage));
    return;
  }
  design::TGLabelPanel design(ProgramDirectory().toStdString());
  if (const xbase::Status s = design.LoadFromFile(DesignFilePath(sysdata_, setup.design_file)); !s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Unable to read the label design"), s));
    return;
  }
  TableStateKeeper keeper(addresses_);
  RunChosenRecords(design, setup, *positions, preview);
  if (const xbase::Status s = keeper.Restore(); !s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Unable to restore the address table"), s));
  }
}

void TLabelSetupScreen::RunChosenRecords(design::TGLabelPanel& design, const LabelSetup& setup,
                                         const SheetPositionChoice& positions, bool preview) {
  ChosenRecords start;
  xbase::Status s =
      ChooseLabelRecords(addresses_, what_.choice(), current_record_, what_.start_from_current(), &start);
  uint32_t chosen = 0;
  if (s.ok()) s = addresses_.QueryRecCount(&chosen);
  if (!s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Unable to choose the records to print"), s));
    return;
  }
  if (start.out_of_range) ShowInformation(QString::fromLatin1(kOutOfRangeMessage));

  LabelJobRequest request;
  request.design = &design;
  request.table = &addresses_;
  request.geometry = setup.stock.geometry;
  request.mask = positions.mask;
  request.copies = positions.copies;
  request.records_chosen = chosen;
  request.preview = preview;
  if (what_.presort_checked()) {
    if (what_.NeedsPresort()) {
      PresortRun run = actions_.presort(addresses_, this);
      if (run.outcome != PresortOutcome::kCompleted) return;
      what_.PresortMade(std::move(run.left_out));
    }
    request.presort = true;
    request.copies = 1;
    if (!PresortLines(&request)) return;
  }
  actions_.run_job(request, this);
}

bool TLabelSetupScreen::PresortLines(LabelJobRequest* request) {
  std::vector<PresortGroup> groups;
  QString error;
  if (!ReadPresortFile(PresortFilePath(), &groups, &error)) {
    ShowInformation(WithReason(QStringLiteral("Unable to read ") + kPresortFileName, error));
    return false;
  }
  for (PresortGroup& group : groups) {
    request->presort_lines.push_back(std::move(group.separator));
    for (std::string& key : group.keys) request->presort_lines.push_back(std::move(key));
  }
  ShowInformation(PresortOrderText());
  // The records the presort cannot place are printed only when the user
  // says so, and never dropped without a word.
  const std::vector<uint32_t>& left_out = what_.left_out();
  if (left_out.empty()) return true;
  if (AskYesNo(LeftOutQuestion(left_out.size()), QString::fromLatin1(kLeftOutCaption))) {
    request->unsorted_records = left_out;
  } else {
    ShowInformation(LeftOutNotPrintedText(left_out.size()));
    // They are not owed: the run's count of what fell short leaves them out.
    request->records_chosen -= std::min<uint64_t>(request->records_chosen, left_out.size());
  }
  return true;
}

}  // namespace vellumo
