// Point lists of metafile records.
#include "design/pictures/metafile_points.h"

namespace vellumo {

QPolygonF ReadPoints(ByteReader& r, qint64 count, bool short_coordinates) {
  QPolygonF points;
  if (count < 0 || !r.has((short_coordinates ? 4 : 8) * count)) {
    r.skip(r.remaining() + 1);
    return points;
  }
  points.reserve(count);
  for (qint64 i = 0; i < count; ++i) {
    double x = short_coordinates ? r.i16() : r.i32();
    double y = short_coordinates ? r.i16() : r.i32();
    points.append(QPointF(x, y));
  }
  return points;
}

}  // namespace vellumo
