// Design unit conversions.
#include "design/model/design_units.h"

#include <cmath>

namespace vellumo::design {

int UnitsFromInches(double inches) {
  // The default rounding mode rounds halves to even.
  return static_cast<int>(std::nearbyint(inches * kScreenPpi));
}

QRectF ViewRect(const QRect& units, float zoom) {
  return QRectF(units.x() * double(zoom), units.y() * double(zoom), units.width() * double(zoom),
                units.height() * double(zoom));
}

}  // namespace vellumo::design
