// The calibration sheet of a label stock, printed on plain paper and laid
// over a sheet of labels against the light: every label position
// outlined, a crosshair on each label corner, and a ruler an inch long each
// way, so that the user can read how far and how much off the printer is.
#pragma once

#include <QString>

#include "labels/stock/stock_geometry.h"
#include "printing/base_report.h"

namespace vellumo {

// Crosshair arms reach this far (inches) from a corner each way.
inline constexpr double kCrosshairArm = 0.125;
// The rulers are marked every eighth of an inch.
inline constexpr int kRulerMarksPerInch = 8;

// "Avery 5160  Address: offset x 0.030 in, offset y -0.010 in, scale 0.50 %".
QString CalibrationCaption(const QString& stock_description, const PrinterCalibration& calibration);

// Draws the sheet on the current page of a running job, with `caption`
// (the stock and the values in use) above the rulers in the page's
// middle. REQUIRES: a running job.
void DrawCalibrationSheet(TBaseReport& report, const StockGeometry& geometry, const QString& caption);

// A job of one page: the sheet drawn with `calibration`. Sets the report's
// OnPrint and calibration, runs it and returns Execute's result.
bool PrintCalibrationSheet(TBaseReport& report, const StockGeometry& geometry, const PrinterCalibration& calibration,
                           const QString& caption);

}  // namespace vellumo
