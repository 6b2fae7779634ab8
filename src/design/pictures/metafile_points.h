// Point lists as both metafile formats store them: x then y, 16 or 32
// bits a coordinate.
#pragma once

#include <QPolygonF>

#include "design/pictures/byte_reader.h"

namespace vellumo {

// Reads `count` points; when the record holds fewer, reads none and
// leaves the reader overrun, so that the record counts as damaged.
QPolygonF ReadPoints(ByteReader& r, qint64 count, bool short_coordinates);

}  // namespace vellumo
