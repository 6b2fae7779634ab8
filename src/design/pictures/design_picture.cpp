// Reading, keeping and drawing a design's picture block.
#include "design/pictures/design_picture.h"

#include <QtEndian>

#include "design/pictures/byte_reader.h"
#include "design/pictures/enhanced_metafile.h"
#include "design/pictures/windows_metafile.h"
#include "design/screen_ppi.h"

namespace vellumo {
namespace {

const QString kBitmapClass = QStringLiteral("TBitmap");
const QString kMetafileClass = QStringLiteral("TMetafile");
const QString kIconClass = QStringLiteral("TIcon");

PictureRead Failure(const QString& error) { return PictureRead{std::nullopt, error}; }

// The bytes after a 4-byte length, which must fill the rest of the block.
std::optional<QByteArray> LengthPrefixed(ByteReader& r, const QString& what, QString* error) {
  if (!r.has(4)) {
    *error = QStringLiteral("picture data ends inside the length of its %1 (needs 4 bytes, %2 left)")
                 .arg(what)
                 .arg(r.remaining());
    return std::nullopt;
  }
  uint32_t length = r.u32();
  if (!r.has(length)) {
    *error = QStringLiteral("picture data ends inside its %1 (needs %2 bytes, %3 left)")
                 .arg(what)
                 .arg(length)
                 .arg(r.remaining());
    return std::nullopt;
  }
  QByteArray content = r.bytes(length).toByteArray();
  if (r.remaining() > 0) {
    *error = QStringLiteral("picture data has %1 bytes after its %2").arg(r.remaining()).arg(what);
    return std::nullopt;
  }
  return content;
}

}  // namespace

QString DesignPicture::className() const {
  switch (kind_) {
    case PictureKind::kBitmap: return kBitmapClass;
    case PictureKind::kIcon: return kIconClass;
    default: return kMetafileClass;
  }
}

PictureRead DesignPicture::fromBlock(const QByteArray& block) {
  ByteReader r(block);
  if (!r.has(1)) return Failure(QStringLiteral("picture data is empty"));
  int name_length = r.u8();
  if (!r.has(name_length)) {
    return Failure(QStringLiteral("picture data ends inside its class name (needs %1 bytes, %2 left)")
                       .arg(name_length)
                       .arg(r.remaining()));
  }
  QString name = QString::fromLatin1(r.bytes(name_length));
  DesignPicture picture;
  picture.block_ = block;
  QString error;
  if (name == kBitmapClass) {
    std::optional<QByteArray> bitmap = LengthPrefixed(r, QStringLiteral("bitmap"), &error);
    if (!bitmap) return Failure(error);
    if (!bitmap->startsWith("BM")) return Failure(QStringLiteral("picture data's bitmap is not a Windows bitmap"));
    picture.kind_ = PictureKind::kBitmap;
    picture.content_ = *bitmap;
    picture.image_ = QImage::fromData(picture.content_, "BMP");
    if (picture.image_.isNull()) return Failure(QStringLiteral("picture data's bitmap cannot be read"));
    picture.natural_size_ = picture.image_.size();
  } else if (name == kMetafileClass) {
    std::optional<QByteArray> metafile = LengthPrefixed(r, QStringLiteral("metafile"), &error);
    if (!metafile) return Failure(error);
    ByteReader key(*metafile);
    bool placeable = key.u32() == kPlaceableMetafileKey;
    std::optional<MetafileHeader> header = placeable ? ReadPlaceableMetafileHeader(*metafile, &error)
                                                     : ReadEnhancedMetafileHeader(*metafile, &error);
    if (!header) return Failure(QStringLiteral("picture data's metafile: %1").arg(error));
    picture.kind_ = placeable ? PictureKind::kPlaceableMetafile : PictureKind::kEnhancedMetafile;
    picture.content_ = *metafile;
    picture.natural_size_ = header->size_inches * kScreenPpi;
  } else if (name == kIconClass) {
    picture.kind_ = PictureKind::kIcon;
    picture.content_ = r.bytes(r.remaining()).toByteArray();
    picture.image_ = QImage::fromData(picture.content_, "ICO");
    if (picture.image_.isNull()) return Failure(QStringLiteral("picture data's icon cannot be read"));
    picture.natural_size_ = picture.image_.size();
  } else {
    return Failure(QStringLiteral("picture data names an unknown picture class \"%1\"").arg(name));
  }
  return PictureRead{picture, QString()};
}

PictureRead DesignPicture::fromContent(const QString& class_name, const QByteArray& content) {
  QByteArray name = class_name.toLatin1();
  if (name.size() > 255) return Failure(QStringLiteral("picture class name is too long"));
  QByteArray block;
  block.append(static_cast<char>(name.size()));
  block.append(name);
  if (class_name != kIconClass) {
    char length[4];
    qToLittleEndian(static_cast<uint32_t>(content.size()), length);
    block.append(length, 4);
  }
  block.append(content);
  return fromBlock(block);
}

PlayReport DesignPicture::draw(QPainter& painter, const QRectF& target) const {
  switch (kind_) {
    case PictureKind::kPlaceableMetafile: return PlayPlaceableMetafile(content_, painter, target);
    case PictureKind::kEnhancedMetafile: return PlayEnhancedMetafile(content_, painter, target);
    default:
      painter.drawImage(target, image_);
      return PlayReport{1, 0, QString()};
  }
}

}  // namespace vellumo
