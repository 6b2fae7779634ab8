// The image browser's preview.
#include "design/windows/picture_preview.h"

#include <QPainter>

namespace vellumo::design {

PicturePreview::PicturePreview(QWidget* parent) : QWidget(parent) {
  setMinimumSize(sizeHint());
  Place();
}

void PicturePreview::ShowPicture(std::optional<DesignPicture> picture) {
  image_.SetPicture(std::move(picture));
  Place();
}

void PicturePreview::SetStretch(bool stretch) {
  image_.SetStretch(stretch);
  Place();
}

void PicturePreview::SetAutoSize(bool auto_size) {
  image_.SetAutoSize(auto_size);
  Place();
}

void PicturePreview::Place() {
  // AutoSize gave the object the picture's size; it starts at the corner.
  if (image_.AutoSize()) {
    image_.SetBounds(QRect(QPoint(0, 0), image_.Bounds().size()));
  } else {
    image_.SetBounds(rect().adjusted(kInset, kInset, -kInset, -kInset));
  }
  update();
}

void PicturePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setClipRect(rect());
  image_.PaintObject(painter, 1.0f);
}

void PicturePreview::resizeEvent(QResizeEvent*) { Place(); }

}  // namespace vellumo::design
