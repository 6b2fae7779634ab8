// Drawing the calibration sheet.
#include "labels/calibration/calibration_sheet.h"

#include <vector>

#include "printing/drawing_styles.h"

namespace vellumo {
namespace {

// Lines a hundredth of an inch wide, whatever the device.
constexpr int kHairline = -1;
constexpr double kLongMark = 0.125;
constexpr double kShortMark = 0.0625;
constexpr double kCaptionPoints = 9;

void Line(TBaseReport& report, double x1, double y1, double x2, double y2) {
  report.MoveTo(x1, y1);
  report.LineTo(x2, y2);
}

void Crosshair(TBaseReport& report, double x, double y) {
  Line(report, x - kCrosshairArm, y, x + kCrosshairArm, y);
  Line(report, x, y - kCrosshairArm, x, y + kCrosshairArm);
}

// An inch along x from (x, y) with its marks below it, and along y with
// its marks to the right.
void Rulers(TBaseReport& report, double x, double y) {
  Line(report, x, y, x + 1, y);
  Line(report, x, y, x, y + 1);
  for (int mark = 0; mark <= kRulerMarksPerInch; ++mark) {
    const double at = double(mark) / kRulerMarksPerInch;
    const double length = mark % (kRulerMarksPerInch / 2) == 0 ? kLongMark : kShortMark;
    Line(report, x + at, y, x + at, y + length);
    Line(report, x, y + at, x + length, y + at);
  }
}

}  // namespace

QString CalibrationCaption(const QString& stock_description, const PrinterCalibration& calibration) {
  return QStringLiteral("%1: offset x %2 in, offset y %3 in, scale %4 %")
      .arg(stock_description)
      .arg(calibration.offset_x, 0, 'f', 3)
      .arg(calibration.offset_y, 0, 'f', 3)
      .arg(calibration.scale_percent, 0, 'f', 2);
}

void DrawCalibrationSheet(TBaseReport& report, const StockGeometry& geometry, const QString& caption) {
  report.SetPen(Qt::black, psSolid, pmCopy, kHairline);
  report.SetBrush(Qt::white, bsClear);
  std::vector<QRectF> outlines;
  for (int i = 0; i < geometry.CellCount(); ++i) {
    const CellOrigin at = geometry.CellAt(i);
    outlines.emplace_back(at.x, at.y, geometry.label_width, geometry.label_height);
  }
  report.DrawRectangles(outlines);
  for (const QRectF& cell : outlines) {
    for (const QPointF& corner : {cell.topLeft(), cell.topRight(), cell.bottomLeft(), cell.bottomRight()}) {
      Crosshair(report, corner.x(), corner.y());
    }
  }
  const double middle_x = report.PageWidth() / 2;
  const double middle_y = report.PageHeight() / 2;
  Rulers(report, middle_x - 0.5, middle_y - 0.5);
  report.SetFont(QStringLiteral("Arial"), kCaptionPoints);
  report.MoveCursor(middle_x, middle_y - 0.5 - report.LineHeight());
  report.PrintCenterAt(caption, middle_x);
  report.MoveCursor(middle_x, middle_y + 0.5 + report.LineHeight());
  report.PrintCenterAt(QStringLiteral("1 inch"), middle_x);
}

bool PrintCalibrationSheet(TBaseReport& report, const StockGeometry& geometry, const PrinterCalibration& calibration,
                           const QString& caption) {
  report.SetCalibration(calibration);
  report.OnPrint = [&geometry, &caption](TBaseReport& r) { DrawCalibrationSheet(r, geometry, caption); };
  const bool printed = report.Execute();
  report.OnPrint = nullptr;
  return printed;
}

}  // namespace vellumo
