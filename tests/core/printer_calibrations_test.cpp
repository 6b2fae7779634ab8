// Printer calibrations in the settings file: each printer keeps its own,
// any name works as a key, values come back as written (brought into
// range), and a missing, damaged or out-of-range value means none.
#include <gtest/gtest.h>

#include "core/printer_calibrations.h"
#include "core/settings_file.h"
#include "test_home.h"

namespace vellumo {
namespace {

class PrinterCalibrations : public HomeTest {
 protected:
  void WriteRaw(const QString& key, const QString& value) {
    SettingsFile settings(SettingsFilePath());
    settings.WriteString(QStringLiteral("Printer Calibration"), key, value);
    ASSERT_TRUE(settings.Save());
  }
};

TEST_F(PrinterCalibrations, EachPrinterKeepsItsOwn) {
  const PrinterCalibration laser{0.03, -0.0125, 0.5};
  const PrinterCalibration inkjet{-0.25, 0.1, -1.75};
  ASSERT_TRUE(WritePrinterCalibration("Office Laser", laser));
  ASSERT_TRUE(WritePrinterCalibration("Ink=Jet [2nd floor]; ok", inkjet));
  EXPECT_EQ(ReadPrinterCalibration("Office Laser"), laser);
  EXPECT_EQ(ReadPrinterCalibration("Ink=Jet [2nd floor]; ok"), inkjet);
  EXPECT_EQ(ReadPrinterCalibration("PDF"), PrinterCalibration{});
  EXPECT_EQ(ReadPrinterCalibration(""), PrinterCalibration{});
}

TEST_F(PrinterCalibrations, ValuesAreBroughtIntoRangeBeforeTheyAreStored) {
  ASSERT_TRUE(WritePrinterCalibration("Laser", {0.75, -3, 2.5}));
  EXPECT_EQ(ReadPrinterCalibration("Laser"), (PrinterCalibration{0.5, -0.5, 2}));
  ASSERT_TRUE(WritePrinterCalibration("Laser", {std::nan(""), 0.2, -9}));
  EXPECT_EQ(ReadPrinterCalibration("Laser"), (PrinterCalibration{0, 0.2, -2}));
}

TEST_F(PrinterCalibrations, NoCorrectionRemovesThePrintersKey) {
  ASSERT_TRUE(WritePrinterCalibration("Laser", {0.1, 0.1, 0}));
  ASSERT_TRUE(WritePrinterCalibration("Laser", {}));
  EXPECT_FALSE(SettingsFile(SettingsFilePath()).HasKey("Printer Calibration", "Laser"));
  EXPECT_EQ(ReadPrinterCalibration("Laser"), PrinterCalibration{});
}

TEST_F(PrinterCalibrations, DamagedOrOutOfRangeValuesMeanNone) {
  for (const char* value : {"0.1,0.2", "0.1,0.2,0.3,0.4", "0.1,abc,0", "", "0.1;0.2;0.3", "0.6,0,0", "0,0,2.5",
                            "nan,0,0", "inf,0,0"}) {
    WriteRaw("Laser", QString::fromLatin1(value));
    EXPECT_EQ(ReadPrinterCalibration("Laser"), PrinterCalibration{}) << value;
  }
  WriteRaw("Laser", " 0.5 , -0.5 , 2 ");
  EXPECT_EQ(ReadPrinterCalibration("Laser"), (PrinterCalibration{0.5, -0.5, 2}));
}

TEST_F(PrinterCalibrations, AFailedWriteSaysWhyAndKeepsTheOldValue) {
  ASSERT_TRUE(WritePrinterCalibration("Laser", {0.1, 0, 0}));
  const QByteArray held = BlockSettings();
  QString error;
  EXPECT_FALSE(WritePrinterCalibration("Laser", {0.2, 0, 0}, &error));
  EXPECT_FALSE(error.isEmpty());
  UnblockSettings(held);
  EXPECT_EQ(ReadPrinterCalibration("Laser"), (PrinterCalibration{0.1, 0, 0}));
  EXPECT_FALSE(WritePrinterCalibration("", {0.2, 0, 0}, &error));
}

}  // namespace
}  // namespace vellumo
