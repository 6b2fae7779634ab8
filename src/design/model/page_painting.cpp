// The page on screen: white background, the art behind the design, dotted outline and green grid
// dots, clipped to the page's shape, then the objects back to front.
#include <QPainterPath>

#include "design/model/base_panel.h"

namespace vellumo::design {
namespace {

constexpr double kCornerUnits = 24;
constexpr int kGridOffset = 2;
const QColor kGridColour(0x00, 0x80, 0x00);

// The page's shape over width + 1 × height + 1 units, in view pixels.
QPainterPath ShapePath(TLabelShapeType shape, QSize size, float zoom) {
  const QRectF rect(0, 0, (size.width() + 1) * double(zoom), (size.height() + 1) * double(zoom));
  QPainterPath path;
  switch (shape) {
    case TLabelShapeType::lsRectangle: path.addRect(rect); break;
    case TLabelShapeType::lsRoundRect:
      path.addRoundedRect(rect, kCornerUnits / 2 * double(zoom), kCornerUnits / 2 * double(zoom));
      break;
    case TLabelShapeType::lsEllipse: path.addEllipse(rect); break;
  }
  return path;
}

}  // namespace

void TGBasePanel::PaintPage(QPainter& painter) const {
  painter.save();
  const double zoom = zoom_;
  painter.fillRect(QRectF(0, 0, size_.width() * zoom, size_.height() * zoom), Qt::white);
  const QPainterPath shape = ShapePath(Shape, size_, zoom_);
  if (!Art.isNull()) {
    painter.save();
    painter.setClipPath(shape);
    painter.drawImage(QRectF(0, 0, size_.width() * zoom, size_.height() * zoom), Art);
    painter.restore();
  }
  if (DrawOutline) {
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
  }
  if (ShowGrid) {
    painter.setClipPath(shape);
    painter.setPen(QPen(kGridColour, 1));
    const int step = GridStep();
    for (int y = kGridOffset; y < size_.height(); y += step) {
      for (int x = kGridOffset; x < size_.width(); x += step) {
        painter.drawPoint(QPoint(qRound(x * zoom), qRound(y * zoom)));
      }
    }
  }
  painter.restore();
}

void TGBasePanel::Paint(QPainter& painter) const {
  PaintPage(painter);
  for (const std::unique_ptr<TGGraphicControl>& object : objects_) object->PaintObject(painter, zoom_);
}

}  // namespace vellumo::design
