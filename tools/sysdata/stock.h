// One row of the label-stock catalogue (LBLTPL.DBF). Lengths in inches;
// text in Windows-1252, the tables' code page, already cut to field widths.
#pragma once

#include <string>

namespace sysdata {

// Field widths of the catalogue's character fields.
inline constexpr size_t kDescriptionWidth = 60;
inline constexpr size_t kMakerWidth = 10;

struct Stock {
  std::string description;    // "Avery 5160  Address": maker, part, two blanks, kind
  std::string printer;        // LJ laser, IJ ink-jet, DM dot-matrix, LP label printer
  double label_height = 0;
  double label_width = 0;
  int across = 0;
  int down = 0;
  double top_margin = 0;
  double left_margin = 0;
  double horizontal_pitch = 0;
  double vertical_pitch = 0;
  double sheet_width = 0;
  double sheet_depth = 0;
  std::string paper_size;     // LTR LTRL A4 A4L A5 USERP USERL
  std::string shape;          // RR rounded rectangle, SR rectangle, EL round or elliptical
  std::string maker;          // upper case
  std::string product_type;   // "ADDRESS/SHIPPING LABELS", ...
  double middle_extra_x = 0;
  double middle_extra_y = 0;
};

}  // namespace sysdata
