// Decoding metafile bitmaps and encoding 24-bit bitmap files.
#include "design/pictures/bitmap_file.h"

#include <QPainter>
#include <QtEndian>
#include <cmath>

#include "design/pictures/byte_reader.h"

namespace vellumo {
namespace {

constexpr uint32_t kCoreHeaderSize = 12;  // the oldest header: 16-bit sizes, 3-byte colours
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;
// A picture bitmap beyond this many pixels is taken as damage, not art.
constexpr qint64 kMaxPixels = 64ll * 1024 * 1024;

void PutU16(QByteArray& out, uint16_t value) {
  char b[2];
  qToLittleEndian(value, b);
  out.append(b, 2);
}

void PutU32(QByteArray& out, uint32_t value) {
  char b[4];
  qToLittleEndian(value, b);
  out.append(b, 4);
}

// Bytes of the colour table (and colour masks) after a header; -1 when the
// header is not one this reader knows or names an impossible size.
qint64 ColourTableSize(QByteArrayView info) {
  ByteReader r(info);
  uint32_t header_size = r.u32();
  if (header_size == kCoreHeaderSize) {
    r.skip(2 + 2 + 2);  // width, height, planes
    uint16_t bit_count = r.u16();
    if (r.overrun()) return -1;
    return bit_count <= 8 ? 3ll << bit_count : 0;
  }
  if (header_size < kInfoHeaderSize) return -1;
  int32_t width = r.i32();
  int32_t height = r.i32();
  r.skip(2);  // planes
  uint16_t bit_count = r.u16();
  uint32_t compression = r.u32();
  r.skip(4 + 4 + 4);  // image size, resolutions
  uint32_t colours_used = r.u32();
  if (r.overrun() || width <= 0 || height == 0) return -1;
  qint64 rows = std::abs(static_cast<qint64>(height));
  if (width > kMaxPixels / rows) return -1;
  if (colours_used > 256 && bit_count <= 8) return -1;
  qint64 colours = colours_used != 0 ? colours_used : (bit_count <= 8 ? 1ll << bit_count : 0);
  qint64 masks = 0;
  if (header_size == kInfoHeaderSize && compression == kBitFields) masks = 12;
  if (header_size == kInfoHeaderSize && compression == kAlphaBitFields) masks = 16;
  return masks + 4 * colours;
}

QImage DecodeWithFileHeader(QByteArrayView info, QByteArrayView bits, qint64 bits_offset) {
  QByteArray file;
  file.reserve(kBitmapFileHeaderSize + info.size() + bits.size());
  file.append("BM", 2);
  PutU32(file, static_cast<uint32_t>(kBitmapFileHeaderSize + info.size() + bits.size()));
  PutU32(file, 0);
  PutU32(file, static_cast<uint32_t>(kBitmapFileHeaderSize + bits_offset));
  file.append(info.data(), info.size());
  file.append(bits.data(), bits.size());
  return QImage::fromData(file, "BMP");
}

}  // namespace

QImage DecodePackedBitmap(QByteArrayView dib) {
  qint64 table = ColourTableSize(dib);
  if (table < 0) return {};
  ByteReader r(dib);
  qint64 bits_offset = r.u32() + table;
  if (bits_offset > dib.size()) return {};
  return DecodeWithFileHeader(dib, {}, bits_offset);
}

QImage DecodeBitmap(QByteArrayView info, QByteArrayView bits) {
  qint64 table = ColourTableSize(info);
  if (table < 0) return {};
  ByteReader r(info);
  if (r.u32() + table > info.size()) return {};
  return DecodeWithFileHeader(info, bits, info.size());
}

QRectF ImageSourceRect(QByteArrayView info, const QImage& image, const QRectF& source) {
  ByteReader r(info);
  uint32_t header_size = r.u32();
  r.skip(4);  // width
  bool bottom_up = header_size == kCoreHeaderSize || r.i32() > 0;
  if (!bottom_up) return source;
  return QRectF(source.x(), image.height() - source.y() - source.height(), source.width(), source.height());
}

QByteArray EncodeBitmapFile(const QImage& image, double dots_per_inch) {
  QImage flat(image.size(), QImage::Format_RGB888);
  flat.fill(Qt::white);
  {
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
  }
  const int width = flat.width();
  const int height = flat.height();
  const int row_bytes = (width * 3 + 3) & ~3;
  const uint32_t pixel_bytes = static_cast<uint32_t>(row_bytes) * height;
  const uint32_t pixels_offset = kBitmapFileHeaderSize + kInfoHeaderSize;
  const auto per_metre = static_cast<uint32_t>(std::lround(dots_per_inch / 0.0254));

  QByteArray out;
  out.reserve(pixels_offset + pixel_bytes);
  out.append("BM", 2);
  PutU32(out, pixels_offset + pixel_bytes);
  PutU32(out, 0);
  PutU32(out, pixels_offset);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);   // planes
  PutU16(out, 24);  // bits a pixel
  PutU32(out, 0);   // uncompressed
  PutU32(out, pixel_bytes);
  PutU32(out, per_metre);
  PutU32(out, per_metre);
  PutU32(out, 0);  // colours used
  PutU32(out, 0);  // important colours
  QByteArray row(row_bytes, '\0');
  for (int y = height - 1; y >= 0; --y) {
    const uchar* line = flat.constScanLine(y);
    for (int x = 0; x < width; ++x) {  // stored blue, green, red
      row[3 * x] = static_cast<char>(line[3 * x + 2]);
      row[3 * x + 1] = static_cast<char>(line[3 * x + 1]);
      row[3 * x + 2] = static_cast<char>(line[3 * x]);
    }
    out.append(row);
  }
  return out;
}

}  // namespace vellumo
