// Paper numbers to page sizes.
#include "printing/paper.h"

#include <QSizeF>
#include <cmath>

namespace vellumo {

int TenthsOfMillimetre(double inches) { return static_cast<int>(std::lround(inches * 254.0)); }

QPageSize PaperSize(int code, double width_inches, double height_inches) {
  if (code == kCustomPaper) {
    if (width_inches <= 0 || height_inches <= 0) return QPageSize();
    const QSizeF tenths(TenthsOfMillimetre(width_inches), TenthsOfMillimetre(height_inches));
    return QPageSize(tenths / 10.0, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
  }
  const QPageSize::PageSizeId id = QPageSize::id(code);
  if (id == QPageSize::Custom) return QPageSize();
  return QPageSize(id);
}

}  // namespace vellumo
