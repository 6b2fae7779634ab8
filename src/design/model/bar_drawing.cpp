// Bars and the empty-barcode outline on the canvas.
#include "design/model/bar_drawing.h"

#include "printing/drawing_styles.h"

namespace vellumo::design {

void DrawBars(TBaseReport& canvas, const Bars& bars, double x, double y) {
  canvas.SetBrush(Qt::black, bsSolid);
  std::vector<QRectF> rects;
  rects.reserve(bars.size());
  for (const Bar& bar : bars) rects.emplace_back(QPointF(x + bar.left, y + bar.top), QPointF(x + bar.right(), y + bar.bottom()));
  canvas.DrawRectangles(rects);
}

void DrawEmptyObjectOutline(TBaseReport& canvas, const QRectF& inches) {
  canvas.SetPen(Qt::black, psDash, pmCopy, 1);
  canvas.SetBrush(Qt::white, bsClear);
  canvas.DrawRectangle(inches.left(), inches.top(), inches.right(), inches.bottom());
}

}  // namespace vellumo::design
