// Painting the selection squares, the rubber band and the drag outline.
#include "design/edit/editing_overlay.h"

#include <QPen>

#include "design/model/design_units.h"

namespace vellumo::design {
namespace {

// A dotted rectangle in two tones, black dots on a white line, so that it
// shows over white paper, grid dots and dark objects alike.
void DottedRect(QPainter& painter, const QRectF& rect) {
  QPen under(Qt::white, 0);
  painter.setPen(under);
  painter.drawRect(rect);
  QPen dots(Qt::black, 0, Qt::DotLine);
  painter.setPen(dots);
  painter.drawRect(rect);
}

// The rectangle of pixels a unit rectangle covers, as a cosmetic pen
// draws it: the last row and column inside.
QRectF OutlineOf(const QRect& units, float zoom) { return ViewRect(units, zoom).adjusted(0, 0, -1, -1); }

}  // namespace

QRect EditingOverlay::ViewArea(float zoom) const {
  QRect area;
  for (const QRect& square : squares) area |= ViewRect(square, zoom).toAlignedRect();
  for (const std::optional<QRect>& rect : {band, outline}) {
    if (rect) area |= ViewRect(*rect, zoom).toAlignedRect();
  }
  return area.adjusted(-1, -1, 1, 1);
}

void PaintEditingOverlay(QPainter& painter, const EditingOverlay& overlay, float zoom) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  for (const QRect& square : overlay.squares) painter.fillRect(ViewRect(square, zoom), overlay.square_colour);
  if (overlay.band) DottedRect(painter, OutlineOf(*overlay.band, zoom));
  if (overlay.outline) DottedRect(painter, OutlineOf(*overlay.outline, zoom));
  painter.restore();
}

}  // namespace vellumo::design
