// One printed bar of a postal barcode: a filled rectangle in inches,
// relative to the top-left corner of the barcode object. Design objects
// add their own inch origin and draw each bar with the canvas's
// DrawRectangle(left, top, left + width, top + height).
#pragma once

#include <vector>

namespace vellumo {

struct Bar {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  [[nodiscard]] double right() const { return left + width; }
  [[nodiscard]] double bottom() const { return top + height; }
};

using Bars = std::vector<Bar>;

}  // namespace vellumo
