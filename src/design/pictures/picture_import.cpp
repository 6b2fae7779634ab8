// Converting image files to bitmap pictures.
#include "design/pictures/picture_import.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "design/pictures/bitmap_file.h"
#include "design/pictures/byte_reader.h"
#include "design/pictures/enhanced_metafile.h"
#include "design/pictures/windows_metafile.h"

namespace vellumo {
namespace {

bool LooksLikeSvg(const QByteArray& file) {
  QByteArray start = file.left(1024).trimmed();
  if (start.startsWith("\x1f\x8b")) return true;  // compressed SVG
  return start.startsWith("<?xml") ? start.contains("<svg") : start.startsWith("<svg");
}

// `size` scaled down, keeping its proportions, so that no side exceeds the cap.
QSize Capped(QSizeF size) {
  double longest = std::max(size.width(), size.height());
  if (longest > kImportMaxPixels) size *= kImportMaxPixels / longest;
  return QSize(std::max(1, static_cast<int>(std::lround(size.width()))),
               std::max(1, static_cast<int>(std::lround(size.height()))));
}

double DotsPerInch(QSize pixels, QSizeF placed_inches) {
  return placed_inches.width() > 0 ? pixels.width() / placed_inches.width() : 96;
}

bool IsMetafile(const QByteArray& file) {
  ByteReader r(file);
  uint32_t first = r.u32();
  if (first == kPlaceableMetafileKey) return true;
  r.skip(4 * 9);  // record size, bounds and frame
  return first == 1 && r.u32() == kEnhancedMetafileSignature;
}

bool IsIcon(const QByteArray& file) { return file.startsWith(QByteArray("\0\0\1\0", 4)); }

}  // namespace

PictureRead LoadPictureFile(const QByteArray& file, QSizeF placed_inches) {
  if (file.startsWith("BM")) return DesignPicture::fromContent(QStringLiteral("TBitmap"), file);
  if (IsMetafile(file)) return DesignPicture::fromContent(QStringLiteral("TMetafile"), file);
  if (IsIcon(file)) return DesignPicture::fromContent(QStringLiteral("TIcon"), file);
  return ImportImageFile(file, placed_inches);
}

PictureRead ImportImageFile(const QByteArray& file, QSizeF placed_inches) {
  const bool placed = placed_inches.width() > 0 && placed_inches.height() > 0;
  if (!placed) placed_inches = QSizeF();
  QImage image;
  if (LooksLikeSvg(file)) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return PictureRead{std::nullopt, QStringLiteral("the SVG image cannot be read")};
    QSizeF size = placed ? placed_inches * kImportDotsPerInch : QSizeF(renderer.defaultSize());
    image = QImage(Capped(size), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(), QSizeF(image.size())));
  } else {
    image = QImage::fromData(file);
    if (image.isNull()) return PictureRead{std::nullopt, QStringLiteral("the image file cannot be read")};
    // Enough pixels for the more demanding side; never more than the file has.
    double k = 1;
    if (placed) {
      k = std::min(1.0, std::max(placed_inches.width() * kImportDotsPerInch / image.width(),
                                 placed_inches.height() * kImportDotsPerInch / image.height()));
    }
    QSize size = Capped(QSizeF(image.size()) * k);
    if (size != image.size()) image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return DesignPicture::fromContent(QStringLiteral("TBitmap"),
                                    EncodeBitmapFile(image, DotsPerInch(image.size(), placed_inches)));
}

}  // namespace vellumo
