// The picture a design object holds, as its stored block keeps it: the
// picture's class name as a short string (a length byte and the name),
// then for "TBitmap" a 4-byte little-endian length and a complete Windows
// bitmap file, for "TMetafile" a 4-byte length and an enhanced or
// placeable Windows metafile, for "TIcon" the icon file itself. The
// original bytes are kept, so that writing the picture back gives the
// very same block; drawing goes through Qt's image readers and the
// metafile players.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <optional>

#include "design/pictures/metafile.h"

namespace vellumo {

enum class PictureKind { kBitmap, kEnhancedMetafile, kPlaceableMetafile, kIcon };

struct PictureRead;

class DesignPicture {
 public:
  // Reads a stored block; every length is checked against what is left.
  static PictureRead fromBlock(const QByteArray& block);
  // The block for a bitmap file, a metafile or an icon file of the given
  // class ("TBitmap", "TMetafile", "TIcon"), read back as above.
  static PictureRead fromContent(const QString& class_name, const QByteArray& content);

  [[nodiscard]] const QByteArray& block() const { return block_; }
  [[nodiscard]] PictureKind kind() const { return kind_; }
  [[nodiscard]] QString className() const;
  // The bitmap file, metafile or icon file inside the block.
  [[nodiscard]] const QByteArray& content() const { return content_; }
  // The size the picture has unstretched, in design units (ScreenPPI 96):
  // a bitmap's or icon's pixels, a metafile's frame.
  [[nodiscard]] QSizeF naturalSize() const { return natural_size_; }
  // Draws the picture stretched over `target`. Bitmaps always draw; a
  // metafile reports what it played and where it stopped.
  PlayReport draw(QPainter& painter, const QRectF& target) const;

 private:
  DesignPicture() = default;
  QByteArray block_;
  QByteArray content_;
  PictureKind kind_ = PictureKind::kBitmap;
  QImage image_;  // bitmaps and icons, decoded once
  QSizeF natural_size_;
};

struct PictureRead {
  std::optional<DesignPicture> picture;
  QString error;  // why there is no picture
};

}  // namespace vellumo
