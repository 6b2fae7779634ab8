// The printer list over the shared printer selection.
#include "labels/windows/printer_list.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "printing/windows/shared_printer.h"

namespace vellumo {

QComboBox* NewPrinterList(QWidget* parent) {
  auto* list = new QComboBox(parent);
  ShowSelectedPrinter(list);
  QObject::connect(list, &QComboBox::activated, list, [list](int index) {
    TheSharedPrinter().SetPrinterIndex(index);
    ShowSelectedPrinter(list);
  });
  return list;
}

void ShowSelectedPrinter(QComboBox* list) {
  const QSignalBlocker quiet(list);
  const SharedPrinter& printer = TheSharedPrinter();
  list->clear();
  list->addItems(printer.PrinterNames());
  list->setCurrentIndex(printer.PrinterIndex());
}

}  // namespace vellumo
