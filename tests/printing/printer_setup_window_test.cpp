// "Printer Setup": the printer (the PDF printer among them), the paper and
// the orientation are chosen in the window and become the shared
// selection on OK only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "pdf_job_fixture.h"
#include "printing/windows/printer_setup_window.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

class PrinterSetupWindowTest : public PdfJobTest {
 protected:
  // Opens the shared printer's set-up window and lets `act` work in it.
  static bool RunSetup(const std::function<void(PrinterSetupWindow*)>& act) {
    QTimer::singleShot(0, [act] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* window = qobject_cast<PrinterSetupWindow*>(modal);
      if (window == nullptr) {
        ADD_FAILURE() << "no printer set-up window";
        if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
        return;
      }
      act(window);
    });
    return TheSharedPrinter().PrinterSetupDialog(nullptr, 0);
  }

  static QPushButton* Button(PrinterSetupWindow* window, const QString& text) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      if (button->text() == text) return button;
    }
    return nullptr;
  }

  // Chooses the PDF printer, A4 and landscape in the window.
  static void ChoosePdfA4Landscape(PrinterSetupWindow* window) {
    const int pdf = window->printer_box()->findText(SharedPrinter::PdfPrinterName() + QStringLiteral(" on FILE:"));
    ASSERT_GE(pdf, 0);
    window->printer_box()->setCurrentIndex(pdf);
    const int a4 = window->paper_box()->findText(QStringLiteral("A4"));
    ASSERT_GE(a4, 0);
    window->paper_box()->setCurrentIndex(a4);
    window->landscape_button()->setChecked(true);
  }
};

TEST_F(PrinterSetupWindowTest, OffersThePrintersAndPapersAndShowsTheCurrentChoice) {
  SharedPrinter& printer = TheSharedPrinter();
  ASSERT_TRUE(RunSetup([&printer](PrinterSetupWindow* window) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Printer Setup"));
    QStringList printers, papers;
    for (int i = 0; i < window->printer_box()->count(); ++i) printers << window->printer_box()->itemText(i);
    for (int i = 0; i < window->paper_box()->count(); ++i) papers << window->paper_box()->itemText(i);
    EXPECT_EQ(printers, printer.PrinterNames());
    EXPECT_EQ(papers, printer.PaperNames());
    EXPECT_EQ(window->printer_box()->currentIndex(), printer.PrinterIndex());
    EXPECT_EQ(window->paper_box()->currentText(), printer.CurrentPaperName());
    EXPECT_TRUE(window->portrait_button()->isChecked());
    for (const char* caption : {"OK", "Cancel", "Help"}) {
      EXPECT_NE(Button(window, QLatin1String(caption)), nullptr) << caption;
    }
    Button(window, QStringLiteral("OK"))->click();
  }));
  EXPECT_EQ(printer.CurrentPaperNumber(), 1);  // letter
  EXPECT_EQ(printer.Orientation(), poPortrait);
}

TEST_F(PrinterSetupWindowTest, OkMakesTheChoicesTheSharedSelection) {
  SharedPrinter& printer = TheSharedPrinter();
  ASSERT_TRUE(RunSetup([](PrinterSetupWindow* window) {
    ChoosePdfA4Landscape(window);
    Button(window, QStringLiteral("OK"))->click();
  }));
  EXPECT_TRUE(printer.IsPdfPrinter());
  EXPECT_EQ(printer.CurrentPaperName(), QStringLiteral("A4"));
  EXPECT_EQ(printer.CurrentPaperNumber(), 9);
  EXPECT_EQ(printer.Orientation(), poLandScape);
  EXPECT_NEAR(printer.PageWidth(), 11.69, 0.01);
  EXPECT_NEAR(printer.PageHeight(), 8.27, 0.01);
}

TEST_F(PrinterSetupWindowTest, CancelChangesNothing) {
  SharedPrinter& printer = TheSharedPrinter();
  const int index = printer.PrinterIndex();
  EXPECT_FALSE(RunSetup([](PrinterSetupWindow* window) {
    ChoosePdfA4Landscape(window);
    Button(window, QStringLiteral("Cancel"))->click();
  }));
  EXPECT_EQ(printer.PrinterIndex(), index);
  EXPECT_EQ(printer.CurrentPaperNumber(), 1);  // letter
  EXPECT_EQ(printer.Orientation(), poPortrait);
  EXPECT_NEAR(printer.PageWidth(), 8.5, 0.01);
}

}  // namespace
}  // namespace vellumo
