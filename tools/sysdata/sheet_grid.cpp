// Fitting template layouts to a single grid with a middle gap.
#include "sheet_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

namespace sysdata {
namespace {

// More labels than any sheet holds; such layouts are refused before they
// are laid out one by one.
constexpr int64_t kMaxCells = 10000;

// How far a label may reach into its neighbour's place: templates round
// label sizes and pitches separately (147.4 pt labels at a 147 pt pitch).
constexpr double kOverlapTolerance = 0.01;

bool Near(double a, double b) { return std::fabs(a - b) <= kGridTolerance; }

bool SameLayout(const GridLayout& a, const GridLayout& b) {
  return a.nx == b.nx && a.ny == b.ny && Near(a.x0, b.x0) && Near(a.y0, b.y0) &&
         Near(a.dx, b.dx) && Near(a.dy, b.dy);
}

// The layouts with repetitions of an earlier one left out.
std::vector<GridLayout> DistinctLayouts(const std::vector<GridLayout>& layouts) {
  std::vector<GridLayout> distinct;
  for (const GridLayout& l : layouts) {
    auto same = [&](const GridLayout& d) { return SameLayout(d, l); };
    if (std::none_of(distinct.begin(), distinct.end(), same)) distinct.push_back(l);
  }
  return distinct;
}

// Distinct values, ascending; values within the tolerance of the previous
// distinct value are merged into it.
std::vector<double> DistinctPositions(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::vector<double> distinct;
  for (double v : values) {
    if (distinct.empty() || !Near(v, distinct.back())) distinct.push_back(v);
  }
  return distinct;
}

size_t IndexOf(const std::vector<double>& distinct, double v) {
  size_t i = 0;
  while (!Near(distinct[i], v)) ++i;  // v is one of the merged values
  return i;
}

struct Axis {
  double start = 0;
  double pitch = 0;
  double middle_extra = 0;
};

// Positions along one axis as start + i * pitch, plus middle_extra from
// index n / 2 on.
xbase::Status FitAxis(const std::vector<double>& positions, double label_extent, const char* name,
                      Axis* axis) {
  const size_t n = positions.size();
  axis->start = positions[0];
  axis->pitch = label_extent;
  axis->middle_extra = 0;
  if (n == 1) return xbase::Status::OK();
  std::vector<double> steps;
  for (size_t i = 1; i < n; ++i) steps.push_back(positions[i] - positions[i - 1]);
  const size_t middle = n / 2 - 1;  // the step before the first column with the extra gap
  const size_t regular = middle == 0 ? steps.size() - 1 : 0;
  axis->pitch = steps[regular];
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i != middle && !Near(steps[i], axis->pitch)) {
      return xbase::Status::NotSupported(std::string("uneven ") + name + " pitch");
    }
  }
  axis->middle_extra = steps[middle] - axis->pitch;
  if (Near(axis->middle_extra, 0)) axis->middle_extra = 0;
  if (axis->pitch < label_extent - kOverlapTolerance || axis->middle_extra < 0) {
    return xbase::Status::NotSupported(std::string("labels overlap ") + name);
  }
  return xbase::Status::OK();
}

}  // namespace

xbase::Status FitSheetGrid(const std::vector<GridLayout>& all_layouts, double label_width,
                           double label_height, SheetGrid* grid) {
  const std::vector<GridLayout> layouts = DistinctLayouts(all_layouts);
  int64_t cell_count = 0;
  for (const GridLayout& l : layouts) {
    cell_count += static_cast<int64_t>(std::max(l.nx, 0)) * std::max(l.ny, 0);
    if (cell_count > kMaxCells) return xbase::Status::NotSupported("too many labels");
  }
  std::vector<std::pair<double, double>> cells;
  for (const GridLayout& l : layouts) {
    for (int c = 0; c < l.nx; ++c) {
      for (int r = 0; r < l.ny; ++r) cells.emplace_back(l.x0 + c * l.dx, l.y0 + r * l.dy);
    }
  }
  if (cells.empty()) return xbase::Status::NotSupported("no layout");
  std::vector<double> xs, ys;
  for (const auto& [x, y] : cells) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
      return xbase::Status::NotSupported("a label position out of range");
    }
    xs.push_back(x);
    ys.push_back(y);
  }
  xs = DistinctPositions(std::move(xs));
  ys = DistinctPositions(std::move(ys));
  std::set<std::pair<size_t, size_t>> occupied;
  for (const auto& [x, y] : cells) {
    if (!occupied.emplace(IndexOf(xs, x), IndexOf(ys, y)).second) {
      return xbase::Status::NotSupported("two labels at one place");
    }
  }
  if (occupied.size() != xs.size() * ys.size()) {
    return xbase::Status::NotSupported("staggered layouts");
  }
  Axis horizontal, vertical;
  XBASE_RETURN_IF_ERROR(FitAxis(xs, label_width, "across", &horizontal));
  XBASE_RETURN_IF_ERROR(FitAxis(ys, label_height, "down", &vertical));
  grid->across = static_cast<int>(xs.size());
  grid->down = static_cast<int>(ys.size());
  grid->left = horizontal.start;
  grid->top = vertical.start;
  grid->horizontal_pitch = horizontal.pitch;
  grid->vertical_pitch = vertical.pitch;
  grid->middle_extra_x = horizontal.middle_extra;
  grid->middle_extra_y = vertical.middle_extra;
  return xbase::Status::OK();
}

}  // namespace sysdata
