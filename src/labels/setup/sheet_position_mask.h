// The positions of a sheet chosen for printing: one flag per label cell,
// numbered row by row (index = column + row × across), for sheets of up
// to 200 labels.
#pragma once

#include <bitset>
#include <cstddef>

#include "labels/stock/stock_geometry.h"
#include "xbase/status.h"

namespace vellumo {

// The most labels a sheet may hold for its positions to be chosen and
// printed.
inline constexpr int kSheetPositionLimit = 200;

// OK when every position of the sheet has a flag; InvalidArgument,
// naming the count, for a sheet of more labels.
xbase::Status CheckSheetPositions(const StockGeometry& geometry);

class SheetPositionMask {
 public:
  // Every position starts chosen.
  SheetPositionMask() { SelectAll(); }

  static int IndexOf(int column, int row, int across) { return column + row * across; }

  // Positions outside 0 .. kSheetPositionLimit - 1 are never chosen and
  // cannot be switched.
  [[nodiscard]] bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  void Toggle(int index);
  void SelectAll() { flags_.set(); }
  void SelectNone() { flags_.reset(); }

  // Whether any of the first `cell_count` positions (a sheet's cells) is
  // chosen: positions beyond the sheet print nothing.
  [[nodiscard]] bool AnySelected(int cell_count) const;

  bool operator==(const SheetPositionMask&) const = default;

 private:
  static bool InRange(int index) { return index >= 0 && index < kSheetPositionLimit; }

  std::bitset<kSheetPositionLimit> flags_;
};

}  // namespace vellumo
