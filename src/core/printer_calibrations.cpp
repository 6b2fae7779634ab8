// Reading and writing printer calibrations in the settings file.
#include "core/printer_calibrations.h"

#include <QStringList>
#include <QUrl>

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

const QString kSection = QStringLiteral("Printer Calibration");
constexpr int kDecimals = 4;

QString KeyOf(const QString& printer_name) { return QString::fromLatin1(QUrl::toPercentEncoding(printer_name)); }

}  // namespace

PrinterCalibration ReadPrinterCalibration(const QString& printer_name) {
  if (printer_name.isEmpty()) return {};
  const QString text = SettingsFile(SettingsFilePath()).ReadString(kSection, KeyOf(printer_name), QString());
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 3) return {};
  double values[3];
  for (int i = 0; i < 3; ++i) {
    bool ok = false;
    values[i] = parts[i].trimmed().toDouble(&ok);
    if (!ok) return {};
  }
  const PrinterCalibration read{values[0], values[1], values[2]};
  // Out of range means the file was edited by hand: rather no correction
  // than one nobody chose.
  return ClampedCalibration(read) == read ? read : PrinterCalibration{};
}

bool WritePrinterCalibration(const QString& printer_name, const PrinterCalibration& calibration, QString* error) {
  if (printer_name.isEmpty()) {
    if (error) *error = QStringLiteral("No printer is named.");
    return false;
  }
  const PrinterCalibration c = ClampedCalibration(calibration);
  SettingsFile settings(SettingsFilePath());
  if (c.IsNone()) {
    settings.RemoveKey(kSection, KeyOf(printer_name));
  } else {
    const auto number = [](double value) { return QString::number(value, 'f', kDecimals); };
    settings.WriteString(kSection, KeyOf(printer_name),
                         number(c.offset_x) + QLatin1Char(',') + number(c.offset_y) + QLatin1Char(',') +
                             number(c.scale_percent));
  }
  if (settings.Save()) return true;
  if (error) *error = settings.error();
  return false;
}

}  // namespace vellumo
