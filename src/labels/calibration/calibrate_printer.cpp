// The printer calibration dialog.
#include "labels/calibration/calibrate_printer.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/messages.h"
#include "core/printer_calibrations.h"
#include "core/windows/dialog_buttons.h"
#include "labels/calibration/calibration_sheet.h"
#include "labels/job/label_paper_setup.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

const QString kCaption = QStringLiteral("Calibrate Printer");

QDoubleSpinBox* SpinBox(double limit, double step, int decimals, const QString& suffix, double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(-limit, limit);
  box->setSingleStep(step);
  box->setDecimals(decimals);
  box->setSuffix(suffix);
  box->setValue(value);
  return box;
}

}  // namespace

TCalibratePrinter::TCalibratePrinter(const Stock& stock, QWidget* parent)
    : QDialog(parent), stock_(stock), printer_name_(TheSharedPrinter().PrinterName()) {
  setWindowTitle(kCaption);
  const PrinterCalibration stored = ReadPrinterCalibration(printer_name_);
  printer_ = new QLabel(QStringLiteral("Printer: %1").arg(printer_name_), this);
  offset_x_ = SpinBox(kMaxCalibrationOffset, 0.01, 3, QStringLiteral(" in"), stored.offset_x, this);
  offset_y_ = SpinBox(kMaxCalibrationOffset, 0.01, 3, QStringLiteral(" in"), stored.offset_y, this);
  scale_ = SpinBox(kMaxCalibrationScalePercent, 0.1, 2, QStringLiteral(" %"), stored.scale_percent, this);
  print_ = new QPushButton(QStringLiteral("&Print Calibration Sheet"), this);
  connect(print_, &QPushButton::clicked, this, [this] { PrintSheet(); });

  auto* values = new QFormLayout;
  values->addRow(QStringLiteral("Offset &X"), offset_x_);
  values->addRow(QStringLiteral("Offset &Y"), offset_y_);
  values->addRow(QStringLiteral("&Scale"), scale_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(printer_);
  layout->addWidget(new QLabel(QString::fromStdString(stock_.description), this));
  layout->addLayout(values);
  layout->addWidget(new QLabel(
      QStringLiteral("Positive offsets move the print right and down; a positive scale enlarges it."), this));
  layout->addWidget(print_, 0, Qt::AlignLeft);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), 0).box);
}

PrinterCalibration TCalibratePrinter::Values() const {
  return ClampedCalibration({offset_x_->value(), offset_y_->value(), scale_->value()});
}

bool TCalibratePrinter::PrintSheet() {
  SharedPrinter& printer = TheSharedPrinter();
  if (!CheckPrintersPresent() || !SetUpLabelPaper(stock_.geometry, printer, printer.DriverName())) return false;
  TReportPrinter report;
  report.Title = QStringLiteral("Calibration Sheet");
  report.OutputFile = PdfOutputFile;
  const QString caption = CalibrationCaption(QString::fromStdString(stock_.description), Values());
  if (PrintCalibrationSheet(report, stock_.geometry, Values(), caption)) return true;
  if (!report.LastError().isEmpty()) {
    ShowInformation(WithReason(QStringLiteral("The calibration sheet could not be printed."), report.LastError()));
  }
  return false;
}

void TCalibratePrinter::accept() {
  QString error;
  if (!WritePrinterCalibration(printer_name_, Values(), &error)) {
    ShowInformation(WithReason(QStringLiteral("The calibration could not be saved."), error));
    return;
  }
  QDialog::accept();
}

}  // namespace vellumo
