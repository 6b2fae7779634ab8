// The printer calibration dialog on the built-in PDF printer: it names
// the printer and starts from its stored values, prints the stock's sheet
// with the values being edited, saves them on Ok and not on Cancel.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "address_stock.h"
#include "core/printer_calibrations.h"
#include "labels/calibration/calibrate_printer.h"
#include "pdf_job_fixture.h"
#include "pdf_probe.h"

namespace vellumo {
namespace {

class CalibratePrinter : public PdfJobTest {
 protected:
  void SetUp() override {
    PdfJobTest::SetUp();
    stock_.description = "Avery 5160  Address";
    stock_.geometry = AddressStock();
  }

  Stock stock_;
};

TEST_F(CalibratePrinter, ShowsThePrinterAndItsStoredValues) {
  ASSERT_TRUE(WritePrinterCalibration(SharedPrinter::PdfPrinterName(), {0.05, -0.02, 1}));
  TCalibratePrinter dialog(stock_);
  EXPECT_EQ(dialog.windowTitle(), "Calibrate Printer");
  EXPECT_TRUE(dialog.printer_label()->text().contains(SharedPrinter::PdfPrinterName()));
  EXPECT_DOUBLE_EQ(dialog.offset_x()->value(), 0.05);
  EXPECT_DOUBLE_EQ(dialog.offset_y()->value(), -0.02);
  EXPECT_DOUBLE_EQ(dialog.scale()->value(), 1);
  EXPECT_EQ(dialog.print_button()->text(), "&Print Calibration Sheet");
  // The boxes hold no more than the canvas accepts.
  dialog.offset_x()->setValue(3);
  dialog.scale()->setValue(-7);
  EXPECT_EQ(dialog.Values(), (PrinterCalibration{0.5, -0.02, -2}));
}

TEST_F(CalibratePrinter, PrintsTheSheetWithTheValuesBeingEdited) {
  TCalibratePrinter dialog(stock_);
  dialog.PdfOutputFile = Pdf();
  ASSERT_TRUE(dialog.PrintSheet());
  const std::vector<PdfWord> plain = WordsOf(Pdf());
  const PdfWord* plain_inch = FindWord(plain, QStringLiteral("inch"));
  ASSERT_NE(plain_inch, nullptr);
  EXPECT_EQ(PageSizeOf(Pdf()), QSizeF(612, 792));
  EXPECT_NE(FindWord(plain, QStringLiteral("5160")), nullptr);

  dialog.offset_x()->setValue(0.25);
  dialog.print_button()->click();
  const std::vector<PdfWord> moved = WordsOf(Pdf());
  const PdfWord* moved_inch = FindWord(moved, QStringLiteral("inch"));
  ASSERT_NE(moved_inch, nullptr);
  EXPECT_NEAR(moved_inch->x_min - plain_inch->x_min, 18, 0.3);
  EXPECT_NE(FindWord(moved, QStringLiteral("0.250")), nullptr);
  // Printing keeps nothing.
  EXPECT_EQ(ReadPrinterCalibration(SharedPrinter::PdfPrinterName()), PrinterCalibration{});
}

TEST_F(CalibratePrinter, OkSavesForThePrinterAndCancelDoesNot) {
  {
    TCalibratePrinter dialog(stock_);
    dialog.offset_y()->setValue(0.125);
    dialog.reject();
  }
  EXPECT_EQ(ReadPrinterCalibration(SharedPrinter::PdfPrinterName()), PrinterCalibration{});
  TCalibratePrinter dialog(stock_);
  dialog.offset_y()->setValue(0.125);
  dialog.scale()->setValue(-0.5);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(ReadPrinterCalibration(SharedPrinter::PdfPrinterName()), (PrinterCalibration{0, 0.125, -0.5}));
}

TEST_F(CalibratePrinter, AValueThatCannotBeSavedKeepsTheDialogOpenAndSaysWhy) {
  TCalibratePrinter dialog(stock_);
  dialog.offset_x()->setValue(0.1);
  const QByteArray held = BlockSettings();
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said[0].startsWith("The calibration could not be saved."));
  UnblockSettings(held);
}

}  // namespace
}  // namespace vellumo
