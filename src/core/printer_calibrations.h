// The calibration of each printer in the settings file: section
// "Printer Calibration", one key per printer (its name, percent-encoded so
// that any name makes a valid key) holding "offset x,offset y,scale %"
// with four decimals. A printer without a key, or with a value that is not
// three numbers within their ranges, prints without correction.
#pragma once

#include <QString>

#include "printing/printer_calibration.h"

namespace vellumo {

[[nodiscard]] PrinterCalibration ReadPrinterCalibration(const QString& printer_name);
// Stores the calibration brought into its range; no correction removes
// the printer's key. False, with the reason in `error` when given, when
// the name is empty or the file cannot be written.
bool WritePrinterCalibration(const QString& printer_name, const PrinterCalibration& calibration,
                             QString* error = nullptr);

}  // namespace vellumo
