// The actions of the "Print Labels" window in the running application.
// The label job and the calibration window live in libraries built beside
// this one; until they are linked here, the window tells the user that
// labels cannot be printed yet.
#include "labels/windows/label_setup_actions.h"

#include "core/messages.h"
#include "postal/windows/sort_bulk_mail.h"

namespace vellumo {
namespace {

const QString kNotAvailable = QStringLiteral("Label printing is not available in this version");

}  // namespace

LabelSetupActions StandardLabelSetupActions() {
  LabelSetupActions actions;
  actions.choose_positions = &TSelectSpecificLabels::Choose;
  actions.presort = [](xbase::Table& table, QWidget* parent) {
    TSortBulkMail window(table, parent);
    window.exec();
    return window.run();
  };
  actions.run_job = [](const LabelPrintRequest&, QWidget*) {
    ShowInformation(kNotAvailable);
    return false;
  };
  actions.calibrate = [](const Stock&, QWidget*) { ShowInformation(kNotAvailable); };
  return actions;
}

}  // namespace vellumo
