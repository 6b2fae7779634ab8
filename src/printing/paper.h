// Paper sizes by the printer paper numbers the designs store (1 letter,
// 9 A4, 11 A5, 19 to 38 the envelopes) or custom sizes, and the metrics of
// a page a job is drawn on.
#pragma once

#include <QMarginsF>
#include <QPageSize>

#include "printing/length.h"

namespace vellumo {

inline constexpr int kCustomPaper = 0;

// A custom size is requested in tenths of a millimetre: inches × 254, rounded.
int TenthsOfMillimetre(Length length);

// The page size of a paper number, or of width × height when the number
// is kCustomPaper; an invalid size for numbers no printer knows.
QPageSize PaperSize(int code, Length width, Length height);

// What a destination draws on: the paper in its orientation, the device's
// resolution and the strips along the edges the device cannot reach.
struct PageMetrics {
  Length width = Length::Inches(8.5);
  Length height = Length::Inches(11);
  double dpi = 600;
  Length unprintable_left, unprintable_top, unprintable_right, unprintable_bottom;

  // The strips as inch margins.
  [[nodiscard]] QMarginsF UnprintableInches() const {
    return QMarginsF(unprintable_left.inches(), unprintable_top.inches(), unprintable_right.inches(),
                     unprintable_bottom.inches());
  }
};

}  // namespace vellumo
