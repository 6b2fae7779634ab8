// The stock new label set-ups start from ("Avery 5160  Address"), as the
// geometry the stock editor is given.
#pragma once

#include "labels/stock/stock_geometry.h"

namespace vellumo {

inline StockGeometry AddressStock() {
  StockGeometry g;
  g.label_height = 1;
  g.label_width = 2.625;
  g.across = 3;
  g.down = 10;
  g.top_margin = 0.5;
  g.left_margin = 0.188;
  g.horizontal_pitch = 2.765;
  g.vertical_pitch = 1.01;
  g.sheet_width = 8.5;
  g.sheet_depth = 11;
  g.paper_size = "LTR";
  g.shape = "RR";
  return g;
}

}  // namespace vellumo
