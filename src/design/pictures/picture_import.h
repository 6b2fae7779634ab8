// Pictures from PNG, JPEG and SVG files (and any other format Qt reads),
// stored as "TBitmap" blocks so that every reader of the design format
// can show them: the image becomes a 24-bit Windows bitmap with enough
// pixels to print sharply at the size it is placed at.
#pragma once

#include <QByteArray>
#include <QSizeF>

#include "design/pictures/design_picture.h"

namespace vellumo {

// Dots per inch an imported picture aims at on paper.
inline constexpr double kImportDotsPerInch = 300;
// The longest side an imported bitmap may have, in pixels.
inline constexpr int kImportMaxPixels = 4096;

// Converts an image file to a bitmap picture for a place of
// `placed_inches` (an empty size: the image's own size). Vector images
// are drawn at kImportDotsPerInch over the place; raster images keep
// their pixels unless they hold more than that resolution needs. The
// longest side is capped at kImportMaxPixels. The bitmap's natural size
// is its pixel count, so the object that holds it should stretch it.
PictureRead ImportImageFile(const QByteArray& file, QSizeF placed_inches);

// A picture file as the image browser loads it: a Windows bitmap file is
// stored as it is ("TBitmap"), a placeable Windows or enhanced metafile
// as it is ("TMetafile"), an icon file as "TIcon"; any other image goes
// through ImportImageFile. A damaged bitmap or metafile is an error, not
// an image to convert.
PictureRead LoadPictureFile(const QByteArray& file, QSizeF placed_inches);

}  // namespace vellumo
