// "Printer Setup": the printer (the built-in PDF printer among them), its
// paper and the orientation, chosen for the shared printer selection,
// which changes only on OK.
#pragma once

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace vellumo {

class SharedPrinter;

class PrinterSetupWindow : public QDialog {
  Q_OBJECT

 public:
  // `help_context` is the topic the window's "Help" opens.
  PrinterSetupWindow(SharedPrinter& printer, int help_context, QWidget* parent = nullptr);

  QComboBox* printer_box() const { return printers_; }
  QComboBox* paper_box() const { return papers_; }
  QRadioButton* portrait_button() const { return portrait_; }
  QRadioButton* landscape_button() const { return landscape_; }

  void accept() override;

 private:
  // The paper list of the printer chosen in the window, keeping the paper
  // chosen so far where that printer has it too.
  void ListPapers();

  SharedPrinter& printer_;
  QComboBox* printers_;
  QComboBox* papers_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
};

}  // namespace vellumo
