// How a printer's output is corrected so that it lands where it was drawn:
// every position on the paper is moved and stretched about the paper's
// top-left corner, x' = offset + x × (1 + scale / 100), and every size
// stretched alike. Kept to small corrections, since a larger one means a
// wrong paper or printer setting rather than a drifting feed.
#pragma once

#include <algorithm>
#include <cmath>

namespace vellumo {

inline constexpr double kMaxCalibrationOffset = 0.5;        // inches, either way
inline constexpr double kMaxCalibrationScalePercent = 2.0;  // either way

struct PrinterCalibration {
  double offset_x = 0;  // inches; positive moves the output right
  double offset_y = 0;  // inches; positive moves the output down
  double scale_percent = 0;

  [[nodiscard]] bool IsNone() const { return offset_x == 0 && offset_y == 0 && scale_percent == 0; }
  bool operator==(const PrinterCalibration&) const = default;
};

// Each value brought into its range; a value that is not a number is 0.
[[nodiscard]] inline PrinterCalibration ClampedCalibration(const PrinterCalibration& c) {
  const auto clamp = [](double value, double limit) {
    return std::isfinite(value) ? std::clamp(value, -limit, limit) : 0.0;
  };
  return {clamp(c.offset_x, kMaxCalibrationOffset), clamp(c.offset_y, kMaxCalibrationOffset),
          clamp(c.scale_percent, kMaxCalibrationScalePercent)};
}

}  // namespace vellumo
