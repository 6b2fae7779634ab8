// Choosing the positions of a sheet to print.
#include "labels/setup/sheet_position_mask.h"

#include <algorithm>
#include <string>

namespace vellumo {

xbase::Status CheckSheetPositions(const StockGeometry& geometry) {
  const int count = geometry.CellCount();
  if (count <= kSheetPositionLimit) return xbase::Status::OK();
  return xbase::Status::InvalidArgument("This label sheet has " + std::to_string(count) +
                                        " labels; at most " + std::to_string(kSheetPositionLimit) +
                                        " labels per sheet can be printed");
}

bool SheetPositionMask::IsSelected(int index) const {
  return InRange(index) && flags_.test(static_cast<size_t>(index));
}

void SheetPositionMask::SetSelected(int index, bool selected) {
  if (InRange(index)) flags_.set(static_cast<size_t>(index), selected);
}

void SheetPositionMask::Toggle(int index) {
  if (InRange(index)) flags_.flip(static_cast<size_t>(index));
}

bool SheetPositionMask::AnySelected(int cell_count) const {
  const int end = std::clamp(cell_count, 0, kSheetPositionLimit);
  for (int index = 0; index < end; ++index) {
    if (flags_.test(static_cast<size_t>(index))) return true;
  }
  return false;
}

}  // namespace vellumo
