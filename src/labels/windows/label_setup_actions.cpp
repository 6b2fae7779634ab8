// The actions of the "Print Labels" window in the running application.
#include "labels/windows/label_setup_actions.h"

#include "labels/calibration/calibrate_printer.h"
#include "postal/windows/sort_bulk_mail.h"

namespace vellumo {

LabelSetupActions StandardLabelSetupActions() {
  LabelSetupActions actions;
  actions.choose_positions = &TSelectSpecificLabels::Choose;
  actions.presort = [](xbase::Table& table, QWidget* parent) {
    TSortBulkMail window(table, parent);
    window.exec();
    return window.run();
  };
  actions.run_job = &RunLabelJob;
  actions.calibrate = [](const Stock& stock, QWidget* parent) {
    TCalibratePrinter window(stock, parent);
    window.exec();
  };
  return actions;
}

}  // namespace vellumo
