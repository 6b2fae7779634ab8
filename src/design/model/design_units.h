// Design units: one screen pixel at zoom 1.0 on a display of ScreenPPI
// pixels per inch. Object bounds are always kept in these units at zoom
// 1.0; a zoom is only a view transform, so zooming never moves objects.
#pragma once

#include <QRect>
#include <QRectF>

#include "design/screen_ppi.h"

namespace vellumo::design {

inline constexpr int kScreenPpi = static_cast<int>(vellumo::kScreenPpi);

// round(inches × ScreenPPI), halves to even.
int UnitsFromInches(double inches);
inline double InchesFromUnits(double units) { return units / kScreenPpi; }

// Where a rectangle of design units lies in a view at `zoom`.
QRectF ViewRect(const QRect& units, float zoom);

}  // namespace vellumo::design
