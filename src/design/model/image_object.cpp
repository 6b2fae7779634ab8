// Pictures: stored properties, sizing to the picture, and drawing through
// the canvas, on screen and on paper alike: metafiles as recorded vector
// drawings, bitmaps and icons as pixels.
#include "design/model/image_object.h"

#include <cmath>

#include "design/model/bar_drawing.h"
#include "design/model/design_units.h"

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

const TGImage::Drawing* TGImage::CurrentDrawing() const {
  if (drawing_ && drawing_->stretch == stretch_ && (stretch_ || drawing_->size == Bounds().size())) return &*drawing_;
  drawing_.reset();
  return nullptr;
}

TGImage::Drawing& TGImage::FreshDrawing() const {
  Drawing& drawing = drawing_.emplace();
  drawing.size = Bounds().size();
  drawing.stretch = stretch_;
  return drawing;
}

const QPicture& TGImage::Recording() const {
  if (const Drawing* current = CurrentDrawing()) return current->recording;
  Drawing& drawing = FreshDrawing();
  QPainter painter(&drawing.recording);
  QRect box(0, 0, kStretchedExtent, kStretchedExtent);
  if (stretch_) {
    picture_->draw(painter, box);
  } else {
    box = QRect(QPoint(0, 0), drawing.size);
    painter.setClipRect(box);
    picture_->draw(painter, QRectF(QPointF(0, 0), picture_->naturalSize()));
  }
  painter.end();
  drawing.recording.setBoundingRect(box);
  return drawing.recording;
}

const QImage& TGImage::ShownPixels() const {
  if (const Drawing* current = CurrentDrawing()) return current->pixels;
  Drawing& drawing = FreshDrawing();
  const QSize natural = picture_->naturalSize().toSize();
  const QSize shown = stretch_ ? natural : natural.boundedTo(drawing.size);
  drawing.pixels = QImage(shown, QImage::Format_ARGB32_Premultiplied);
  drawing.pixels.fill(Qt::transparent);
  QPainter painter(&drawing.pixels);
  picture_->draw(painter, QRectF(QPointF(0, 0), QSizeF(natural)));
  return drawing.pixels;
}

void TGImage::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  if (!picture_ || Width() <= 0 || Height() <= 0) return;
  const QRectF inches = InchRect(x0, y0);
  const PictureKind kind = picture_->kind();
  if (kind == PictureKind::kEnhancedMetafile || kind == PictureKind::kPlaceableMetafile) {
    canvas.DrawGraphicInRect(canvas.MakeRect(inches.left(), inches.top(), inches.right(), inches.bottom()),
                             Recording());
    return;
  }
  const QImage& pixels = ShownPixels();
  if (pixels.isNull()) return;
  const QSizeF size = stretch_ ? inches.size() : QSizeF(InchesFromUnits(pixels.width()), InchesFromUnits(pixels.height()));
  canvas.DrawBitmapInRect(pixels, inches.left(), inches.top(), inches.left() + size.width(),
                          inches.top() + size.height());
}

void TGImage::ScreenExtras(TBaseReport& canvas, double x0, double y0) const {
  if (!picture_) DrawEmptyObjectOutline(canvas, InchRect(x0, y0));
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
