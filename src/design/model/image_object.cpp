// Pictures: stored properties, sizing to the picture and drawing through
// the canvas's graphic drawing, on screen and on paper alike.
#include "design/model/image_object.h"

#include <cmath>

#include "design/model/bar_drawing.h"

namespace vellumo::design {
namespace {

// Stretched pictures are recorded into a square of this many units and
// scaled to the object when drawn.
constexpr int kStretchedExtent = 1000;

}  // namespace

void TGImage::SetPicture(std::optional<DesignPicture> picture) {
  picture_ = std::move(picture);
  drawing_.reset();
  if (auto_size_) FitToPicture();
  Changed();
}

void TGImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  if (stretch) auto_size_ = false;
  Changed();
}

void TGImage::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (auto_size) {
    stretch_ = false;
    FitToPicture();
  }
  Changed();
}

void TGImage::FitToPicture() {
  if (!picture_) return;
  const QSizeF natural = picture_->naturalSize();
  const int width = int(std::lround(natural.width()));
  const int height = int(std::lround(natural.height()));
  if (width > 0 && height > 0) SetBounds(QRect(Left(), Top(), width, height));
}

const QPicture& TGImage::Drawing() const {
  const QSize size = Bounds().size();
  if (drawing_ && drawing_->stretch == stretch_ && (stretch_ || drawing_->size == size)) return drawing_->picture;
  drawing_.emplace();
  drawing_->size = size;
  drawing_->stretch = stretch_;
  QPainter painter(&drawing_->picture);
  if (stretch_) {
    picture_->draw(painter, QRectF(0, 0, kStretchedExtent, kStretchedExtent));
    painter.end();
    drawing_->picture.setBoundingRect(QRect(0, 0, kStretchedExtent, kStretchedExtent));
  } else {
    painter.setClipRect(QRect(QPoint(0, 0), size));
    picture_->draw(painter, QRectF(QPointF(0, 0), picture_->naturalSize()));
    painter.end();
    drawing_->picture.setBoundingRect(QRect(QPoint(0, 0), size));
  }
  return drawing_->picture;
}

void TGImage::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  if (!picture_ || Width() <= 0 || Height() <= 0) return;
  const QRectF inches = InchRect(x0, y0);
  canvas.DrawGraphicInRect(canvas.MakeRect(inches.left(), inches.top(), inches.right(), inches.bottom()), Drawing());
}

void TGImage::ScreenExtras(TBaseReport& canvas, double x0, double y0) const {
  if (!picture_) DrawEmptyBarcodeOutline(canvas, InchRect(x0, y0));
}

void TGImage::WriteOwnProperties(PropertyWriter& writer) const {
  writer.BooleanIfNot("AutoSize", auto_size_, false);
  if (picture_) writer.BinaryIfSet("Picture.Data", picture_->block().toStdString());
  writer.BooleanIfNot("Stretch", stretch_, true);
}

Status TGImage::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  // Flags are taken as stored, without the exclusion the setters apply,
  // so that a file reads back exactly as it was written.
  if (property.name == "AutoSize") return Take(reader.Boolean(property), &auto_size_);
  if (property.name == "Stretch") return Take(reader.Boolean(property), &stretch_);
  if (property.name == "Picture.Data") {
    Result<std::string> block = reader.Binary(property);
    if (!block.ok()) return block.status();
    PictureRead read = DesignPicture::fromBlock(QByteArray::fromStdString(*block));
    if (!read.picture) return Status::Corruption("Picture.Data: " + read.error.toStdString());
    picture_ = std::move(read.picture);
    drawing_.reset();
    return Status::OK();
  }
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
