// What the "Print Labels" window asks of the windows and jobs around it:
// the sheet-position window, the presort, the label job and the printer
// calibration. The window reaches them only through these, so that tests
// can put in their own.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "labels/job/label_job.h"
#include "labels/setup/sheet_position_mask.h"
#include "labels/stock/stock_record.h"
#include "labels/windows/label_setup_rules.h"
#include "labels/windows/select_specific_labels.h"
#include "postal/presort_job.h"
#include "xbase/table.h"

namespace vellumo {

struct LabelSetupActions {
  // The sheet-position window; nothing on "Cancel".
  std::function<std::optional<SheetPositionChoice>(const StockGeometry&, const SheetPositionMask&, bool presort,
                                                   QWidget*)>
      choose_positions;
  // The presort window over the records the table shows.
  std::function<PresortRun(xbase::Table&, QWidget*)> presort;
  // Prints or previews; false when nothing was printed.
  std::function<bool(const LabelJobRequest&, QWidget*)> run_job;
  // "Calibrate Printer" for the set-up's stock.
  std::function<void(const Stock&, QWidget*)> calibrate;
};

LabelSetupActions StandardLabelSetupActions();

}  // namespace vellumo
