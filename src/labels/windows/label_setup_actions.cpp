// The actions of the "Print Labels" window in the running application.
// The calibration window lives in a library built beside this one; until
// it is linked here, the window says that it is not available.
#include "labels/windows/label_setup_actions.h"

#include "core/messages.h"
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
  actions.calibrate = [](const Stock&, QWidget*) {
    ShowInformation(QStringLiteral("Printer calibration is not available in this version"));
  };
  return actions;
}

}  // namespace vellumo
