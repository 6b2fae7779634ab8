// The main window's "Print &Labels": the checks before the label window
// opens, the address table lent to it, and the table and printer put back
// as they were once it closes.
#include <QApplication>
#include <memory>

#include "addressbook/windows/address_main.h"
#include "core/messages.h"
#include "core/system_tables.h"
#include "labels/windows/label_setup_screen.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

// What the label window may change on the lent table: its filter, scope,
// order, exact comparison and current record.
class LentTableState {
 public:
  explicit LentTableState(xbase::Table& table)
      : table_(table),
        filter_(table.filter()),
        order_(table.IndexOrd()),
        exact_(table.exact()),
        record_(table.RecNo()) {}

  uint32_t record() const { return record_; }

  // Everything but the record, which the book makes current again.
  void PutBack() const {
    table_.ClearScope();
    table_.SetExact(exact_);
    Tell(table_.SetFilter(filter_));
    Tell(table_.SetOrder(order_));
  }

 private:
  static void Tell(const xbase::Status& s) {
    if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to restore the address table"), s));
  }

  xbase::Table& table_;
  std::string filter_;
  int order_;
  bool exact_;
  uint32_t record_;
};

}  // namespace

void TAddressMain::PrintLabelsCommand() {
  if (BeepWhileEditing() || !book_.has_record() || !CheckPrintersPresent()) return;
  if (book_.VisibleRecordCount() == 0) {
    QApplication::beep();
    return;
  }
  std::unique_ptr<xbase::Table> setups;
  if (!OpenLabelTable(&setups)) return;

  xbase::Table& addresses = *book_.table();
  const LentTableState lent(addresses);
  const int printer = TheSharedPrinter().PrinterIndex();
  {
    TLabelSetupScreen window(setups.get(), &addresses, book_.filter_set(), this);
    window.exec();
  }
  lent.PutBack();
  book_.GoTo(lent.record());
  TheSharedPrinter().SetPrinterIndex(printer);
  RefreshAll();
}

}  // namespace vellumo
