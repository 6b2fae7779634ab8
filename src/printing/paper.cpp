// Paper numbers to page sizes.
#include "printing/paper.h"

#include <QSizeF>
#include <cmath>

namespace vellumo {

int TenthsOfMillimetre(Length length) { return static_cast<int>(std::lround(length.inches() * 254.0)); }

QPageSize PaperSize(int code, Length width, Length height) {
  if (code == kCustomPaper) {
    if (width <= Length() || height <= Length()) return QPageSize();
    const QSizeF tenths(TenthsOfMillimetre(width), TenthsOfMillimetre(height));
    return QPageSize(tenths / 10.0, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
  }
  const QPageSize::PageSizeId id = QPageSize::id(code);
  if (id == QPageSize::Custom) return QPageSize();
  return QPageSize(id);
}

}  // namespace vellumo
