// The printer lists of the print windows: the application's printers with
// the selected one shown; choosing an entry selects that printer at once.
#pragma once

class QComboBox;
class QWidget;

namespace vellumo {

QComboBox* NewPrinterList(QWidget* parent);
// Shows the shared printer's present selection again.
void ShowSelectedPrinter(QComboBox* list);

}  // namespace vellumo
