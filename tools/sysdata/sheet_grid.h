// The one grid a stock row can describe: `across` by `down` labels at even
// pitches, with an optional extra gap in the middle of the sheet. Column c
// (from 0) lies at left + c * horizontal_pitch, plus middle_extra_x when
// c + 1 > across / 2 (integer division); rows likewise.
#pragma once

#include <vector>

#include "label_template.h"
#include "xbase/status.h"

namespace sysdata {

struct SheetGrid {
  int across = 0;
  int down = 0;
  double left = 0;
  double top = 0;
  double horizontal_pitch = 0;
  double vertical_pitch = 0;
  double middle_extra_x = 0;
  double middle_extra_y = 0;
};

// Positions closer than this (inches) are taken as the same.
inline constexpr double kGridTolerance = 0.002;

// Fits the labels of all `layouts` of a template, each label_width by
// label_height, to one SheetGrid; a layout repeated word for word counts
// once. A single row or column gets the label's own size as its pitch. NotSupported, saying why, when the labels do not
// form such a grid (staggered blocks, overlapping labels).
xbase::Status FitSheetGrid(const std::vector<GridLayout>& layouts, double label_width,
                           double label_height, SheetGrid* grid);

}  // namespace sysdata
