// The display resolution design units are measured at: one design unit is
// one screen pixel at 100 % zoom on a display of this many logical pixels
// per inch. Fixed, so that stored designs keep their printed size.
#pragma once

namespace vellumo {

inline constexpr double kScreenPpi = 96;

}  // namespace vellumo
