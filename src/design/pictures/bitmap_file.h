// Windows bitmaps: device-independent bitmaps as metafiles hold them
// (a bitmap header, its colour table and the pixels, without the file
// header) decoded to images, and images encoded as complete 24-bit
// bitmap files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>

namespace vellumo {

// The size of a bitmap file's own header ("BM", file size, two reserved
// words, offset of the pixels).
inline constexpr int kBitmapFileHeaderSize = 2 + 4 + 2 + 2 + 4;

// Decodes a packed bitmap: header, colour table and pixels in one block.
// A null image when the block is not a bitmap Qt can read, or when its
// pixel count is beyond what a picture may hold.
QImage DecodePackedBitmap(QByteArrayView dib);
// Decodes a bitmap whose header and colour table (`info`) lie apart from
// its pixels (`bits`).
QImage DecodeBitmap(QByteArrayView info, QByteArrayView bits);

// A source rectangle as a metafile gives it (y from the bitmap's first
// stored row, which is the bottom row of a bottom-up bitmap) in the
// image's own pixels, y from the top. `info` starts with the bitmap header.
QRectF ImageSourceRect(QByteArrayView info, const QImage& image, const QRectF& source);

// A complete bitmap file of `image` at 24 bits a pixel, bottom-up, rows
// padded to four bytes, with `dots_per_inch` written into the header.
// Transparent pixels are laid on white first.
QByteArray EncodeBitmapFile(const QImage& image, double dots_per_inch);

}  // namespace vellumo
