// The geometry of a label stock: one label's size, how many stand across
// and down the sheet, where the first begins, the pitches from one label
// to the next, the extra gaps in the middle of the sheet, and the paper.
// Every length is in inches. Designs, set-ups, printing and the stock
// catalogue all place labels by this one rule.
#pragma once

#include <string>

namespace vellumo {

// Where a label stands on the sheet (inches from the paper's top-left corner).
struct CellOrigin {
  double x = 0;
  double y = 0;
  bool operator==(const CellOrigin&) const = default;
};

struct StockGeometry {
  double label_height = 0;
  double label_width = 0;
  int across = 0;
  int down = 0;
  double top_margin = 0;
  double left_margin = 0;
  double horizontal_pitch = 0;
  double vertical_pitch = 0;
  double sheet_width = 0;  // as the sheet is laid out: the long side for a landscape stock
  double sheet_depth = 0;
  double middle_extra_x = 0;  // 0 when the sheet has no gap in its middle
  double middle_extra_y = 0;
  std::string paper_size;  // paper code: LTR LTRL A4 A4L A5 USERP USERL
  std::string shape;       // label outline code: RR, SR, EL

  // Cells are numbered row by row: index = column + row × across.
  int CellCount() const { return across > 0 && down > 0 ? across * down : 0; }
  // The top-left corner of the label in `column` and `row` (from 0): the
  // extra middle gaps are added in the right and lower halves, which
  // with an odd count begin at the middle column or row.
  CellOrigin Cell(int column, int row) const;
  // REQUIRES: 0 <= index < CellCount().
  CellOrigin CellAt(int index) const { return Cell(index % across, index / across); }
  // Whether the paper is turned: the codes LTRL, A4L and USERL.
  bool IsLandscape() const;

  bool operator==(const StockGeometry&) const = default;
};

}  // namespace vellumo
