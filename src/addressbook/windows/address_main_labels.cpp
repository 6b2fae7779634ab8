// The main window's "Print &Labels": the checks before the label window
// opens, the address table lent to it, and the table and printer put back
// as they were once it closes.
#include <QApplication>
#include <memory>

#include "addressbook/windows/address_main.h"
#include "core/messages.h"
#include "core/system_tables.h"
#include "labels/printing/label_records.h"
#include "labels/windows/label_setup_screen.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {

void TAddressMain::PrintLabelsCommand() {
  if (BeepWhileEditing() || !book_.has_record() || !CheckPrintersPresent()) return;
  if (book_.VisibleRecordCount() == 0) {
    QApplication::beep();
    return;
  }
  std::unique_ptr<xbase::Table> setups;
  if (!OpenLabelTable(&setups)) return;

  xbase::Table& addresses = *book_.table();
  TableStateKeeper lent(addresses);
  const int printer = TheSharedPrinter().PrinterIndex();
  {
    TLabelSetupScreen window(setups.get(), &addresses, book_.filter_set(), this);
    window.exec();
  }
  addresses.ClearScope();
  if (const xbase::Status s = lent.Restore(); !s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Unable to restore the address table"), s));
  }
  book_.GoTo(lent.record());
  TheSharedPrinter().SetPrinterIndex(printer);
  RefreshAll();
}

}  // namespace vellumo
