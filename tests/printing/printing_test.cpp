// Progress templates, paper sizes and the shared printer selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "printing/paper.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"
#include "printing/status_format.h"
#include "test_home.h"

namespace vellumo {
namespace {

TEST(StatusFormatTest, CodesExpandAndUnknownOnesShowAnError) {
  StatusValues values;
  values.page = 3;
  values.lines = {QString(), QString()};
  EXPECT_EQ(ExpandStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"), values), QStringLiteral("Printing Page 3\r\r"));
  values.lines = {QStringLiteral("Smith"), QStringLiteral("100%p")};
  values.printer = QStringLiteral("Preview");
  values.driver = QStringLiteral("Preview");
  values.port = QStringLiteral("Screen");
  EXPECT_EQ(ExpandStatusFormat(QStringLiteral("%0 %1 %P of %F-%L %d/%r/%T 50%%"), values),
            QStringLiteral("Smith 100%p 3 of 1-9999 Preview/Preview/Screen 50%"));
  EXPECT_EQ(ExpandStatusFormat(QStringLiteral("%x and %5"), values), QStringLiteral("<ERROR-%X> and "));
  EXPECT_EQ(ExpandStatusFormat(QStringLiteral("lone %"), values), QStringLiteral("lone %"));
}

TEST(PaperTest, NumbersAndCustomSizes) {
  EXPECT_EQ(TenthsOfMillimetre(Length::Inches(2.625)), 667);
  EXPECT_EQ(TenthsOfMillimetre(Length::Inches(1.0)), 254);
  EXPECT_EQ(PaperSize(1, Length(), Length()).id(), QPageSize::Letter);
  EXPECT_EQ(PaperSize(9, Length(), Length()).id(), QPageSize::A4);
  EXPECT_EQ(PaperSize(11, Length(), Length()).id(), QPageSize::A5);
  const QSizeF envelope10 = PaperSize(20, Length(), Length()).size(QPageSize::Inch);
  EXPECT_NEAR(envelope10.width(), 4.125, 0.01);
  EXPECT_NEAR(envelope10.height(), 9.5, 0.01);
  const QSizeF custom = PaperSize(kCustomPaper, Length::Inches(2.625), Length::Inches(1.0)).size(QPageSize::Millimeter);
  EXPECT_DOUBLE_EQ(custom.width(), 66.7);
  EXPECT_DOUBLE_EQ(custom.height(), 25.4);
  EXPECT_FALSE(PaperSize(9999, Length(), Length()).isValid());
  EXPECT_FALSE(PaperSize(kCustomPaper, Length(), Length::Inches(1)).isValid());
}

class SharedPrinterTest : public HomeTest {};

TEST_F(SharedPrinterTest, PdfPrinterIsAlwaysThereAndPassesTheCheck) {
  SharedPrinter printer;
  const QStringList names = printer.PrinterNames();
  ASSERT_FALSE(names.isEmpty());
  EXPECT_EQ(names.last(), QStringLiteral("Vellumo PDF on FILE:"));
  ASSERT_TRUE(printer.SelectPrinterByName(QStringLiteral("vellumo pdf"), false));
  EXPECT_TRUE(printer.IsPdfPrinter());
  EXPECT_EQ(printer.PrinterIndex(), names.size() - 1);
  EXPECT_FALSE(printer.SelectPrinterByName(QStringLiteral("No Such Printer"), false));
  EXPECT_TRUE(CheckPrintersPresent());
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(SharedPrinterTest, CustomPaperIsRequestedInTenthsOfAMillimetre) {
  SharedPrinter printer;
  ASSERT_TRUE(printer.SelectPrinterByName(SharedPrinter::PdfPrinterName(), true));
  ASSERT_TRUE(printer.SetPaperSize(kCustomPaper, Length::Inches(2.625), Length::Inches(1.0)));
  EXPECT_EQ(printer.requested_tenths_mm(), QSize(667, 254));
  EXPECT_NEAR(printer.PageWidth(), 2.625, 0.01);
  EXPECT_NEAR(printer.PageHeight(), 1.0, 0.01);
  printer.SetOrientation(poLandScape);
  EXPECT_NEAR(printer.PageWidth(), 1.0, 0.01);
  printer.Reset();  // paper and orientation back to the printer's defaults
  EXPECT_NEAR(printer.PageWidth(), 8.5, 0.01);
  EXPECT_TRUE(printer.IsPdfPrinter());
  ASSERT_TRUE(printer.SelectPaperByName(QStringLiteral("a4")));
  EXPECT_NEAR(printer.PageHeight(), 11.69, 0.01);
  EXPECT_FALSE(printer.SelectPaperByName(QStringLiteral("Papyrus")));
}

TEST_F(SharedPrinterTest, PapersAndBinsAsTheDriverReportsThemAndTheCurrentOnes) {
  SharedPrinter printer;
  ASSERT_TRUE(printer.SelectPrinterByName(SharedPrinter::PdfPrinterName(), true));
  const QStringList names = printer.PaperNames();
  const QList<int> numbers = printer.PaperNumbers();
  ASSERT_EQ(names.size(), numbers.size());
  EXPECT_EQ(numbers.value(names.indexOf(QStringLiteral("A4"))), 9);
  EXPECT_TRUE(numbers.contains(1));
  EXPECT_TRUE(numbers.contains(20));  // envelope #10
  EXPECT_EQ(printer.CurrentPaperNumber(), 1);
  ASSERT_TRUE(printer.SetPaperSize(9, Length(), Length()));
  EXPECT_EQ(printer.CurrentPaperNumber(), 9);
  EXPECT_EQ(printer.CurrentPaperName(), QStringLiteral("A4"));
  // The PDF printer has no paper sources: none to name or select.
  EXPECT_TRUE(printer.BinNames().isEmpty());
  EXPECT_TRUE(printer.CurrentBinName().isEmpty());
  EXPECT_FALSE(printer.SelectBinByName(QStringLiteral("Upper")));
}

TEST_F(SharedPrinterTest, DefaultOrientationLeavesThePrintersSetting) {
  SharedPrinter printer;
  ASSERT_TRUE(printer.SelectPrinterByName(SharedPrinter::PdfPrinterName(), true));
  EXPECT_EQ(printer.Orientation(), poPortrait);
  printer.SetOrientation(poLandScape);
  EXPECT_EQ(printer.Orientation(), poLandScape);
  EXPECT_NEAR(printer.PageWidth(), 11.0, 0.01);
  printer.SetOrientation(poDefault);
  EXPECT_EQ(printer.Orientation(), poLandScape);
  printer.SetOrientation(poPortrait);
  EXPECT_NEAR(printer.PageWidth(), 8.5, 0.01);
}

TEST_F(SharedPrinterTest, ThePrintDialogsChoicesBecomeTheSharedSelection) {
  SharedPrinter& printer = TheSharedPrinter();
  ASSERT_TRUE(printer.SelectPrinterByName(SharedPrinter::PdfPrinterName(), true));
  printer.SetCopies(1);
  const QString chosen = dir_.filePath(QStringLiteral("chosen.pdf"));
  QTimer::singleShot(0, [&chosen] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(3);
    dialog->findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
    dialog->findChild<QSpinBox*>(QStringLiteral("to"))->setValue(4);
    dialog->findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(file, nullptr);
    file->setText(chosen);
    dialog->accept();
  });
  int first = 0, last = 0;
  ASSERT_TRUE(printer.PrintDialog(nullptr, &first, &last));
  EXPECT_EQ(first, 2);
  EXPECT_EQ(last, 4);
  EXPECT_EQ(printer.copies(), 3);
  EXPECT_EQ(printer.PrinterIndex(), printer.PrinterNames().size() - 1);
  EXPECT_TRUE(printer.IsPdfPrinter());
  EXPECT_EQ(printer.PdfFileName(), chosen);
  // A job takes the copies and the file chosen there, without asking again
  // (a file dialog, should one open, is turned down).
  TReportPrinter job;
  EXPECT_EQ(job.Copies(), 3);
  job.OnPrint = [](TBaseReport& r) { r.PrintLeftAt(QStringLiteral("Chosen"), 1); };
  QTimer::singleShot(0, [] {
    if (auto* asked = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) asked->reject();
  });
  EXPECT_TRUE(job.Execute());
  EXPECT_TRUE(QFileInfo::exists(chosen));
  printer.SetCopies(1);
}

}  // namespace
}  // namespace vellumo
