// Fixture of the printing tests: a fresh application home with the built-in
// PDF printer selected and reset, and a path for the job's PDF file.
#pragma once

#include <gtest/gtest.h>

#include "printing/windows/shared_printer.h"
#include "test_home.h"

namespace vellumo {

// Selects the built-in PDF printer with its default settings.
inline ::testing::AssertionResult UseThePdfPrinter() {
  if (!TheSharedPrinter().SelectPrinterByName(SharedPrinter::PdfPrinterName(), true)) {
    return ::testing::AssertionFailure() << "the built-in PDF printer cannot be selected";
  }
  TheSharedPrinter().Reset();
  return ::testing::AssertionSuccess();
}

class PdfJobTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    ASSERT_TRUE(UseThePdfPrinter());
  }
  QString Pdf() const { return dir_.filePath(QStringLiteral("job.pdf")); }
};

}  // namespace vellumo
