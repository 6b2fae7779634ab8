// TCalibratePrinter ("Calibrate Printer"): the correction of the shared
// printer for label printing. It shows the printer, lets the user edit
// the offsets and the scale, prints the stock's calibration sheet with the
// values being edited, and keeps them for the printer on "Ok" ("Cancel"
// keeps nothing).
#pragma once

#include <QDialog>
#include <QString>

#include "labels/stock/stock_record.h"
#include "printing/printer_calibration.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace vellumo {

class TCalibratePrinter : public QDialog {
  Q_OBJECT

 public:
  // Starts from the shared printer's stored calibration.
  explicit TCalibratePrinter(const Stock& stock, QWidget* parent = nullptr);

  [[nodiscard]] PrinterCalibration Values() const;
  // Prints the calibration sheet of the stock with Values() on the shared
  // printer, after setting its paper for the stock (and asking when the
  // printer does not confirm it). False, after telling why, when nothing
  // was printed.
  bool PrintSheet();
  // Saves the values for the printer and closes; stays open, after telling
  // why, when they cannot be saved.
  void accept() override;

  // On the built-in PDF printer the sheet goes to this file; when empty,
  // the user is asked for one.
  QString PdfOutputFile;

  QLabel* printer_label() const { return printer_; }
  QDoubleSpinBox* offset_x() const { return offset_x_; }
  QDoubleSpinBox* offset_y() const { return offset_y_; }
  QDoubleSpinBox* scale() const { return scale_; }
  QPushButton* print_button() const { return print_; }

 private:
  Stock stock_;
  QString printer_name_;
  QLabel* printer_ = nullptr;
  QDoubleSpinBox* offset_x_ = nullptr;
  QDoubleSpinBox* offset_y_ = nullptr;
  QDoubleSpinBox* scale_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace vellumo
