// Placing the cells of a label sheet.
#include "labels/stock/stock_geometry.h"

namespace vellumo {

CellOrigin StockGeometry::Cell(int column, int row) const {
  CellOrigin origin{left_margin + column * horizontal_pitch, top_margin + row * vertical_pitch};
  if (middle_extra_x > 0 && column + 1 > across / 2) origin.x += middle_extra_x;
  if (middle_extra_y > 0 && row + 1 > down / 2) origin.y += middle_extra_y;
  return origin;
}

bool StockGeometry::IsLandscape() const { return paper_size == "LTRL" || paper_size == "A4L" || paper_size == "USERL"; }

}  // namespace vellumo
