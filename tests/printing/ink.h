// Where the ink lies on a rendered page: the bounding box of its dark
// pixels, and how many pixels of a region have a given colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace vellumo {

inline QRect InkBox(const QImage& page, int darker_than = 128) {
  QRect box;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (qGray(page.pixel(x, y)) < darker_than) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

inline int PixelsOfColor(const QImage& page, const QRect& region, QColor color, int tolerance = 40) {
  int count = 0;
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (std::abs(c.red() - color.red()) <= tolerance && std::abs(c.green() - color.green()) <= tolerance &&
          std::abs(c.blue() - color.blue()) <= tolerance) {
        ++count;
      }
    }
  }
  return count;
}

// Pixels whose grey levels differ by more than `threshold`.
inline int DifferingPixels(const QImage& a, const QImage& b, int threshold = 64) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > threshold) ++differing;
    }
  }
  return differing;
}

}  // namespace vellumo
