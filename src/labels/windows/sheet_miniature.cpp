// The sheet miniature: the paper scaled into the widget, the positions
// placed by the stock's own cell rule.
#include "labels/windows/sheet_miniature.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vellumo {
namespace {

constexpr double kMargin = 4;  // pixels around the paper

}  // namespace

SheetMiniature::SheetMiniature(const StockGeometry& geometry, const SheetPositionMask& mask, QWidget* parent)
    : QWidget(parent), geometry_(geometry), mask_(mask) {
  setMinimumSize(120, 150);
  setCursor(Qt::PointingHandCursor);
}

void SheetMiniature::SetMask(const SheetPositionMask& mask) {
  if (mask == mask_) return;
  mask_ = mask;
  update();
  emit MaskChanged();
}

QRectF SheetMiniature::SheetRect() const {
  const QRectF room = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const double width = geometry_.sheet_width > 0 ? geometry_.sheet_width : 1;
  const double depth = geometry_.sheet_depth > 0 ? geometry_.sheet_depth : 1;
  const double scale = std::max(0.0, std::min(room.width() / width, room.height() / depth));
  QRectF sheet(0, 0, width * scale, depth * scale);
  sheet.moveCenter(room.center());
  return sheet;
}

QRectF SheetMiniature::CellRect(int index) const {
  if (index < 0 || index >= geometry_.CellCount()) return {};
  const QRectF sheet = SheetRect();
  const double scale = sheet.width() / (geometry_.sheet_width > 0 ? geometry_.sheet_width : 1);
  const CellOrigin origin = geometry_.CellAt(index);
  return {sheet.left() + origin.x * scale, sheet.top() + origin.y * scale, geometry_.label_width * scale,
          geometry_.label_height * scale};
}

int SheetMiniature::CellAt(QPointF point) const {
  for (int index = 0; index < geometry_.CellCount(); ++index) {
    if (CellRect(index).contains(point)) return index;
  }
  return -1;
}

void SheetMiniature::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(SheetRect());
  for (int index = 0; index < geometry_.CellCount(); ++index) {
    painter.setBrush(mask_.IsSelected(index) ? QColor(Qt::red) : QColor(Qt::white));
    painter.drawRect(CellRect(index));
  }
}

void SheetMiniature::mousePressEvent(QMouseEvent* event) {
  const int index = CellAt(event->position());
  if (event->button() != Qt::LeftButton || index < 0) return;
  mask_.Toggle(index);
  update();
  emit MaskChanged();
}

}  // namespace vellumo
